// Properties over random data: round trips, the one-pass chain against the
// literal passes, the incremental forms against the one-shot functions,
// the number reader against the C library's strtod.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "byte_list_reader.h"
#include "compressed_block.h"
#include "literal_chain.h"
#include "symbol_codec.h"
#include "symbol_stream.h"
#include "text_helpers.h"

void PrintTo(CodecStatus status, std::ostream* out) {
    *out << codecStatusText(status);
}

namespace {

using Random = std::mt19937;

std::size_t below(Random& random, std::size_t limit) {
    return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
}

// Random bytes, or words with now and then a random byte: compressible
// data takes other paths through deflate than noise does.
ByteArray randomBytes(Random& random, std::size_t size, bool compressible) {
    ByteArray bytes(size);
    const char* words[] = {"symbol ", "text ", "block\n", "zlib ", "\x01\x02", "codec "};
    for (std::size_t i = 0; i < size;) {
        if (!compressible || below(random, 8) == 0) {
            bytes[i++] = static_cast<std::uint8_t>(random());
            continue;
        }
        for (const char* w = words[below(random, 6)]; *w && i < size; ++w) bytes[i++] = static_cast<std::uint8_t>(*w);
    }
    return bytes;
}

// Pieces of damaged symbol texts: symbols, list characters, braces, number
// syntax, full-width forms, two-byte characters that swallow a separator,
// lone lead bytes and zero bytes.
const char* const TOKENS[] = {
    "\xA3\xA1", "@", "#", "\xA3\xA4", "%", "^", "&", "*", "-", "+", "=", "=", "=",
    "0", "1", "5", "9", ",", "{", "}", ".", "e", "E", "d", "D", " ", "\t", "x",
    "\xA3\xB1", "\xA3\xAE", "\xA3\xAD", "\xA3\xAB", "\xA3\xE5", "\xA3\xC4", "\xA1\xA1",
    "\xA3\xAC", "\xA3\xBD", "\xA3\xFB", "\xB0\x40", "\xB0\x3D", "\xB0\x2C", "\xB0", "\xA3",
};

AnsiText randomDamagedText(Random& random) {
    AnsiText text;
    std::size_t tokens = below(random, 40);
    for (std::size_t i = 0; i < tokens; ++i) text += TOKENS[below(random, std::size(TOKENS))];
    if (below(random, 20) == 0) text += std::string(1, '\0') + TOKENS[below(random, std::size(TOKENS))];
    return text;
}

// A valid symbol text with a few bytes deleted, replaced or inserted.
AnsiText mutatedSymbolText(Random& random) {
    AnsiText text = encodeSymbolText(randomBytes(random, below(random, 200), true));
    std::size_t mutations = 1 + below(random, 3);
    for (std::size_t i = 0; i < mutations && !text.empty(); ++i) {
        std::size_t at = below(random, text.size());
        switch (below(random, 3)) {
        case 0: text.erase(at, 1); break;
        case 1: text[at] = TOKENS[below(random, std::size(TOKENS))][0]; break;
        default: text.insert(at, TOKENS[below(random, std::size(TOKENS))]); break;
        }
    }
    return text;
}

// Runs of the eleven symbols only, with pieces of every length from empty
// to past what a plain integer holds, now and then a damaged token.
AnsiText symbolRunText(Random& random) {
    const char* const digits[] = {"\xA3\xA1", "@", "#", "\xA3\xA4", "%", "^", "&", "*", "-", "+"};
    AnsiText text;
    std::size_t pieces = below(random, 60);
    for (std::size_t i = 0; i < pieces; ++i) {
        std::size_t length = below(random, 4) == 0 ? below(random, 22) : 1 + below(random, 3);
        for (std::size_t j = 0; j < length; ++j) text += digits[below(random, std::size(digits))];
        if (below(random, 30) == 0) text += TOKENS[below(random, std::size(TOKENS))];
        text += "=";
    }
    return text;
}

ByteArray zlibCompress(const ByteArray& bytes) {
    uLongf size = compressBound(bytes.size());
    ByteArray stream(size);
    EXPECT_EQ(compress(stream.data(), &size, bytes.data(), bytes.size()), Z_OK);
    stream.resize(size);
    return stream;
}

// Chunk sizes: all ones, or random up to `largest`.
std::vector<std::size_t> chunkSizes(Random& random, std::size_t total, std::size_t largest) {
    std::vector<std::size_t> sizes;
    bool ones = below(random, 3) == 0;
    for (std::size_t left = total; left > 0;) {
        std::size_t size = ones ? 1 : std::min(left, 1 + below(random, largest));
        sizes.push_back(size);
        left -= size;
    }
    return sizes;
}

DecodeResult decodeInChunks(const AnsiText& text, const std::vector<std::size_t>& sizes) {
    SymbolTextDecoder decoder;
    ByteArray bytes;
    std::size_t at = 0;
    for (std::size_t size : sizes) {
        decoder.feed(text.data() + at, size, bytes);
        at += size;
    }
    CodecStatus status = decoder.finish(bytes);
    if (status != CodecStatus::Ok) bytes.clear();
    return {status, bytes};
}

TEST(CodecRoundTrip, SizesAroundEveryBoundary) {
    Random random(1);
    const std::size_t sizes[] = {0,     1,     2,     4095,  4096,  4097,    16383,        16384,
                                 16385, 65535, 65536, 65537, 65536 * 16 + 1, (1u << 20) + 3, 5u << 20};
    for (std::size_t size : sizes) {
        for (bool compressible : {false, true}) {
            SCOPED_TRACE("size " + std::to_string(size) + (compressible ? " words" : " noise"));
            ByteArray bytes = randomBytes(random, size, compressible);
            ByteArray block = compressBlock(bytes);
            // The block is the header and exactly zlib's one-shot stream.
            ByteArray expected = {13, 15, 62, 3, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
            if (size > 0) {
                ByteArray stream = zlibCompress(bytes);
                expected.insert(expected.end(), stream.begin(), stream.end());
            }
            ASSERT_EQ(block, expected);
            AnsiText text = encodeSymbolText(bytes);
            DecodeResult decoded = decodeSymbolTextChecked(text);
            ASSERT_EQ(decoded.status, CodecStatus::Ok);
            ASSERT_EQ(decoded.bytes, bytes);
            ASSERT_EQ(decompressBlock(block), bytes);
        }
    }
}

TEST(CodecRoundTrip, OnePassEncodeEqualsTheLiteralPasses) {
    Random random(2);
    for (std::size_t size : {0u, 1u, 3u, 1000u, 70000u}) {
        ByteArray bytes = randomBytes(random, size, true);
        EXPECT_EQ(encodeSymbolText(bytes), literalSymbolText(compressBlock(bytes)));
    }
}

TEST(OnePassChain, SymbolTextsParseLikeTheLiteralPasses) {
    Random random(3);
    for (int round = 0; round < 20000; ++round) {
        AnsiText text = round % 2 ? randomDamagedText(random) : mutatedSymbolText(random);
        ByteListReader reader(ByteListReader::Mode::SymbolText);
        ByteArray block;
        reader.read(text.data(), text.size(), block);
        reader.finish(block);
        ByteArray expected = literalSymbolTextBlock(text);
        ASSERT_EQ(block, expected) << "text: " << text;
        // And so decode gives the block's result.
        BlockResult literal = decompressBlockChecked(expected);
        DecodeResult decoded = decodeSymbolTextChecked(text);
        ASSERT_EQ(decoded.status, literal.status) << "text: " << text;
        ASSERT_EQ(decoded.bytes, literal.bytes) << "text: " << text;
    }
}

TEST(OnePassChain, SymbolRunsParseLikeTheLiteralPassesInAnyChunks) {
    Random random(8);
    for (int round = 0; round < 20000; ++round) {
        AnsiText text = symbolRunText(random);
        ByteListReader reader(ByteListReader::Mode::SymbolText);
        ByteArray block;
        std::size_t at = 0;
        for (std::size_t size : chunkSizes(random, text.size(), 120)) {
            reader.read(text.data() + at, size, block);
            at += size;
        }
        reader.finish(block);
        ASSERT_EQ(block, literalSymbolTextBlock(text)) << "text: " << text;
    }
}

TEST(OnePassChain, DecimalListsParseLikeTheLiteralPasses) {
    Random random(4);
    for (int round = 0; round < 20000; ++round) {
        AnsiText text = randomDamagedText(random);
        ASSERT_EQ(parseByteList(text), literalParseByteList(text)) << "text: " << text;
    }
}

TEST(IncrementalForms, DecoderInChunksEqualsOneShot) {
    Random random(5);
    for (int round = 0; round < 3000; ++round) {
        AnsiText text = round % 3 == 0 ? randomDamagedText(random) : mutatedSymbolText(random);
        if (round % 3 == 1) text = encodeSymbolText(randomBytes(random, below(random, 3000), round % 2 == 0));
        DecodeResult whole = decodeSymbolTextChecked(text);
        DecodeResult chunked = decodeInChunks(text, chunkSizes(random, text.size(), 64));
        ASSERT_EQ(chunked.status, whole.status) << "text: " << text;
        ASSERT_EQ(chunked.bytes, whole.bytes) << "text: " << text;
    }
}

TEST(IncrementalForms, LargeTextInRandomChunksEqualsOneShot) {
    Random random(6);
    ByteArray bytes = randomBytes(random, 3u << 20, true);
    AnsiText text = encodeSymbolText(bytes);
    DecodeResult chunked = decodeInChunks(text, chunkSizes(random, text.size(), 200000));
    ASSERT_EQ(chunked.status, CodecStatus::Ok);
    EXPECT_EQ(chunked.bytes, bytes);
}

TEST(IncrementalForms, EncoderInChunksEqualsOneShot) {
    Random random(7);
    for (std::size_t size : {0u, 1u, 100u, 5000u, 70000u, 1u << 21}) {
        ByteArray bytes = randomBytes(random, size, size % 2 == 0);
        std::vector<std::size_t> sizes = chunkSizes(random, size, size / 3 + 1);
        if (size > 100000) sizes = chunkSizes(random, size, 300000);  // no one-byte run over megabytes
        SymbolTextEncoder encoder(size);
        AnsiText text;
        std::size_t at = 0;
        for (std::size_t chunk : sizes) {
            ASSERT_EQ(encoder.feed(bytes.data() + at, chunk, text), CodecStatus::Ok);
            at += chunk;
        }
        ASSERT_EQ(encoder.finish(text), CodecStatus::Ok);
        EXPECT_EQ(text, encodeSymbolText(bytes)) << "size " << size;
    }
}

TEST(BlockRoom, AHugeClaimIsNotReserved) {
    // 60-odd characters claiming just under 1 GiB (a room of 2 GiB - 2):
    // the output grows with what the stream holds.
    AnsiText claim = "13,15,62,3,255,255,255,63,120,156,75,76,74,6,0,2,77,1,39";
    DecodeResult decoded = decodeSymbolTextChecked(claim);
    ASSERT_EQ(decoded.status, CodecStatus::Ok);
    EXPECT_EQ(decoded.bytes, (ByteArray{'a', 'b', 'c'}));
    EXPECT_LT(decoded.bytes.capacity(), 1u << 20);
    BlockResult block = decompressBlockChecked(parseByteList(claim));
    ASSERT_EQ(block.status, CodecStatus::Ok);
    EXPECT_LT(block.bytes.capacity(), 1u << 20);
    SymbolTextDecoder decoder;
    ByteArray streamed;
    decoder.feed(claim.data(), claim.size(), streamed);
    ASSERT_EQ(decoder.finish(streamed), CodecStatus::Ok);
    EXPECT_LT(streamed.capacity(), 1u << 20);

    // A stream cut short after the same claim fails as quickly.
    EXPECT_EQ(decodeSymbolTextChecked("13,15,62,3,255,255,255,63,120,156,75,76").status, CodecStatus::StreamCutShort);
}

TEST(BlockRoom, OutputFillingTheRoomExactlyFits) {
    Random random(8);
    ByteArray bytes = randomBytes(random, 10000, true);
    ByteArray block = compressBlock(bytes);
    for (std::uint32_t stored : {4999u, 5000u, 5001u}) {
        for (int i = 0; i < 4; ++i) block[4 + i] = static_cast<std::uint8_t>(stored >> (8 * i));
        BlockResult result = decompressBlockChecked(block);
        EXPECT_EQ(result.status, stored < 5000 ? CodecStatus::LargerThanRoom : CodecStatus::Ok) << stored;
    }
}

// The C library's strtod reads the same syntax once d/D become e/E, and
// rounds correctly: a reference for the number reader.
TEST(NumberReader, AgreesWithStrtod) {
    Random random(9);
    const char alphabet[] = "0123456789000000.+- eEdD/";  // no x, p, i, n: no hex, inf or nan
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        std::size_t length = below(random, round % 100 == 0 ? 2000 : 30);
        for (std::size_t i = 0; i < length; ++i) {
            // Mostly digits, so long mantissas and exponents are common.
            text += below(random, 3) ? alphabet[below(random, 16)] : alphabet[below(random, sizeof alphabet - 1)];
        }
        std::string reference = text;
        std::replace(reference.begin(), reference.end(), 'd', 'e');
        std::replace(reference.begin(), reference.end(), 'D', 'E');
        double expected = std::strtod(reference.c_str(), nullptr);
        ASSERT_EQ(textToNumber(text), expected) << "text: " << text;
    }
}

}  // namespace
