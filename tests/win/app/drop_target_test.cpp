// The drop receiver registered on 标签4, given real data objects: files
// arrive at the confirmation as one text, everything else is refused.
#include "app_fixture.h"

#include "drop_data.h"

namespace {

class DropTargetTest : public AppTest {
protected:
    // Drags the data over the receiver and drops it; returns the effects
    // the receiver answered to the enter and to the drop.
    std::pair<DWORD, DWORD> dragAndDrop(IDataObject& data) {
        IDropTarget* receiver = fileDropReceiver();
        POINTL point = {0, 0};
        DWORD entered = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(receiver->DragEnter(&data, MK_LBUTTON, point, &entered), S_OK);
        DWORD over = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(receiver->DragOver(MK_LBUTTON, point, &over), S_OK);
        EXPECT_EQ(over, entered);
        DWORD dropped = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(receiver->Drop(&data, 0, point, &dropped), S_OK);
        return {entered, dropped};
    }

    TempFolder folder;
};

TEST_F(DropTargetTest, DroppedFilesReachTheConfirmationAsOneText) {
    // The receiver reports what was dropped; it does not look at the files.
    const std::string first = folder.path("第一.txt");
    const std::string second = folder.path("second.txt");
    const std::string subfolder = folder.path("文件夹");
    const struct {
        const char* name;
        std::vector<std::string> paths;
        std::string text;
    } cases[] = {
        {"one file", {first}, first},
        {"two files", {second, first}, second + "\r\n" + first + "\r\n"},
        {"a folder", {subfolder}, subfolder},
    };
    for (const auto& c : cases) {
        for (bool wide : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (wide ? ", wide" : ", ANSI"));
            script = Script{};
            script.answers = {IDNO};
            OneFormatData data(CF_HDROP, dropFiles(c.paths, wide));
            const auto [entered, dropped] = dragAndDrop(data);
            EXPECT_EQ(entered, static_cast<DWORD>(DROPEFFECT_COPY));
            EXPECT_EQ(dropped, static_cast<DWORD>(DROPEFFECT_COPY));
            ASSERT_EQ(script.messages.size(), 2u);
            EXPECT_EQ(script.messages[0].text, "真的要加密" + c.text);
            EXPECT_EQ(script.messages[0].title, "询问");
        }
    }
}

TEST_F(DropTargetTest, TextAndLinksAreRefusedWithoutAnEvent) {
    const struct {
        const char* name;
        CLIPFORMAT format;
        std::string bytes;
    } cases[] = {
        {"text", CF_TEXT, std::string("C:\\some\\file.txt", 17)},
        {"link", static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator")),
         std::string("http://example.invalid/", 24)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OneFormatData data(c.format, c.bytes);
        const auto [entered, dropped] = dragAndDrop(data);
        EXPECT_EQ(entered, static_cast<DWORD>(DROPEFFECT_NONE));
        EXPECT_EQ(dropped, static_cast<DWORD>(DROPEFFECT_NONE));
    }
    EXPECT_TRUE(script.messages.empty());
}

}  // namespace
