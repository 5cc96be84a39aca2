// The tool against the format: the known vectors in both charsets, the
// streaming result against the one-shot codec, every decode failure, the
// charset rule, wrapping and garbage removal.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli_runner.h"
#include "cli_texts.h"
#include "codec_status.h"
#include "compressed_block.h"
#include "symbol_codec.h"
#include "text_helpers.h"

#include <zlib.h>

namespace {

ByteArray toBytes(const std::string& text) {
    return ByteArray(text.begin(), text.end());
}

// The decimal list of `bytes` without braces, which decodes like its
// symbol text.
std::string listOf(const ByteArray& bytes) {
    const std::string list = formatByteList(bytes);
    return list.substr(1, list.size() - 2);
}

void expectSuccess(const CliResult& result, const std::string& out) {
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, out);
}

struct Vector {
    const char* name;
    std::string bytes;
    std::string utf8;
    std::string cp936;
};

const std::vector<Vector>& vectors() {
    static const std::vector<Vector> table = {
        {"empty", "", EMPTY_SYMBOLS_UTF8, EMPTY_SYMBOLS_CP936},
        {"abc", "abc", ABC_SYMBOLS_UTF8, ABC_SYMBOLS_CP936},
    };
    return table;
}

TEST(CliVectors, EncodeWritesUtf8ByDefaultAndTheDesktopBytesWithCp936) {
    for (const Vector& v : vectors()) {
        SCOPED_TRACE(v.name);
        expectSuccess(runCli({"encode"}, v.bytes), v.utf8 + "\n");
        expectSuccess(runCli({"encode", "--charset=utf-8"}, v.bytes), v.utf8 + "\n");
        expectSuccess(runCli({"encode", "--charset=cp936"}, v.bytes), v.cp936 + "\n");
    }
}

TEST(CliVectors, DecodeReadsBothCharsetsWithAndWithoutTheirName) {
    for (const Vector& v : vectors()) {
        SCOPED_TRACE(v.name);
        for (const std::string& text : {v.utf8, v.cp936, v.utf8 + "\n", v.cp936 + "\r\n"}) {
            expectSuccess(runCli({"decode"}, text), v.bytes);
            expectSuccess(runCli({"-d"}, text), v.bytes);
        }
        expectSuccess(runCli({"decode", "--charset=utf-8"}, v.utf8), v.bytes);
        expectSuccess(runCli({"decode", "--charset=cp936"}, v.cp936), v.bytes);
    }
}

TEST(CliVectors, DecodeTakesTheLooserFormsOfTheFormat) {
    const std::string list = ABC_LIST.substr(1, ABC_LIST.size() - 2);
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"decimal list", ABC_LIST},
        {"list without braces", list},
        {"trailing separator", ABC_SYMBOLS_UTF8 + "="},
        {"pieces after the stream", ABC_SYMBOLS_UTF8 + "=@#=￥"},
        {"out-of-range pieces wrap to bytes", "269,271,62,3,3,0,0,0,120,412," + list.substr(list.find("75,"))},
        {"full-width digit in a piece", "@￥=@^=&#=￥=３=！=！=！" + ABC_SYMBOLS_UTF8.substr(std::string("@￥=@^=&#=￥=￥=！=！=！").size())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSuccess(runCli({"decode"}, c.text), "abc");
    }
}

// The block a code page 936 symbol text holds, read back with the text
// helpers alone: each symbol replaced by its list character, then parsed.
ByteArray blockOfSymbols(const std::string& cp936) {
    const char* const symbols[] = {"\xA3\xA1", "@", "#", "\xA3\xA4", "%", "^", "&", "*", "-", "+"};
    std::string list = cp936;
    for (int digit = 0; digit < 10; ++digit) {
        list = replaceAll(list, symbols[digit], std::string(1, static_cast<char>('0' + digit)));
    }
    return parseByteList(replaceAll(list, "=", ","));
}

// The header and zlib's one-shot compress of `input`.
ByteArray oneShotBlock(const std::string& input) {
    ByteArray block = {13, 15, 62, 3};
    for (int shift = 0; shift < 32; shift += 8) {
        block.push_back(static_cast<std::uint8_t>(input.size() >> shift));
    }
    uLongf size = compressBound(static_cast<uLong>(input.size()));
    ByteArray stream(size);
    EXPECT_EQ(compress(stream.data(), &size, reinterpret_cast<const Bytef*>(input.data()), input.size()), Z_OK);
    block.insert(block.end(), stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(size));
    return block;
}

// Large enough for many read chunks, decoder feeds and output writes.
TEST(CliStreaming, ChunkedEncodeEqualsTheOneShotCodecAndDecodesBack) {
    const std::string input = corpusBytes(3 * 1024 * 1024 + 17);
    const EncodeResult oneShot = encodeSymbolTextChecked(toBytes(input));
    ASSERT_EQ(oneShot.status, CodecStatus::Ok);

    const CliResult cp936 = runCli({"encode", "--charset=cp936"}, input);
    ASSERT_EQ(cp936.exitStatus, 0) << cp936.err;
    EXPECT_TRUE(cp936.out == oneShot.text + "\n") << "the streamed text differs from the one-shot text";
    EXPECT_TRUE(blockOfSymbols(cp936.out) == oneShotBlock(input)) << "the stream differs from zlib's compress";
    const CliResult utf8 = runCli({"encode"}, input);
    ASSERT_EQ(utf8.exitStatus, 0) << utf8.err;
    EXPECT_TRUE(utf8.out == symbolsAsUtf8(oneShot.text) + "\n");

    for (const CliResult* encoded : {&cp936, &utf8}) {
        const CliResult decoded = runCli({"decode"}, encoded->out);
        EXPECT_EQ(decoded.exitStatus, 0) << decoded.err;
        EXPECT_TRUE(decoded.out == input) << "round trip lost data";
    }
}

TEST(CliInvalidInput, EachFailureExitsOneNamingTheCodecReason) {
    const ByteArray abcBlock = compressBlock(toBytes("abc"));
    ASSERT_EQ(abcBlock.size(), 19u);
    auto changed = [&](std::size_t at, std::uint8_t value) {
        ByteArray block = abcBlock;
        block[at] = value;
        return listOf(block);
    };
    const struct {
        const char* name;
        std::string text;
        CodecStatus status;
    } cases[] = {
        {"empty text", "", CodecStatus::NotABlock},
        {"seven bytes", "13,15,62,3,3,0,0", CodecStatus::NotABlock},
        {"wrong magic", changed(0, 14), CodecStatus::WrongMagic},
        {"bad zlib header", changed(9, 157), CodecStatus::StreamDamaged},
        {"cut short", listOf(ByteArray(abcBlock.begin(), abcBlock.end() - 1)), CodecStatus::StreamCutShort},
        {"wrong check value", changed(18, 40), CodecStatus::CheckValueWrong},
        {"larger than the room", changed(4, 1), CodecStatus::LargerThanRoom},
        {"one wrong symbol", "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥@", CodecStatus::CheckValueWrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli({"decode"}, c.text);
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err, std::string("varnotel: invalid symbol text: ") + codecStatusText(c.status) + "\n");
    }
}

TEST(CliCharset, UsesTheRealCodePage936ForFullWidthForms) {
    // A decimal list typed with full-width digits and ideographic spaces:
    // the converted text folds into digits and spaces in the decoder.
    std::string fullWidthList;
    for (char c : ABC_LIST) {
        if (c >= '0' && c <= '9') {
            fullWidthList += "\xEF\xBC";
            fullWidthList += static_cast<char>(0x90 + (c - '0'));  // U+FF10..U+FF19
        } else if (c == ',') {
            fullWidthList += ",\xE3\x80\x80";  // then U+3000
        } else {
            fullWidthList += c;
        }
    }
    expectSuccess(runCli({"decode"}, fullWidthList), "abc");
}

TEST(CliCharset, ForcingTheWrongCharsetFails) {
    EXPECT_EQ(runCli({"decode", "--charset=cp936"}, ABC_SYMBOLS_UTF8).exitStatus, 1);
    EXPECT_EQ(runCli({"decode", "--charset=utf-8"}, ABC_SYMBOLS_CP936).exitStatus, 1);
}

// Columns of a UTF-8 line: "！" and "￥" (three bytes each) are two wide.
std::size_t columnsOf(const std::string& line) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool fullWidth = static_cast<unsigned char>(line[i]) >= 0x80;
        columns += fullWidth ? 2 : 1;
        i += fullWidth ? 2 : 0;
    }
    return columns;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The first number of a line with its separator; the last number has none.
std::string firstPiece(const std::string& line) {
    const std::size_t separator = line.find('=');
    return separator == std::string::npos ? line : line.substr(0, separator + 1);
}

TEST(CliWrap, BreaksAfterSeparatorsWithinTheWidthAndStillDecodes) {
    const std::string input = corpusBytes(20000, 7);
    const CliResult unwrapped = runCli({"encode"}, input);
    ASSERT_EQ(unwrapped.exitStatus, 0);
    for (std::size_t width : {1u, 5u, 6u, 7u, 13u, 76u, 1000u}) {
        SCOPED_TRACE("width " + std::to_string(width));
        const CliResult wrapped = runCli({"encode", "-w", std::to_string(width)}, input);
        ASSERT_EQ(wrapped.exitStatus, 0);
        ASSERT_EQ(wrapped.out.back(), '\n');
        const std::vector<std::string> lines = linesOf(wrapped.out);
        std::string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            joined += line;
            ASSERT_FALSE(line.empty()) << "line " << i;
            const bool singlePiece = firstPiece(line) == line;
            EXPECT_TRUE(columnsOf(line) <= width || singlePiece) << "line " << i << ": " << line;
            if (i + 1 < lines.size()) {
                EXPECT_EQ(line.back(), '=') << "line " << i;
                EXPECT_GT(columnsOf(line) + columnsOf(firstPiece(lines[i + 1])), width)
                    << "line " << i << " had room for the next number";
            }
        }
        EXPECT_TRUE(joined + "\n" == unwrapped.out);
        const CliResult decoded = runCli({"decode"}, wrapped.out);
        EXPECT_EQ(decoded.exitStatus, 0) << decoded.err;
        EXPECT_TRUE(decoded.out == input);
        const CliResult cp936 = runCli({"encode", "--charset=cp936", "--wrap=" + std::to_string(width)}, input);
        EXPECT_TRUE(runCli({"decode"}, cp936.out).out == input);
    }
}

// `garbage` put inside the number 75 ("*^", the first byte of the deflate
// data) of the symbol text of "abc".
std::string insideANumber(const std::string& text, const std::string& garbage) {
    std::string result = text;
    result.insert(result.find("*^") + 1, garbage);
    return result;
}

TEST(CliGarbage, IgnoreGarbageDropsWhatIsNotPartOfTheList) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"quote marks", "\"“" + ABC_SYMBOLS_UTF8 + "”'"},
        {"byte-order mark", "\xEF\xBB\xBF" + ABC_SYMBOLS_UTF8},
        {"no-break and zero-width spaces", insideANumber(ABC_SYMBOLS_UTF8, "\xC2\xA0\xE2\x80\x8B")},
        {"line break", insideANumber(ABC_SYMBOLS_UTF8, "\r\n")},
        {"spaces and tabs", insideANumber(ABC_SYMBOLS_UTF8, " \t ")},
        {"code page 936 quote marks", insideANumber("\xA1\xB0" + ABC_SYMBOLS_CP936 + "\xA1\xB1", "\xA1\xB1")},
        {"full-width digits survive", "｛１３,１５,６２,３,３,０,０,０,１２０,１５６,７５,７６,７４,６,０,２,７７,１,３９｝"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSuccess(runCli({"decode", "-i"}, c.text), "abc");
        expectSuccess(runCli({"--ignore-garbage", "-d"}, c.text), "abc");
    }
    // Without the option, garbage inside a number breaks the block.
    EXPECT_EQ(runCli({"decode"}, insideANumber(ABC_SYMBOLS_UTF8, "\xC2\xA0")).exitStatus, 1);
    EXPECT_EQ(runCli({"decode"}, insideANumber(ABC_SYMBOLS_UTF8, "\r\n")).exitStatus, 1);
}

}  // namespace
