// The codec's fixed vectors and edge cases. Built natively and into the
// Windows build, both with code page 936 as the execution character set, so
// the literals below hold the same bytes the program sees.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "compressed_block.h"
#include "symbol_codec.h"
#include "symbol_stream.h"
#include "text_helpers.h"

// Failures name the status instead of dumping its bytes.
void PrintTo(CodecStatus status, std::ostream* out) {
    *out << codecStatusText(status);
}

namespace {

ByteArray bytesOf(const std::string& text) {
    return ByteArray(text.begin(), text.end());
}

const ByteArray ABC = bytesOf("abc");
const ByteArray ABC_BLOCK = {13, 15, 62, 3, 3, 0, 0, 0, 120, 156, 75, 76, 74, 6, 0, 2, 77, 1, 39};
const ByteArray EMPTY_BLOCK = {13, 15, 62, 3, 0, 0, 0, 0};
const char ABC_LIST[] = "{13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39}";
const char ABC_SYMBOLS[] = "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+";
const char EMPTY_SYMBOLS[] = "@￥=@^=&#=￥=！=！=！=！";

TEST(CodecVectors, TwoByteSymbolsAreCodePage936) {
    EXPECT_EQ(std::string("！"), "\xA3\xA1");
    EXPECT_EQ(std::string("￥"), "\xA3\xA4");
}

TEST(CodecVectors, EncodeGivesTheFixedBlocksAndTexts) {
    EXPECT_EQ(compressBlock({}), EMPTY_BLOCK);
    EXPECT_EQ(compressBlock(ABC), ABC_BLOCK);
    EXPECT_EQ(formatByteList(ABC_BLOCK), ABC_LIST);
    EXPECT_EQ(formatByteList({}), "{}");
    EXPECT_EQ(encodeSymbolText(ABC), ABC_SYMBOLS);
    EXPECT_EQ(encodeSymbolText({}), EMPTY_SYMBOLS);
    EncodeResult empty = encodeSymbolTextChecked({});
    EXPECT_EQ(empty.status, CodecStatus::Ok);
    EXPECT_EQ(empty.text, EMPTY_SYMBOLS);
}

struct DecodeCase {
    const char* name;
    std::string text;
    CodecStatus status;
    std::string bytes;
};

// Decimal lists decode like symbol texts, so the block's failures are
// written as lists here and checked through both entries.
const DecodeCase DECODE_CASES[] = {
    {"symbol text", ABC_SYMBOLS, CodecStatus::Ok, "abc"},
    {"decimal list", ABC_LIST, CodecStatus::Ok, "abc"},
    {"list without braces", "13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::Ok, "abc"},
    {"braces anywhere", "1{3,1}5,6}}2,3,3,0{,0,0,120,156,75,76,74,6,0,2,77,1,3{9", CodecStatus::Ok, "abc"},
    {"braces in symbols", std::string("{{") + ABC_SYMBOLS + "}", CodecStatus::Ok, "abc"},
    {"trailing separator", std::string(ABC_SYMBOLS) + "=", CodecStatus::Ok, "abc"},
    {"leading separator adds a 0 byte", std::string("=") + ABC_SYMBOLS, CodecStatus::WrongMagic, ""},
    {"doubled separator adds a 0 byte", "@￥==@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+",
     CodecStatus::WrongMagic, ""},
    {"full-width one reads as 1", "\xA3\xB1￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+",
     CodecStatus::Ok, "abc"},
    {"pieces appended", std::string(ABC_SYMBOLS) + "=@#=junk=999", CodecStatus::Ok, "abc"},
    {"out-of-range values wrap", "269,271,318,259,259,256,0,512,120,156,75,76,74,6,0,2,77,1,39",
     CodecStatus::Ok, "abc"},
    {"minus is the symbol for 8", "13,15,62,3,3,0,0,-4,120,156,75,76,74,6,0,2,77,1,39",
     CodecStatus::LargerThanRoom, ""},
    {"a zero byte ends the text", std::string(ABC_SYMBOLS) + std::string(1, '\0') + "=@#", CodecStatus::Ok, "abc"},
    {"zero byte inside the header", std::string("13,15,62,3,3") + std::string(1, '\0') + ",0,0,0", CodecStatus::NotABlock, ""},
    {"empty text", "", CodecStatus::NotABlock, ""},
    {"empty block", EMPTY_SYMBOLS, CodecStatus::Ok, ""},
    {"empty block with a stream after it", "13,15,62,3,0,0,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::Ok, ""},
    {"seven pieces", "13,15,62,3,0,0,0", CodecStatus::NotABlock, ""},
    {"seven pieces and a trailing separator", "@￥=@^=&#=￥=！=！=！=", CodecStatus::NotABlock, ""},
    // A lone lead byte at the end pairs with the closing brace of the
    // decode chain into a character that stays: an eighth piece.
    {"lone lead byte makes a last piece", "@￥=@^=&#=￥=！=！=！=\xB0", CodecStatus::Ok, ""},
    // A two-byte character swallows the separator after it: seven pieces.
    {"two-byte character swallows a separator", "@￥=@^=&#=￥=！=！=！\xB0=！", CodecStatus::NotABlock, ""},
    {"two-byte character holding a symbol byte", "@￥=@^=&#=￥=！=！=！=\xB0@", CodecStatus::Ok, ""},
    {"stored length 1", "13,15,62,3,1,0,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::LargerThanRoom, ""},
    {"stored length 2", "13,15,62,3,2,0,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::Ok, "abc"},
    {"stored length 1000", "13,15,62,3,232,3,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::Ok, "abc"},
    {"stored length 0x40000000: room 0 or less", "13,15,62,3,0,0,0,64,120,156,75,76,74,6,0,2,77,1,39",
     CodecStatus::LargerThanRoom, ""},
    {"stored length 0xFFFFFFFF: room -2", "13,15,62,3,255,255,255,255,120,156,75,76,74,6,0,2,77,1,39",
     CodecStatus::LargerThanRoom, ""},
    {"stored length 0xC0000001: room 2", "13,15,62,3,1,0,0,192,120,156,75,76,74,6,0,2,77,1,39",
     CodecStatus::LargerThanRoom, ""},
    {"magic changed", "13,15,62,4,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39", CodecStatus::WrongMagic, ""},
    {"Adler-32 changed", "13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,40", CodecStatus::CheckValueWrong, ""},
    {"cut after 18 bytes", "13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1", CodecStatus::StreamCutShort, ""},
    {"header only", "13,15,62,3,3,0,0,0", CodecStatus::StreamCutShort, ""},
    {"zlib header damaged", "13,15,62,3,3,0,0,0,121,156,75,76,74,6,0,2,77,1,39", CodecStatus::StreamDamaged, ""},
    {"deflate data damaged", "13,15,62,3,3,0,0,0,120,156,255,76,74,6,0,2,77,1,39", CodecStatus::StreamDamaged, ""},
    {"seven bytes", "13,15,62,3,3,0,0", CodecStatus::NotABlock, ""},
    {"one byte", "13", CodecStatus::NotABlock, ""},
};

TEST(CodecVectors, DecodeGivesTheBytesOrTheReason) {
    for (const DecodeCase& c : DECODE_CASES) {
        SCOPED_TRACE(c.name);
        DecodeResult decoded = decodeSymbolTextChecked(c.text);
        EXPECT_EQ(decoded.status, c.status);
        EXPECT_EQ(decoded.bytes, bytesOf(c.bytes));
        EXPECT_EQ(decodeSymbolText(c.text), bytesOf(c.bytes));
        // A plain list means the same to parseByteList and the block.
        if (c.text.find_first_not_of("0123456789,{}") != std::string::npos) continue;
        BlockResult block = decompressBlockChecked(parseByteList(c.text));
        EXPECT_EQ(block.status, c.status);
        EXPECT_EQ(block.bytes, bytesOf(c.bytes));
        EXPECT_EQ(decompressBlock(parseByteList(c.text)), bytesOf(c.bytes));
    }
}

struct ParseCase {
    std::string text;
    std::vector<int> bytes;
};

const ParseCase PARSE_CASES[] = {
    {"{255}", {255}},
    {"256", {0}},
    {"300", {44}},
    {"-1", {255}},
    {"3.99", {3}},
    {"-0.5", {0}},
    {"1e2", {100}},
    {"1E2", {100}},
    {"1d2", {100}},
    {"1D2", {100}},
    {"1.5e1,.5e1,5.,.", {15, 5, 5, 0}},
    {"1e,1e+,2e-1,1e+1", {1, 1, 0, 10}},
    {"12abc,abc, 7,\t+7,--7", {12, 0, 7, 7, 0}},
    {"", {}},
    {"{}", {}},
    {",", {0}},
    {"1,", {1}},
    {",1", {0, 1}},
    {"1,,2", {1, 0, 2}},
    {"{1}{,}2", {1, 2}},
    {"1{2}3,4", {123, 4}},
    // Full-width digits, signs, point and the ideographic space fold.
    {"\xA3\xB2\xA3\xB5\xA3\xB5,\xA3\xAD\xA3\xB1,\xA1\xA1\xA3\xB7,\xA3\xB1\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xB1",
     {255, 255, 7, 15}},
    // Only the lead byte 0xA3 folds; other two-byte characters end a number.
    {"25\xB0\x40" "5,\xA4\xB1", {25, 0}},
    {"1\xB0,2", {1}},     // the two-byte character swallows the separator
    {"1,\xB0", {1}},      // a lone lead byte at the end is dropped
    {"7,8", {7, 8}},
    {std::string("7,") + std::string(1, '\0') + ",9", {7}},
    // Out of the 64-bit range (or infinite): the most negative value, low
    // byte 0. 2^63 - 1 rounds to 2^63 first.
    {"1e400,-1e400,1e-400,9223372036854775807,-9223372036854775808", {0, 0, 0, 0, 0}},
    {"{-1.5,-255.9,-257}", {255, 1, 255}},
    {"18446744073709551871,4294967297", {0, 1}},
    // The value is rounded to a double before it is truncated.
    {"9007199254740993", {0}},  // halfway: to even, 2^53
    {"9007199254740993." + std::string(900, '0') + "1", {2}},  // just above halfway
    {"255.99999999", {255}},
    {"255." + std::string(900, '9'), {0}},
    {"0." + std::string(900, '0') + "1e905", {16}},
    {std::string(1000, '0') + "42", {42}},
};

TEST(CodecVectors, ParseByteListReadsEveryPiece) {
    for (const ParseCase& c : PARSE_CASES) {
        ByteArray expected(c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(parseByteList(c.text), expected) << "text: " << c.text.substr(0, 60);
    }
}

struct NumberCase {
    std::string text;
    double value;
};

TEST(CodecVectors, TextToNumberReadsTheLongestPrefix) {
    const double inf = std::numeric_limits<double>::infinity();
    const NumberCase cases[] = {
        {"12abc", 12},      {"", 0},          {"abc", 0},        {" -3.5", -3.5},
        {"1d2", 100},       {"1D-2", 0.01},   {".5", 0.5},       {"5.", 5},
        {".", 0},           {"+.5e1", 5},     {"1e", 1},         {"1e+x", 1},
        {"--1", 0},         {"0x10", 0},      {"inf", 0},        {"nan", 0},
        {" \t\n\v\f\r8", 8}, {"- 1", 0},      {"1e400", inf},    {"-1e400", -inf},
        {"1e-400", 0},      {"1.5e-323", 1.5e-323},
        {"\xA3\xB1\xA3\xAE\xA3\xB5", 1.5},
        {"\xA1\xA1\xA3\xAB\xA3\xB2", 2},
        {"\xA3\xA1" "1", 0},  // "！" folds to "!": no number
    };
    for (const NumberCase& c : cases) EXPECT_EQ(textToNumber(c.text), c.value) << "text: " << c.text;
}

struct ReplaceCase {
    std::string text, search, replacement, expected;
};

TEST(CodecVectors, ReplaceAllMatchesOnlyAtCharacterBoundaries) {
    const ReplaceCase cases[] = {
        {"a\xB0\x40" "b", "@", "1", "a\xB0\x40" "b"},
        {"@\xB0@@", "@", "1", "1\xB0@1"},
        {"x\xA3\xA1", "\xA3\xA1", "0", "x0"},
        {"\xB0\xA3\xA1", "\xA3\xA1", "0", "\xB0\xA3\xA1"},
        {"a\xB0", "@", "1", "a"},                // a lone lead byte is dropped...
        {"a\xB0", "\xA3\xA1", "0", "a\xB0"},     // ...unless the search is longer than what is left
        {"", "@", "1", ""},
        {"abc", "", "x", "abc"},
        {"aaa", "aa", "b", "ba"},
        {"{1}", "{", "", "1}"},
        {"Aa", "a", "b", "Ab"},
    };
    for (const ReplaceCase& c : cases)
        EXPECT_EQ(replaceAll(c.text, c.search, c.replacement), c.expected) << "text: " << c.text;
}

TEST(CodecVectors, SplitTextKeepsEmptyPiecesButNotATrailingOne) {
    using Pieces = std::vector<AnsiText>;
    EXPECT_EQ(splitText("1,2", ","), (Pieces{"1", "2"}));
    EXPECT_EQ(splitText("1,,2", ","), (Pieces{"1", "", "2"}));
    EXPECT_EQ(splitText(",1", ","), (Pieces{"", "1"}));
    EXPECT_EQ(splitText("1,", ","), (Pieces{"1"}));
    EXPECT_EQ(splitText(",", ","), (Pieces{""}));
    EXPECT_EQ(splitText("", ","), Pieces{});
    EXPECT_EQ(splitText("\xB0,1", ","), (Pieces{"\xB0,1"}));
    EXPECT_EQ(splitText("1,\xB0", ","), (Pieces{"1", "\xB0"}));
    EXPECT_EQ(splitText("a::b", "::"), (Pieces{"a", "b"}));
}

TEST(CodecVectors, BytesAndTextStopAtTheFirstZero) {
    EXPECT_EQ(bytesToText({0x61, 0x00, 0x62}), "a");
    EXPECT_EQ(bytesToText({}), "");
    EXPECT_EQ(textToBytes("a"), ByteArray{0x61});
    EXPECT_EQ(textToBytes(""), ByteArray{});
}

TEST(CodecVectors, EncoderRefusesWhatTheBlockCannotHold) {
    AnsiText out;
    SymbolTextEncoder tooLarge(BLOCK_MAX_INPUT + 1);
    EXPECT_EQ(tooLarge.feed(ABC.data(), ABC.size(), out), CodecStatus::InputTooLarge);
    EXPECT_EQ(tooLarge.finish(out), CodecStatus::InputTooLarge);
    EXPECT_EQ(out, "");

    SymbolTextEncoder largest(BLOCK_MAX_INPUT);
    EXPECT_EQ(largest.feed(ABC.data(), ABC.size(), out), CodecStatus::Ok);

    SymbolTextEncoder tooFew(3);
    out.clear();
    EXPECT_EQ(tooFew.feed(ABC.data(), 2, out), CodecStatus::Ok);
    EXPECT_EQ(tooFew.finish(out), CodecStatus::LengthMismatch);

    SymbolTextEncoder tooMany(2);
    EXPECT_EQ(tooMany.feed(ABC.data(), 3, out), CodecStatus::LengthMismatch);
    EXPECT_EQ(tooMany.feed(ABC.data(), 1, out), CodecStatus::LengthMismatch);
}

TEST(CodecVectors, IncrementalFormsGiveTheVectors) {
    SymbolTextEncoder encoder(ABC.size());
    AnsiText text;
    for (std::uint8_t b : ABC) ASSERT_EQ(encoder.feed(&b, 1, text), CodecStatus::Ok);
    ASSERT_EQ(encoder.finish(text), CodecStatus::Ok);
    EXPECT_EQ(text, ABC_SYMBOLS);

    SymbolTextDecoder decoder;
    ByteArray bytes;
    for (char c : text) ASSERT_EQ(decoder.feed(&c, 1, bytes), CodecStatus::Ok);
    ASSERT_EQ(decoder.finish(bytes), CodecStatus::Ok);
    EXPECT_EQ(bytes, ABC);
}

TEST(CodecVectors, DecoderKeepsItsFailure) {
    SymbolTextDecoder decoder;
    ByteArray bytes;
    const std::string wrongMagic = "13,15,62,4,3,0,0,0,";
    EXPECT_EQ(decoder.feed(wrongMagic.data(), wrongMagic.size(), bytes), CodecStatus::WrongMagic);
    const std::string rest = "120,156,75,76,74,6,0,2,77,1,39";
    EXPECT_EQ(decoder.feed(rest.data(), rest.size(), bytes), CodecStatus::WrongMagic);
    EXPECT_EQ(decoder.finish(bytes), CodecStatus::WrongMagic);
    EXPECT_EQ(decoder.finish(bytes), CodecStatus::WrongMagic);
}

}  // namespace
