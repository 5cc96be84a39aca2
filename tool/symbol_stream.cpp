#include "symbol_stream.h"

#include <algorithm>
#include <new>

#include "block_stream.h"
#include "byte_list_reader.h"
#include "byte_list_writer.h"
#include "symbol_alphabet.h"

namespace {

// Input is compressed and text parsed in pieces of these sizes, so the
// block bytes in flight stay small whatever a caller feeds at once.
constexpr std::size_t ENCODE_STEP = std::size_t{1} << 20;
constexpr std::size_t DECODE_STEP = std::size_t{1} << 16;

}  // namespace

struct SymbolTextEncoder::State {
    explicit State(std::uint64_t totalLength) : deflater(totalLength), writer(SYMBOL_ALPHABET) {}
    BlockDeflater deflater;
    ByteListWriter writer;
    ByteArray block;  // the block bytes of the current step
    CodecStatus memoryStatus = CodecStatus::Ok;
};

SymbolTextEncoder::SymbolTextEncoder(std::uint64_t totalLength)
    : state_(std::make_unique<State>(totalLength)) {}

SymbolTextEncoder::~SymbolTextEncoder() = default;

CodecStatus SymbolTextEncoder::feed(const std::uint8_t* data, std::size_t size, AnsiText& out) {
    State& s = *state_;
    if (s.memoryStatus != CodecStatus::Ok) return s.memoryStatus;
    try {
        CodecStatus status;
        do {
            std::size_t step = std::min(size, ENCODE_STEP);
            s.block.clear();
            status = s.deflater.feed(data, step, s.block);
            s.writer.append(s.block.data(), s.block.size(), out);
            data += step;
            size -= step;
        } while (size > 0 && status == CodecStatus::Ok);
        return status;
    } catch (const std::bad_alloc&) {
        return s.memoryStatus = CodecStatus::OutOfMemory;
    }
}

CodecStatus SymbolTextEncoder::finish(AnsiText& out) {
    State& s = *state_;
    if (s.memoryStatus != CodecStatus::Ok) return s.memoryStatus;
    try {
        s.block.clear();
        CodecStatus status = s.deflater.finish(s.block);
        s.writer.append(s.block.data(), s.block.size(), out);
        return status;
    } catch (const std::bad_alloc&) {
        return s.memoryStatus = CodecStatus::OutOfMemory;
    }
}

struct SymbolTextDecoder::State {
    ByteListReader reader{ByteListReader::Mode::SymbolText};
    BlockInflater inflater;
    ByteArray block;  // the block bytes parsed from the current step
    CodecStatus memoryStatus = CodecStatus::Ok;
};

SymbolTextDecoder::SymbolTextDecoder() : state_(std::make_unique<State>()) {}

SymbolTextDecoder::~SymbolTextDecoder() = default;

void SymbolTextDecoder::limitTextSize(std::uint64_t size) {
    // Each block byte takes at least one character (its separator), bar
    // the last.
    state_->inflater.limitBlockSize(size + 1);
}

CodecStatus SymbolTextDecoder::feed(const char* text, std::size_t size, ByteArray& out) {
    State& s = *state_;
    if (s.memoryStatus != CodecStatus::Ok) return s.memoryStatus;
    try {
        // Once the block's result is known the rest of the text is ignored.
        while (size > 0 && s.inflater.wantsMore()) {
            std::size_t step = std::min(size, DECODE_STEP);
            s.block.clear();
            s.reader.read(text, step, s.block);
            s.inflater.feed(s.block.data(), s.block.size(), out);
            text += step;
            size -= step;
        }
        return s.inflater.status();
    } catch (const std::bad_alloc&) {
        return s.memoryStatus = CodecStatus::OutOfMemory;
    }
}

CodecStatus SymbolTextDecoder::finish(ByteArray& out) {
    State& s = *state_;
    if (s.memoryStatus != CodecStatus::Ok) return s.memoryStatus;
    try {
        if (s.inflater.wantsMore()) {
            s.block.clear();
            s.reader.finish(s.block);
            s.inflater.feed(s.block.data(), s.block.size(), out);
        }
        return s.inflater.finish();
    } catch (const std::bad_alloc&) {
        return s.memoryStatus = CodecStatus::OutOfMemory;
    }
}
