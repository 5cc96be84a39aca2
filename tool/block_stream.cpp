#include "block_stream.h"

#include <algorithm>
#include <cstring>

namespace {

// zlib counts input in 32-bit units; larger chunks are fed in parts.
constexpr std::size_t MAX_ZLIB_CHUNK = std::size_t{1} << 30;
// Inflate output is written straight into the spare room of the caller's
// array, in steps that double while the stream keeps filling them (every
// step is zero-filled first).
constexpr std::size_t FIRST_OUTPUT_STEP = 4096;
constexpr std::size_t MAX_OUTPUT_STEP = std::size_t{1} << 20;
// deflate cannot pack more than this many bytes into one byte of stream.
constexpr std::uint64_t MAX_DEFLATE_RATIO = 1032;

void appendLittleEndian32(std::uint32_t value, ByteArray& out) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t readLittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Geometric growth, but never past what the stream may still add, so a
// block claiming a huge length reserves only what it really inflates to.
void growFor(ByteArray& out, std::size_t needed, std::size_t mostEver) {
    if (out.capacity() >= needed) return;
    out.reserve(std::min(std::max(needed, 2 * out.capacity()), mostEver));
}

CodecStatus inflateFailure(int result, const char* message) {
    if (result == Z_MEM_ERROR) return CodecStatus::OutOfMemory;
    // zlib reports a wrong Adler-32 as Z_DATA_ERROR with this one message.
    if (result == Z_DATA_ERROR && message && std::strcmp(message, "incorrect data check") == 0)
        return CodecStatus::CheckValueWrong;
    return CodecStatus::StreamDamaged;  // Z_DATA_ERROR, Z_NEED_DICT, Z_STREAM_ERROR
}

}  // namespace

BlockDeflater::BlockDeflater(std::uint64_t totalLength) : total_(totalLength) {
    if (totalLength > BLOCK_MAX_INPUT) status_ = CodecStatus::InputTooLarge;
}

BlockDeflater::~BlockDeflater() {
    if (zlibOpen_) deflateEnd(&zlib_);
}

CodecStatus BlockDeflater::fail(CodecStatus status) {
    status_ = status;
    if (zlibOpen_) deflateEnd(&zlib_);
    zlibOpen_ = false;
    return status;
}

CodecStatus BlockDeflater::start(ByteArray& out) {
    started_ = true;
    appendLittleEndian32(BLOCK_MAGIC, out);
    appendLittleEndian32(static_cast<std::uint32_t>(total_), out);
    if (total_ == 0) return CodecStatus::Ok;  // the block of empty input has no stream
    int result = deflateInit2(&zlib_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    if (result != Z_OK)
        return fail(result == Z_MEM_ERROR ? CodecStatus::OutOfMemory : CodecStatus::CompressFailed);
    zlibOpen_ = true;
    return CodecStatus::Ok;
}

CodecStatus BlockDeflater::feed(const std::uint8_t* data, std::size_t size, ByteArray& out) {
    if (status_ != CodecStatus::Ok) return status_;
    if (!started_ && start(out) != CodecStatus::Ok) return status_;
    if (size > total_ - received_) return fail(CodecStatus::LengthMismatch);
    received_ += size;
    if (size == 0) return CodecStatus::Ok;
    // total_ <= BLOCK_MAX_INPUT, so the whole chunk fits zlib's counter.
    zlib_.next_in = const_cast<Bytef*>(data);
    zlib_.avail_in = static_cast<uInt>(size);
    return deflateInto(Z_NO_FLUSH, out);
}

CodecStatus BlockDeflater::finish(ByteArray& out) {
    if (status_ != CodecStatus::Ok) return status_;
    if (!started_ && start(out) != CodecStatus::Ok) return status_;
    if (received_ != total_) return fail(CodecStatus::LengthMismatch);
    if (!zlibOpen_) return CodecStatus::Ok;
    CodecStatus status = deflateInto(Z_FINISH, out);
    if (status == CodecStatus::Ok) {
        deflateEnd(&zlib_);
        zlibOpen_ = false;
    }
    return status;
}

CodecStatus BlockDeflater::deflateInto(int flush, ByteArray& out) {
    for (;;) {
        zlib_.next_out = scratch_;
        zlib_.avail_out = sizeof scratch_;
        int result = deflate(&zlib_, flush);
        out.insert(out.end(), scratch_, scratch_ + (sizeof scratch_ - zlib_.avail_out));
        if (result == Z_STREAM_END) return CodecStatus::Ok;
        if (result != Z_OK && result != Z_BUF_ERROR)
            return fail(result == Z_MEM_ERROR ? CodecStatus::OutOfMemory : CodecStatus::CompressFailed);
        if (flush == Z_NO_FLUSH && zlib_.avail_in == 0 && zlib_.avail_out != 0) return CodecStatus::Ok;
    }
}

BlockInflater::~BlockInflater() {
    if (zlibOpen_) inflateEnd(&zlib_);
}

CodecStatus BlockInflater::end(CodecStatus status) {
    status_ = status;
    done_ = true;
    if (zlibOpen_) inflateEnd(&zlib_);
    zlibOpen_ = false;
    return status;
}

CodecStatus BlockInflater::readHeader() {
    if (readLittleEndian32(header_) != BLOCK_MAGIC) return end(CodecStatus::WrongMagic);
    length_ = readLittleEndian32(header_ + 4);
    // The block of empty input: nothing to inflate, whatever follows.
    if (length_ == 0) return end(CodecStatus::Ok);
    // Twice the length modulo 2^32, read as signed.
    room_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(length_ * 2u));
    if (room_ <= 0) return end(CodecStatus::LargerThanRoom);
    int result = inflateInit(&zlib_);
    if (result != Z_OK) return end(inflateFailure(result, zlib_.msg));
    zlibOpen_ = true;
    return CodecStatus::Ok;
}

void BlockInflater::reserveOutput(ByteArray& out) const {
    if (blockSizeLimit_ <= BLOCK_HEADER_SIZE) return;
    std::uint64_t possible = (blockSizeLimit_ - BLOCK_HEADER_SIZE) * MAX_DEFLATE_RATIO;
    out.reserve(out.size() + static_cast<std::size_t>(std::min<std::uint64_t>(length_, possible)));
}

CodecStatus BlockInflater::feed(const std::uint8_t* data, std::size_t size, ByteArray& out) {
    while (size > 0 && !done_) {
        if (headerSize_ < BLOCK_HEADER_SIZE) {
            std::size_t take = std::min(size, BLOCK_HEADER_SIZE - headerSize_);
            std::memcpy(header_ + headerSize_, data, take);
            headerSize_ += take;
            data += take;
            size -= take;
            if (headerSize_ == BLOCK_HEADER_SIZE && readHeader() == CodecStatus::Ok) reserveOutput(out);
            continue;
        }
        std::size_t take = std::min(size, MAX_ZLIB_CHUNK);
        zlib_.next_in = const_cast<Bytef*>(data);
        zlib_.avail_in = static_cast<uInt>(take);
        inflateInto(out);  // takes all of it unless the result is known
        data += take;
        size -= take;
    }
    return status_;
}

CodecStatus BlockInflater::inflateInto(ByteArray& out) {
    std::size_t step = FIRST_OUTPUT_STEP;
    for (;;) {
        // One byte past the room tells a stream that does not fit it.
        std::uint64_t mostLeft = static_cast<std::uint64_t>(room_) + 1 - produced_;
        std::size_t before = out.size();
        std::size_t spare = out.capacity() - before;
        std::size_t want;
        if (spare == 0) {
            // The array is full (a reservation of the stored length is
            // usually exact): grow it only for output that really comes.
            want = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof scratch_, mostLeft));
            zlib_.next_out = scratch_;
        } else {
            want = static_cast<std::size_t>(std::min<std::uint64_t>(std::min(step, spare), mostLeft));
            out.resize(before + want);
            zlib_.next_out = out.data() + before;
        }
        zlib_.avail_out = static_cast<uInt>(want);
        int result = inflate(&zlib_, Z_NO_FLUSH);
        std::size_t got = want - zlib_.avail_out;
        if (spare == 0) {
            growFor(out, before + got, before + static_cast<std::size_t>(mostLeft));
            out.insert(out.end(), scratch_, scratch_ + got);
        } else {
            out.resize(before + got);
        }
        produced_ += got;
        if (produced_ > static_cast<std::uint64_t>(room_)) return end(CodecStatus::LargerThanRoom);
        if (result == Z_STREAM_END) return end(CodecStatus::Ok);
        if (result != Z_OK && result != Z_BUF_ERROR) return end(inflateFailure(result, zlib_.msg));
        if (zlib_.avail_out != 0) return CodecStatus::Ok;  // all input taken, more needed
        step = std::min(step * 2, MAX_OUTPUT_STEP);
    }
}

CodecStatus BlockInflater::finish() {
    if (done_) return status_;
    return end(headerSize_ < BLOCK_HEADER_SIZE ? CodecStatus::NotABlock : CodecStatus::StreamCutShort);
}
