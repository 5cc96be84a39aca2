// The compressed block in streaming form: the header, then zlib's deflate
// or inflate fed chunk by chunk. compressed_block.cpp and symbol_stream.cpp
// are built on these; nothing else needs zlib.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "byte_types.h"
#include "codec_status.h"
#include "compressed_block.h"

// Writes the block of exactly `totalLength` input bytes. zlib's settings
// are those of its one-shot `compress`, and feeding the input in chunks
// gives the same stream.
class BlockDeflater {
public:
    explicit BlockDeflater(std::uint64_t totalLength);
    ~BlockDeflater();
    BlockDeflater(const BlockDeflater&) = delete;
    BlockDeflater& operator=(const BlockDeflater&) = delete;

    // Append the block bytes made so far to `out`. A failure is final.
    CodecStatus feed(const std::uint8_t* data, std::size_t size, ByteArray& out);
    CodecStatus finish(ByteArray& out);

private:
    CodecStatus start(ByteArray& out);
    CodecStatus deflateInto(int flush, ByteArray& out);
    CodecStatus fail(CodecStatus status);

    std::uint64_t total_;
    std::uint64_t received_ = 0;
    CodecStatus status_ = CodecStatus::Ok;
    bool started_ = false;
    bool zlibOpen_ = false;
    z_stream zlib_{};
    std::uint8_t scratch_[16384];  // deflate output on its way to `out`
};

// Reads a block: the 8 header bytes, then inflates the zlib stream into at
// most the room the stored length grants (twice it, as a signed 32-bit
// number). The output grows with what the stream really holds, never with
// what the header claims. Bytes after the stream's end are ignored.
class BlockInflater {
public:
    BlockInflater() = default;
    ~BlockInflater();
    BlockInflater(const BlockInflater&) = delete;
    BlockInflater& operator=(const BlockInflater&) = delete;

    // The block will have at most `size` bytes. Lets the output be reserved
    // in one go when the header arrives: the stored length, but never more
    // than that many bytes can inflate to.
    void limitBlockSize(std::uint64_t size) { blockSizeLimit_ = size; }

    // Appends the bytes inflated so far to `out`; they are the result only
    // if finish() gives Ok. Returns Ok while no failure is known.
    CodecStatus feed(const std::uint8_t* data, std::size_t size, ByteArray& out);
    // The block has ended: the result's status.
    CodecStatus finish();
    // False once the result is known (stream end or failure): later input
    // cannot change it.
    bool wantsMore() const { return !done_; }
    CodecStatus status() const { return status_; }

private:
    CodecStatus readHeader();
    void reserveOutput(ByteArray& out) const;
    CodecStatus inflateInto(ByteArray& out);
    CodecStatus end(CodecStatus status);

    std::uint8_t header_[BLOCK_HEADER_SIZE] = {};
    std::size_t headerSize_ = 0;
    std::uint64_t blockSizeLimit_ = 0;  // 0: not known
    std::uint32_t length_ = 0;
    std::int64_t room_ = 0;
    std::uint64_t produced_ = 0;
    CodecStatus status_ = CodecStatus::Ok;
    bool done_ = false;
    bool zlibOpen_ = false;
    z_stream zlib_{};
    std::uint8_t scratch_[16384];  // output while `out` has no spare room
};
