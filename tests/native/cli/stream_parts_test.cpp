// The streaming steps of the tool fed in pieces: every split of the input
// must give what the whole input gives, and the whole input the right text.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>

#include "charset.h"
#include "cli_constants.h"
#include "decode_charset.h"
#include "garbage_filter.h"
#include "symbol_text_renderer.h"

namespace {

// Runs a fresh step (made by `make`) over `input` cut into pieces of
// `pieceSize` bytes.
template <class Stage>
std::string inPieces(const std::function<std::unique_ptr<Stage>()>& make, const std::string& input,
                     std::size_t pieceSize) {
    std::unique_ptr<Stage> stage = make();
    std::string out;
    for (std::size_t pos = 0; pos < input.size(); pos += pieceSize) {
        stage->feed(input.data() + pos, std::min(pieceSize, input.size() - pos), out);
    }
    if constexpr (!std::is_same_v<Stage, cli::GarbageFilter>) {
        stage->finish(out);
    }
    return out;
}

// The whole input at once, and every piece size that cuts a character.
template <class Stage>
void expectSplitInvariant(const std::function<std::unique_ptr<Stage>()>& make, const std::string& input,
                          const std::string& expected) {
    EXPECT_EQ(inPieces(make, input, input.size() + 1), expected);
    for (std::size_t pieceSize : {1u, 2u, 3u, 5u, 7u}) {
        EXPECT_EQ(inPieces(make, input, pieceSize), expected) << "pieces of " << pieceSize;
    }
}

std::unique_ptr<cli::Utf8ToCp936> openConverter() {
    auto converter = std::make_unique<cli::Utf8ToCp936>();
    EXPECT_TRUE(converter->open().ok());
    return converter;
}

TEST(Utf8ToCp936, MapsThroughCodePage936AndMarksWhatItCannotHold) {
    const struct {
        const char* name;
        std::string utf8;
        std::string cp936;
    } cases[] = {
        {"ASCII", "12,{34}", "12,{34}"},
        {"symbols", "！@￥=", "\xA3\xA1@\xA3\xA4="},
        {"full-width digits and ideographic space", "１２\xE3\x80\x80９", "\xA3\xB1\xA3\xB2\xA1\xA1\xA3\xB9"},
        {"Chinese", "真的", "\xD5\xE6\xB5\xC4"},
        {"not in code page 936", "1\xC2\xA0" "2\xE2\x80\x8B" "3\xF0\x9F\x98\x80", "1?2?3?"},
        {"malformed", "1\xC0\xAF" "2\xED\xA0\x80" "3\xE2\x82" "A", "1??2???3??A"},
        {"cut at the very end", "12\xEF\xBC", "12?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSplitInvariant<cli::Utf8ToCp936>(openConverter, c.utf8, c.cp936);
    }
}

TEST(Utf8Validity, CutCharacterCountsOnlyWhenTheTextGoesOn) {
    EXPECT_TRUE(cli::isWellFormedUtf8("a\xEF\xBC\x81", 4, false));
    EXPECT_TRUE(cli::isWellFormedUtf8("a\xEF\xBC", 3, true));
    EXPECT_FALSE(cli::isWellFormedUtf8("a\xEF\xBC", 3, false));
    EXPECT_FALSE(cli::isWellFormedUtf8("a\xA3\xA1", 3, true));
}

std::function<std::unique_ptr<cli::DecodeCharset>()> charsetStep(cli::Charset charset) {
    return [charset] {
        auto step = std::make_unique<cli::DecodeCharset>(charset);
        EXPECT_TRUE(step->open().ok());
        return step;
    };
}

TEST(DecodeCharset, AutomaticRuleDecidesOnTheTextFromItsFirstNonAsciiByte) {
    const std::size_t window = cli::CHARSET_DETECT_WINDOW;
    const std::string longAscii(window + 10, '1');
    const std::string longUtf8 = [&] {
        std::string text;
        while (text.size() < window) {
            text += "！=";
        }
        return text;
    }();
    const struct {
        const char* name;
        std::string input;
        std::string expected;
    } cases[] = {
        {"ASCII passes", "13,15", "13,15"},
        {"UTF-8 is converted", "@￥=！", "@\xA3\xA4=\xA3\xA1"},
        {"code page 936 passes", "@\xA3\xA4=\xA3\xA1", "@\xA3\xA4=\xA3\xA1"},
        {"a long ASCII start does not decide", longAscii + "！", longAscii + "\xA3\xA1"},
        {"cut UTF-8 at the very end is code page 936", "12\xEF\xBC", "12\xEF\xBC"},
        // After a window of good UTF-8 the text stays UTF-8: a bad byte
        // beyond it is marked, not a reason to read it all again.
        {"beyond the window", longUtf8 + "\xA3\xA1", [&] {
             std::string cp936;
             for (std::size_t i = 0; i < longUtf8.size(); i += 4) {
                 cp936 += "\xA3\xA1=";
             }
             return cp936 + "??";
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inPieces<cli::DecodeCharset>(charsetStep(cli::Charset::Automatic), c.input, 4096), c.expected);
        EXPECT_EQ(inPieces<cli::DecodeCharset>(charsetStep(cli::Charset::Automatic), c.input, 7), c.expected);
    }
    expectSplitInvariant<cli::DecodeCharset>(charsetStep(cli::Charset::Automatic), "12\xEF\xBC\x81", "12\xA3\xA1");
}

TEST(DecodeCharset, NamedCharsetIsTakenAsGiven) {
    EXPECT_EQ(inPieces<cli::DecodeCharset>(charsetStep(cli::Charset::Cp936), "￥", 1), "￥");
    EXPECT_EQ(inPieces<cli::DecodeCharset>(charsetStep(cli::Charset::Utf8), "@\xA3\xA4", 1), "@??");
}

TEST(GarbageFilter, KeepsSymbolsDigitsCommasAndBraces) {
    const std::string kept = "{0123456789,}@#%^&*-+=\xA3\xA1\xA3\xA4\xA3\xB0\xA3\xB9";
    const std::string dropped = " \t\r\n\"'?abc.e\xA1\xB0\xA1\xA1\xA3\xAC\xA3\xC0\xB0\x40\xD5\xE6";
    expectSplitInvariant<cli::GarbageFilter>([] { return std::make_unique<cli::GarbageFilter>(); },
                                             dropped + kept + dropped + kept, kept + kept);
}

std::function<std::unique_ptr<cli::SymbolTextRenderer>()> renderer(bool utf8, std::uint64_t wrap) {
    return [=] { return std::make_unique<cli::SymbolTextRenderer>(utf8, wrap); };
}

TEST(SymbolTextRenderer, WritesTheCharsetAndWrapsBetweenNumbers) {
    const std::string text = "@\xA3\xA4=@^=\xA3\xA1=#^^";  // 13, 15, 0, 255
    const struct {
        const char* name;
        bool utf8;
        std::uint64_t wrap;
        std::string expected;
    } cases[] = {
        {"code page 936", false, 0, text + "\n"},
        {"UTF-8", true, 0, "@￥=@^=！=#^^\n"},
        {"width 7", true, 7, "@￥=@^=\n！=#^^\n"},
        {"width 3", false, 3, "@\xA3\xA4=\n@^=\n\xA3\xA1=\n#^^\n"},
        {"width 1", true, 1, "@￥=\n@^=\n！=\n#^^\n"},
        {"wide enough", true, 100, "@￥=@^=！=#^^\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectSplitInvariant<cli::SymbolTextRenderer>(renderer(c.utf8, c.wrap), text, c.expected);
    }
}

}  // namespace
