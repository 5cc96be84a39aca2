// The codec in incremental form, for inputs of any size: feed chunks, get
// output as it comes. Feeding the whole input in one chunk gives exactly
// what the one-shot functions of symbol_codec.h give.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "byte_types.h"
#include "codec_status.h"

class SymbolTextEncoder {
public:
    // The block header holds the input's length, so it is needed first;
    // above BLOCK_MAX_INPUT every call gives InputTooLarge.
    explicit SymbolTextEncoder(std::uint64_t totalLength);
    ~SymbolTextEncoder();
    SymbolTextEncoder(const SymbolTextEncoder&) = delete;
    SymbolTextEncoder& operator=(const SymbolTextEncoder&) = delete;

    // Appends the symbol text made so far to `out`. Once a call fails every
    // later call returns the same status.
    CodecStatus feed(const std::uint8_t* data, std::size_t size, AnsiText& out);
    // Ends the stream. More or fewer bytes than announced: LengthMismatch.
    CodecStatus finish(AnsiText& out);

private:
    struct State;
    std::unique_ptr<State> state_;
};

class SymbolTextDecoder {
public:
    SymbolTextDecoder();
    ~SymbolTextDecoder();
    SymbolTextDecoder(const SymbolTextDecoder&) = delete;
    SymbolTextDecoder& operator=(const SymbolTextDecoder&) = delete;

    // Optional: the whole text has at most `size` characters. The output is
    // then reserved in one go when the block header is read (the stored
    // length, never more than such a text can inflate to).
    void limitTextSize(std::uint64_t size);

    // Appends the bytes decoded so far to `out`. They are final only when
    // finish() returns Ok: the check value comes at the stream's end.
    // Returns Ok while no failure is known. A zero byte ends the text, and
    // once the block's end (or a failure) is reached later text is ignored.
    CodecStatus feed(const char* text, std::size_t size, ByteArray& out);
    // The text has ended: the decode's status (NotABlock, StreamCutShort...).
    CodecStatus finish(ByteArray& out);

private:
    struct State;
    std::unique_ptr<State> state_;
};
