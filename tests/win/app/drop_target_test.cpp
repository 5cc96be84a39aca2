// The drop receiver registered on 标签4, given real data objects: files
// arrive at the confirmation as one text, everything else is refused.
#include "app_fixture.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

namespace {

// A data object offering one HGLOBAL in one clipboard format.
class OneFormatData final : public IDataObject {
public:
    OneFormatData(CLIPFORMAT format, const std::string& bytes) : format_(format), bytes_(bytes) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        std::memcpy(GlobalLock(memory), bytes_.data(), bytes_.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    CLIPFORMAT format_;
    std::string bytes_;
};

// A DROPFILES block: the header, then each path and a zero, then a zero.
std::string dropFiles(const std::vector<std::string>& paths, bool wide) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = wide;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths) {
        if (wide) {
            std::wstring widePath(path.size(), L'\0');
            widePath.resize(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(),
                                                static_cast<int>(widePath.size() + 1)) - 1);
            block.append(reinterpret_cast<const char*>(widePath.c_str()), (widePath.size() + 1) * sizeof(wchar_t));
        } else {
            block.append(path.c_str(), path.size() + 1);
        }
    }
    block.append(wide ? sizeof(wchar_t) : 1, '\0');
    return block;
}

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
