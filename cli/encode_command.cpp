// Encode: input of known length -> SymbolTextEncoder -> charset and wrap ->
// output, chunk by chunk.
#include <vector>

#include "commands.h"
#include "compressed_block.h"
#include "file_io.h"
#include "pending_output.h"
#include "symbol_stream.h"
#include "symbol_text_renderer.h"

namespace cli {
namespace {

const char* const ENCODE_FAILED = "cannot encode";

// Copies a pipe into a spool file and rewinds it: the block header needs
// the length before the first byte is encoded.
Outcome spoolInput(File& input, File& spool, std::vector<std::uint8_t>& buffer, std::uint64_t& length) {
    Outcome outcome = openSpool(spool);
    length = 0;
    while (outcome.ok()) {
        std::size_t got = 0;
        outcome = input.read(buffer.data(), buffer.size(), got);
        if (!outcome.ok() || got == 0) {
            break;
        }
        length += got;
        if (length > BLOCK_MAX_INPUT) {
            return Outcome::codec(ENCODE_FAILED, CodecStatus::InputTooLarge);
        }
        outcome = spool.writeAll(buffer.data(), got);
    }
    return outcome.ok() ? spool.rewind() : outcome;
}

Outcome inputChanged(const File& input) {
    return Outcome::inputOutput(input.name(), "file changed size while being read");
}

}  // namespace

Outcome runEncode(const Options& options) {
    std::vector<std::uint8_t> buffer(READ_CHUNK);
    File input;
    Outcome outcome = openInput(options.input, input);
    if (!outcome.ok()) {
        return outcome;
    }
    std::uint64_t length = 0;
    File spool;
    File* source = &input;
    if (!input.remainingRegularBytes(length)) {
        outcome = spoolInput(input, spool, buffer, length);
        if (!outcome.ok()) {
            return outcome;
        }
        source = &spool;
    }
    if (length > BLOCK_MAX_INPUT) {
        return Outcome::codec(ENCODE_FAILED, CodecStatus::InputTooLarge);
    }

    OutputTarget target;
    outcome = target.open(options.output);
    if (!outcome.ok()) {
        return outcome;
    }
    SymbolTextEncoder encoder(length);
    SymbolTextRenderer renderer(options.charset != Charset::Cp936, options.wrapColumns);
    AnsiText symbols;
    std::string text;
    std::uint64_t consumed = 0;
    for (;;) {
        std::size_t got = 0;
        outcome = source->read(buffer.data(), buffer.size(), got);
        if (!outcome.ok()) {
            return outcome;
        }
        if (got == 0) {
            break;
        }
        consumed += got;
        if (consumed > length) {
            return inputChanged(*source);
        }
        const CodecStatus status = encoder.feed(buffer.data(), got, symbols);
        if (status != CodecStatus::Ok) {
            return Outcome::codec(ENCODE_FAILED, status);
        }
        renderer.feed(symbols.data(), symbols.size(), text);
        symbols.clear();
        outcome = writePending(target.file(), text);
        if (!outcome.ok()) {
            return outcome;
        }
    }
    if (consumed != length) {
        return inputChanged(*source);
    }
    const CodecStatus status = encoder.finish(symbols);
    if (status != CodecStatus::Ok) {
        return Outcome::codec(ENCODE_FAILED, status);
    }
    renderer.feed(symbols.data(), symbols.size(), text);
    renderer.finish(text);
    outcome = writePending(target.file(), text, true);
    return outcome.ok() ? target.commit() : outcome;
}

}  // namespace cli
