// "↓" and "↑" on the live window: the known vectors, a Chinese round trip,
// and the two faults they report instead of hiding.
#include "app_fixture.h"

#include "symbol_codec.h"
#include "text_conversion.h"

namespace {

constexpr char EMPTY_SYMBOLS[] = "@￥=@^=&#=￥=！=！=！=！";
constexpr char ABC_SYMBOLS[] = "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+";

class TextConversionTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_EQ(GetACP(), 936u);
    }
};

TEST_F(TextConversionTest, DownArrowWritesTheSymbolText) {
    const struct {
        const char* plain;
        const char* symbols;
    } cases[] = {{"", EMPTY_SYMBOLS}, {"abc", ABC_SYMBOLS}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        setText(Control::编辑框1, c.plain);
        setText(Control::编辑框2, "old");
        PendingEventProbe probe;
        encryptTextClicked();
        EXPECT_EQ(textOf(Control::编辑框2), c.symbols);
        EXPECT_EQ(textOf(Control::编辑框1), c.plain);
        EXPECT_TRUE(probe.dispatched());
    }
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(TextConversionTest, UpArrowWritesThePlainText) {
    const struct {
        const char* symbols;
        const char* plain;
    } cases[] = {
        {EMPTY_SYMBOLS, ""},
        {ABC_SYMBOLS, "abc"},
        {"13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbols);
        setText(Control::编辑框1, "to be replaced");
        setText(Control::编辑框2, c.symbols);
        PendingEventProbe probe;
        decryptTextClicked();
        EXPECT_EQ(textOf(Control::编辑框1), c.plain);
        EXPECT_TRUE(probe.dispatched());
    }
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(TextConversionTest, ChineseTextWithLineBreaksSurvivesDownThenUp) {
    const std::string text = "第一行：加密文本\r\n第二行 mixed 文字，标点！\r\n\r\n末行￥";
    setText(Control::编辑框1, text);
    encryptTextClicked();
    setText(Control::编辑框1, "");
    decryptTextClicked();
    EXPECT_EQ(textOf(Control::编辑框1), text);
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(TextConversionTest, TextThatDoesNotDecodeKeepsThePlainTextAndSaysSo) {
    for (const char* broken : {"hello", "", "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&"}) {
        SCOPED_TRACE(broken);
        script = Script{};
        setText(Control::编辑框1, "我的原文");
        setText(Control::编辑框2, broken);
        decryptTextClicked();
        EXPECT_EQ(textOf(Control::编辑框1), "我的原文");
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].text, "解不出来哈，上面的文本我没动。\r\n原因：这段符号文本坏了或者不完整。");
        EXPECT_EQ(script.messages[0].flags, WARN);
        EXPECT_EQ(script.messages[0].title, "信息：");
        EXPECT_EQ(script.messages[0].owner, nullptr);
    }
}

TEST_F(TextConversionTest, BinaryContentShowsTheTextUpToTheZeroByteAndSaysSo) {
    setText(Control::编辑框2, encodeSymbolText({'a', 'b', 0, 'c', 'd'}));
    decryptTextClicked();
    EXPECT_EQ(textOf(Control::编辑框1), "ab");
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text,
              "解出来的内容里有零字节，是二进制数据，上面只显示到第一个零字节为止。"
              "要拿到完整的内容，请把符号文本贴到右边，用“开始解密”解成文件吧！");
    EXPECT_EQ(script.messages[0].flags, INFO);
}

}  // namespace
