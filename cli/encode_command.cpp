// Encode: input of known length -> SymbolTextEncoder (zlib and the symbols)
// on this thread; charset, wrapping and writing on a second one.
#include <vector>

#include "chunk_queue.h"
#include "commands.h"
#include "compressed_block.h"
#include "file_io.h"
#include "pending_output.h"
#include "symbol_stream.h"
#include "symbol_text_renderer.h"

namespace cli {
namespace {

const char* const ENCODE_FAILED = "cannot encode";

using SymbolQueue = ChunkQueue<AnsiText>;

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

// Reads exactly `length` bytes and sends their symbol text, the stream's
// end included.
Outcome encodeInput(File& source, std::uint64_t length, std::vector<std::uint8_t>& buffer, SymbolQueue& queue) {
    SymbolTextEncoder encoder(length);
    std::uint64_t consumed = 0;
    AnsiText symbols;
    for (;;) {
        std::size_t got = 0;
        Outcome outcome = source.read(buffer.data(), buffer.size(), got);
        if (!outcome.ok()) {
            return outcome;
        }
        consumed += got;
        if (consumed > length || (got == 0 && consumed != length)) {
            return inputChanged(source);
        }
        if (!queue.acquire(symbols)) {
            return Outcome::success();  // the writer failed and says why
        }
        const CodecStatus status =
            got == 0 ? encoder.finish(symbols) : encoder.feed(buffer.data(), got, symbols);
        if (status != CodecStatus::Ok) {
            return Outcome::codec(ENCODE_FAILED, status);
        }
        queue.send(std::move(symbols));
        if (got == 0) {
            return Outcome::success();
        }
    }
}

Outcome writeSymbols(SymbolQueue& queue, SymbolTextRenderer& renderer, File& output) {
    std::string text;
    AnsiText symbols;
    while (queue.receive(symbols)) {
        renderer.feed(symbols.data(), symbols.size(), text);
        queue.release(std::move(symbols));
        Outcome outcome = writePending(output, text);
        if (!outcome.ok()) {
            return outcome;
        }
    }
    if (queue.cancelled()) {
        return Outcome::success();
    }
    renderer.finish(text);
    return writePending(output, text, true);
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
    SymbolTextRenderer renderer(options.charset != Charset::Cp936, options.wrapColumns);
    outcome = runTwoStages<AnsiText>(
        QUEUE_DEPTH, [&](SymbolQueue& queue) { return encodeInput(*source, length, buffer, queue); },
        [&](SymbolQueue& queue) { return writeSymbols(queue, renderer, target.file()); });
    return outcome.ok() ? target.commit() : outcome;
}

}  // namespace cli
