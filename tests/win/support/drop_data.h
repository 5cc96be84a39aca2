// Test data objects: one HGLOBAL in one clipboard format, and the
// DROPFILES block of dropped files.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

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
    // Lives on the test's stack; never freed through COM.
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
inline std::string dropFiles(const std::vector<std::string>& paths, bool wide) {
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
