#include "symbol_codec.h"

#include <new>

#include "byte_list_reader.h"
#include "compressed_block.h"
#include "byte_list_writer.h"
#include "symbol_alphabet.h"
#include "symbol_stream.h"

// The whole block first, then the text in one reservation of its exact
// size: growing a text of several times the input step by step would copy
// it and touch fresh memory twice over.
EncodeResult encodeSymbolTextChecked(const ByteArray& bytes) {
    try {
        BlockResult block = compressBlockChecked(bytes);
        if (block.status != CodecStatus::Ok) return {block.status, {}};
        ByteListWriter writer(SYMBOL_ALPHABET);
        AnsiText text;
        text.reserve(writer.measure(block.bytes.data(), block.bytes.size()));
        writer.append(block.bytes.data(), block.bytes.size(), text);
        return {CodecStatus::Ok, std::move(text)};
    } catch (const std::bad_alloc&) {
        return {CodecStatus::OutOfMemory, {}};
    }
}

DecodeResult decodeSymbolTextChecked(const AnsiText& text) {
    try {
        SymbolTextDecoder decoder;
        decoder.limitTextSize(text.size());
        ByteArray bytes;
        decoder.feed(text.data(), text.size(), bytes);
        CodecStatus status = decoder.finish(bytes);
        if (status != CodecStatus::Ok) return {status, {}};
        return {status, std::move(bytes)};
    } catch (const std::bad_alloc&) {
        return {CodecStatus::OutOfMemory, {}};
    }
}

AnsiText encodeSymbolText(const ByteArray& bytes) {
    return encodeSymbolTextChecked(bytes).text;
}

ByteArray decodeSymbolText(const AnsiText& text) {
    return decodeSymbolTextChecked(text).bytes;
}

AnsiText formatByteList(const ByteArray& bytes) {
    AnsiText list(1, LIST_OPEN);
    ByteListWriter(DECIMAL_ALPHABET).append(bytes.data(), bytes.size(), list);
    list += LIST_CLOSE;
    return list;
}

ByteArray parseByteList(const AnsiText& text) {
    ByteListReader reader(ByteListReader::Mode::DecimalList);
    ByteArray bytes;
    reader.read(text.data(), text.size(), bytes);
    reader.finish(bytes);
    return bytes;
}
