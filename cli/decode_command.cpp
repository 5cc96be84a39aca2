// Decode: input -> charset step -> optional garbage filter -> byte list
// reader on this thread; zlib's inflate and writing on a second one. The
// bytes come out while the text is still arriving.
#include <algorithm>
#include <vector>

#include "block_stream.h"
#include "byte_list_reader.h"
#include "chunk_queue.h"
#include "commands.h"
#include "decode_charset.h"
#include "file_io.h"
#include "garbage_filter.h"
#include "pending_output.h"

namespace cli {
namespace {

const char* const DECODE_FAILED = "invalid symbol text";

using BlockQueue = ChunkQueue<ByteArray>;

// Turns the input text into the bytes of the block it lists.
class TextReader {
public:
    explicit TextReader(const Options& options) : charset_(options.charset), filtering_(options.ignoreGarbage) {}

    Outcome open() { return charset_.open(); }

    Outcome run(File& input, BlockQueue& queue) {
        std::vector<std::uint8_t> buffer(READ_CHUNK);
        ByteArray block;
        for (;;) {
            std::size_t got = 0;
            Outcome outcome = input.read(buffer.data(), buffer.size(), got);
            if (!outcome.ok()) {
                return outcome;
            }
            if (!queue.acquire(block)) {
                return Outcome::success();  // the inflating side failed and says why
            }
            if (got == 0) {
                charset_.finish(converted_);
                readConverted(block);
                list_.finish(block);
                queue.send(std::move(block));
                return Outcome::success();
            }
            charset_.feed(reinterpret_cast<const char*>(buffer.data()), got, converted_);
            readConverted(block);
            queue.send(std::move(block));
        }
    }

private:
    void readConverted(ByteArray& block) {
        const std::string* text = &converted_;
        if (filtering_) {
            filter_.feed(converted_.data(), converted_.size(), filtered_);
            text = &filtered_;
        }
        list_.read(text->data(), text->size(), block);
        converted_.clear();
        filtered_.clear();
    }

    DecodeCharset charset_;
    bool filtering_;
    GarbageFilter filter_;
    ByteListReader list_{ByteListReader::Mode::SymbolText};
    std::string converted_;
    std::string filtered_;
};

// Inflates the block in INFLATE_FEED_CHUNK pieces, writing what each piece
// yields before the next: however well the data compressed, the bytes held
// at once stay bounded.
Outcome inflateBlock(BlockQueue& queue, File& output) {
    BlockInflater inflater;
    ByteArray block;
    ByteArray bytes;
    while (queue.receive(block)) {
        for (std::size_t pos = 0; pos < block.size() && inflater.wantsMore(); pos += INFLATE_FEED_CHUNK) {
            const std::size_t piece = std::min(INFLATE_FEED_CHUNK, block.size() - pos);
            const CodecStatus status = inflater.feed(block.data() + pos, piece, bytes);
            if (status != CodecStatus::Ok) {
                return Outcome::codec(DECODE_FAILED, status);
            }
            Outcome outcome = writePending(output, bytes);
            if (!outcome.ok()) {
                return outcome;
            }
        }
        queue.release(std::move(block));
    }
    if (queue.cancelled()) {
        return Outcome::success();
    }
    const CodecStatus status = inflater.finish();
    if (status != CodecStatus::Ok) {
        return Outcome::codec(DECODE_FAILED, status);
    }
    return writePending(output, bytes, true);
}

}  // namespace

Outcome runDecode(const Options& options) {
    File input;
    Outcome outcome = openInput(options.input, input);
    if (!outcome.ok()) {
        return outcome;
    }
    OutputTarget target;
    outcome = target.open(options.output);
    TextReader reader(options);
    if (outcome.ok()) {
        outcome = reader.open();
    }
    if (!outcome.ok()) {
        return outcome;
    }
    outcome = runTwoStages<ByteArray>(
        QUEUE_DEPTH, [&](BlockQueue& queue) { return reader.run(input, queue); },
        [&](BlockQueue& queue) { return inflateBlock(queue, target.file()); });
    return outcome.ok() ? target.commit() : outcome;
}

}  // namespace cli
