#include "compressed_block.h"

#include <new>

#include "block_stream.h"

BlockResult compressBlockChecked(const ByteArray& input) {
    try {
        BlockDeflater deflater(input.size());
        ByteArray block;
        // Only what deflate writes of this is ever touched.
        if (input.size() <= BLOCK_MAX_INPUT) block.reserve(BLOCK_HEADER_SIZE + compressBound(static_cast<uLong>(input.size())));
        CodecStatus status = deflater.feed(input.data(), input.size(), block);
        if (status == CodecStatus::Ok) status = deflater.finish(block);
        if (status != CodecStatus::Ok) return {status, {}};
        return {status, std::move(block)};
    } catch (const std::bad_alloc&) {
        return {CodecStatus::OutOfMemory, {}};
    }
}

BlockResult decompressBlockChecked(const ByteArray& block) {
    try {
        BlockInflater inflater;
        inflater.limitBlockSize(block.size());
        ByteArray bytes;
        inflater.feed(block.data(), block.size(), bytes);
        CodecStatus status = inflater.finish();
        if (status != CodecStatus::Ok) return {status, {}};
        return {status, std::move(bytes)};
    } catch (const std::bad_alloc&) {
        return {CodecStatus::OutOfMemory, {}};
    }
}

ByteArray compressBlock(const ByteArray& input) {
    return compressBlockChecked(input).bytes;
}

ByteArray decompressBlock(const ByteArray& block) {
    return decompressBlockChecked(block).bytes;
}
