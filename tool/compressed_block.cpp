#include "compressed_block.h"

#include <new>

#include "block_stream.h"

BlockResult compressBlockChecked(const ByteArray& input) {
    try {
        BlockDeflater deflater(input.size());
        ByteArray block;
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
