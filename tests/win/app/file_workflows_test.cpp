// The file half with the message boxes and the save dialog scripted: the
// messages in order with their flags and titles, the wait notice at each of
// them, the edit boxes and the files written.
#include "app_fixture.h"

#include "file_io.h"
#include "file_workflows.h"
#include "platform_dialogs.h"

namespace {

constexpr char EMPTY_SYMBOLS[] = "@￥=@^=&#=￥=！=！=！=！";
constexpr char ABC_SYMBOLS[] = "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+";

constexpr char CONFIRM[] = "真的要加密";
constexpr char PLEASE_WAIT[] = "好吧，按下确认后，你必须等一下，别乱动哈！";
constexpr char ENCRYPT_DONE[] = "呼呼，累死我也，终于加密好了！";
constexpr char DECRYPT_DONE[] = "呼呼，累死我也，终于解密好了！";
constexpr char ENCRYPTING[] = "等一下，正在加密……";
constexpr char DECRYPTING[] = "等一下，正在解密……";
constexpr char NOT_READABLE[] = "这个文件读不了，没法加密哈！";
constexpr char NOT_WRITABLE[] = "目标文件写不进去哈！那里原有的文件我没动。";

// A message as the user sees it, with the notice behind it.
struct Seen {
    std::string text;
    UINT flags;
    std::string title;
    bool noticeVisible;
};

void expectMessages(const std::vector<Seen>& expected) {
    ASSERT_EQ(script.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("message " + std::to_string(i));
        EXPECT_EQ(script.messages[i].text, expected[i].text);
        EXPECT_EQ(script.messages[i].flags, expected[i].flags);
        EXPECT_EQ(script.messages[i].title, expected[i].title);
        EXPECT_EQ(script.messages[i].owner, nullptr);
        EXPECT_EQ(script.messages[i].noticeVisible, expected[i].noticeVisible);
    }
}

class FileWorkflowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        SetWindowTextA(controlWindow(Control::标签9), "");
    }

    // Drops the text, answers Yes, and expects the three messages of an
    // encryption whose last one is `outcome`.
    void dropAndConfirm(const std::string& dropped, const Seen& outcome) {
        script.answers = {IDYES};
        fileDropped(dropped);
        expectMessages({{CONFIRM + dropped, ASK, "询问", false}, {PLEASE_WAIT, INFO, "信息：", false}, outcome});
        EXPECT_FALSE(visible(Control::标签9));
    }

    TempFolder folder;
};

TEST_F(FileWorkflowTest, DropAnsweredNoChangesNothing) {
    const std::string file = folder.write("a.txt", "abc");
    setText(Control::编辑框3, "keep me");
    script.answers = {IDNO};
    fileDropped(file);
    expectMessages({{CONFIRM + file, ASK, "询问", false}, {"那算了哈，什么时候需要了再找我", INFO, "信息：", false}});
    EXPECT_EQ(textOf(Control::编辑框3), "keep me");
    EXPECT_EQ(textOf(Control::标签9), "");
}

TEST_F(FileWorkflowTest, DropAnsweredYesEncodesTheFileBehindTheNotice) {
    const struct {
        const char* content;
        const char* symbols;
    } cases[] = {{"abc", ABC_SYMBOLS}, {"", EMPTY_SYMBOLS}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        script = Script{};
        const std::string file = folder.write("in.bin", c.content);
        PendingEventProbe probe;
        dropAndConfirm(file, {ENCRYPT_DONE, INFO, "信息：", false});
        EXPECT_EQ(textOf(Control::编辑框3), c.symbols);
        // The notice was up when the encoding dispatched the queue, and its
        // text stays set while hidden.
        EXPECT_TRUE(probe.noticeVisible());
        EXPECT_EQ(probe.noticeText(), ENCRYPTING);
        EXPECT_EQ(textOf(Control::标签9), ENCRYPTING);
    }
}

TEST_F(FileWorkflowTest, DropThatCannotBeReadSaysWhyAndKeepsTheBox) {
    const std::string locked = folder.write("locked.txt", "abc");
    const HANDLE lock = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    // One byte more than the block's length field may hold; sparse, so
    // nothing is really written.
    const std::string huge = folder.path("huge.bin");
    const HANDLE hugeFile = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = 0x40000000;
    ASSERT_TRUE(SetFilePointerEx(hugeFile, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(hugeFile));
    CloseHandle(hugeFile);

    const std::string subfolder = folder.path("dir");
    CreateDirectoryA(subfolder.c_str(), nullptr);
    const std::string first = folder.write("one.txt", "1");
    const std::string second = folder.write("two.txt", "2");
    const struct {
        const char* name;
        std::string dropped;
        std::string reason;
    } cases[] = {
        {"several items", first + "\r\n" + second + "\r\n", "一次只能拖一个文件进来加密。"},
        {"folder", subfolder, "拖进来的是个文件夹，不是文件。"},
        {"missing file", folder.path("missing.txt"), systemErrorText(ERROR_FILE_NOT_FOUND)},
        {"locked file", locked, systemErrorText(ERROR_SHARING_VIOLATION)},
        {"too large", huge, "内容太大了，符号文本最多只能装 1073741823 个字节。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        script = Script{};
        setText(Control::编辑框3, "keep me");
        dropAndConfirm(c.dropped, {NOT_READABLE + ("\r\n" + c.dropped) + "\r\n原因：" + c.reason, WARN, "信息：", false});
        EXPECT_EQ(textOf(Control::编辑框3), "keep me");
    }
    CloseHandle(lock);
}

TEST_F(FileWorkflowTest, DecryptionWithoutTargetPathStopsAtOnce) {
    setText(Control::编辑框3, ABC_SYMBOLS);
    decryptFileClicked();
    expectMessages({{"您还没填解密目标路径呢！", INFO, "信息：", false}});
    EXPECT_EQ(textOf(Control::标签9), "");
}

TEST_F(FileWorkflowTest, DroppedFileComesBackByteForByteBehindTheNotice) {
    const std::string content("\0\1\2zero bytes\0inside\xFF\xFE\r\n", 25);
    const std::string source = folder.write("source.bin", content);
    script.answers = {IDYES};
    fileDropped(source);
    ASSERT_EQ(textOf(Control::标签9), ENCRYPTING);

    const std::string existing = folder.write("existing.bin", "old content, longer than the new");
    for (const std::string& target : {folder.path("new.bin"), existing}) {
        SCOPED_TRACE(target);
        script = Script{};
        setText(Control::编辑框4, target);
        PendingEventProbe probe;
        decryptFileClicked();
        expectMessages({{DECRYPT_DONE, INFO, "信息：", true}});
        EXPECT_EQ(textOf(Control::标签9), DECRYPTING);
        EXPECT_FALSE(visible(Control::标签9));
        EXPECT_TRUE(probe.noticeVisible());
        EXPECT_EQ(probe.noticeText(), DECRYPTING);
        EXPECT_EQ(readFile(target), content);
    }
    // Only the files of the test: no temporary file is left behind.
    EXPECT_EQ(folder.names().size(), 3u);
}

TEST_F(FileWorkflowTest, TextThatDoesNotDecodeLeavesTheTargetAlone) {
    const std::string existing = folder.write("existing.bin", "precious");
    for (const char* text : {"hello", "", "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&"}) {
        for (const std::string& target : {folder.path("new.bin"), existing}) {
            SCOPED_TRACE(std::string(text) + " -> " + target);
            script = Script{};
            setText(Control::编辑框3, text);
            setText(Control::编辑框4, target);
            decryptFileClicked();
            expectMessages({{"解不出来哈，目标文件我没动。\r\n原因：这段符号文本坏了或者不完整。", WARN, "信息：", true}});
            EXPECT_FALSE(visible(Control::标签9));
        }
    }
    EXPECT_EQ(readFile(existing), "precious");
    EXPECT_FALSE(readFile(folder.path("new.bin")));
    EXPECT_EQ(folder.names().size(), 1u);
}

TEST_F(FileWorkflowTest, TargetThatCannotBeWrittenSaysWhyAndKeepsTheOldFile) {
    const std::string busy = folder.write("busy.bin", "precious");
    const HANDLE lock = CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const std::string subfolder = folder.path("sub");
    CreateDirectoryA(subfolder.c_str(), nullptr);

    const struct {
        const char* name;
        std::string target;
    } cases[] = {
        {"missing folder", folder.path("missing\\out.bin")},
        {"file in use", busy},
        {"a folder", subfolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        script = Script{};
        setText(Control::编辑框3, ABC_SYMBOLS);
        setText(Control::编辑框4, c.target);
        decryptFileClicked();
        ASSERT_EQ(script.messages.size(), 1u);
        const ShownMessage& shown = script.messages[0];
        const std::string start = NOT_WRITABLE + ("\r\n" + c.target) + "\r\n原因：";
        EXPECT_EQ(shown.text.substr(0, start.size()), start);
        EXPECT_GT(shown.text.size(), start.size()) << "the system's reason";
        EXPECT_EQ(shown.flags, WARN);
        EXPECT_TRUE(shown.noticeVisible);
    }
    CloseHandle(lock);
    EXPECT_EQ(readFile(busy), "precious");
    // No temporary file is left behind.
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST_F(FileWorkflowTest, BrowseFillsTheTargetOnlyWhenConfirmedAndRemembersIt) {
    const std::string chosen = folder.write("chosen.bin", "");
    setText(Control::编辑框4, "typed path");
    script.dialogAnswers = {std::nullopt, chosen, std::nullopt, folder.path("other.bin")};

    browseClicked();
    EXPECT_EQ(textOf(Control::编辑框4), "typed path");
    browseClicked();
    EXPECT_EQ(textOf(Control::编辑框4), chosen);
    browseClicked();
    EXPECT_EQ(textOf(Control::编辑框4), chosen);
    browseClicked();
    EXPECT_EQ(textOf(Control::编辑框4), folder.path("other.bin"));

    ASSERT_EQ(script.dialogs.size(), 4u);
    const std::string prefilled[] = {"", "", chosen, chosen};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const DialogUse& use = script.dialogs[i];
        EXPECT_EQ(use.title, "请选择解密的目标文件路径：");
        EXPECT_EQ(use.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                                                OFN_FILEMUSTEXIST));
        EXPECT_EQ(use.prefilledPath, prefilled[i]);
        EXPECT_FALSE(use.hasFilter);
        EXPECT_FALSE(use.hasDefaultExtension);
        EXPECT_FALSE(use.hasInitialDirectory);
        EXPECT_EQ(use.owner, mainWindow());
    }
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(FileWorkflowTest, ShowMessageIsTaskModalUnlessSystemModal) {
    const struct {
        UINT flags;
        const char* title;
        UINT shownFlags;
        const char* shownTitle;
    } cases[] = {
        {64, nullptr, 64 | MB_TASKMODAL, "信息："},
        {36, "询问", 36 | MB_TASKMODAL, "询问"},
        {64 | MB_SYSTEMMODAL, nullptr, 64 | MB_SYSTEMMODAL, "信息："},
    };
    for (const auto& c : cases) {
        script = Script{};
        script.answers = {IDYES};
        EXPECT_EQ(showMessage("文本", c.flags, c.title), IDYES);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].flags, c.shownFlags);
        EXPECT_EQ(script.messages[0].title, c.shownTitle);
        EXPECT_EQ(script.messages[0].owner, nullptr);
    }
}

}  // namespace
