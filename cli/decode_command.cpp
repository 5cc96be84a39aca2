// Decode: input -> charset step -> optional garbage filter ->
// SymbolTextDecoder -> output, chunk by chunk, so the bytes come out while
// the text is still arriving.
#include <algorithm>
#include <vector>

#include "commands.h"
#include "decode_charset.h"
#include "file_io.h"
#include "garbage_filter.h"
#include "pending_output.h"
#include "symbol_stream.h"

namespace cli {
namespace {

const char* const DECODE_FAILED = "invalid symbol text";

class DecodePipeline {
public:
    DecodePipeline(const Options& options, File& output)
        : charset_(options.charset), filtering_(options.ignoreGarbage), output_(output) {}

    Outcome open() { return charset_.open(); }

    Outcome feed(const char* data, std::size_t size) {
        charset_.feed(data, size, converted_);
        return decodeConverted();
    }

    Outcome finish() {
        charset_.finish(converted_);
        Outcome outcome = decodeConverted();
        if (!outcome.ok()) {
            return outcome;
        }
        const CodecStatus status = decoder_.finish(bytes_);
        if (status != CodecStatus::Ok) {
            return Outcome::codec(DECODE_FAILED, status);
        }
        return writePending(output_, bytes_, true);
    }

private:
    // Hands the converted text to the decoder in DECODE_FEED_CHUNK pieces,
    // writing what each piece yields before the next: however well the
    // data compressed, the bytes held at once stay bounded.
    Outcome decodeConverted() {
        const std::string* text = &converted_;
        if (filtering_) {
            filter_.feed(converted_.data(), converted_.size(), filtered_);
            converted_.clear();
            text = &filtered_;
        }
        Outcome outcome = Outcome::success();
        for (std::size_t pos = 0; pos < text->size() && outcome.ok(); pos += DECODE_FEED_CHUNK) {
            const std::size_t piece = std::min(DECODE_FEED_CHUNK, text->size() - pos);
            const CodecStatus status = decoder_.feed(text->data() + pos, piece, bytes_);
            outcome = status == CodecStatus::Ok ? writePending(output_, bytes_) : Outcome::codec(DECODE_FAILED, status);
        }
        converted_.clear();
        filtered_.clear();
        return outcome;
    }

    DecodeCharset charset_;
    bool filtering_;
    GarbageFilter filter_;
    SymbolTextDecoder decoder_;
    File& output_;
    std::string converted_;
    std::string filtered_;
    ByteArray bytes_;
};

}  // namespace

Outcome runDecode(const Options& options) {
    File input;
    Outcome outcome = openInput(options.input, input);
    if (!outcome.ok()) {
        return outcome;
    }
    OutputTarget target;
    outcome = target.open(options.output);
    if (!outcome.ok()) {
        return outcome;
    }
    DecodePipeline pipeline(options, target.file());
    outcome = pipeline.open();
    std::vector<std::uint8_t> buffer(READ_CHUNK);
    while (outcome.ok()) {
        std::size_t got = 0;
        outcome = input.read(buffer.data(), buffer.size(), got);
        if (!outcome.ok() || got == 0) {
            break;
        }
        outcome = pipeline.feed(reinterpret_cast<const char*>(buffer.data()), got);
    }
    if (outcome.ok()) {
        outcome = pipeline.finish();
    }
    return outcome.ok() ? target.commit() : outcome;
}

}  // namespace cli
