// The compressed block: magic 0x033E0F0D, 32-bit little-endian uncompressed
// length, zlib stream (level 6, window bits 15, memory level 8).
#pragma once

#include <cstdint>

#include "byte_types.h"
#include "codec_status.h"

inline constexpr std::uint32_t BLOCK_MAGIC = 0x033E0F0D;
inline constexpr std::size_t BLOCK_HEADER_SIZE = 8;

// Largest input the block takes: its length must fit the length field and
// twice it (the room a decoder grants) a signed 32-bit number, so every
// block made can be decoded again.
inline constexpr std::uint64_t BLOCK_MAX_INPUT = 0x3FFFFFFF;

struct BlockResult {
    CodecStatus status;
    ByteArray bytes;
};

BlockResult compressBlockChecked(const ByteArray& input);
BlockResult decompressBlockChecked(const ByteArray& block);

// The plain forms: an empty array on any failure.
ByteArray compressBlock(const ByteArray& input);
ByteArray decompressBlock(const ByteArray& block);
