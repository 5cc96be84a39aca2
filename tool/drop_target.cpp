#include "drop_target.h"

namespace {

AnsiText droppedPath(HDROP drop, UINT index) {
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    AnsiText path(length + 1, '\0');
    path.resize(DragQueryFileA(drop, index, path.data(), length + 1));
    return path;
}

FORMATETC fileDropFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool carriesFiles(IDataObject* data) {
    FORMATETC format = fileDropFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(FilesDroppedHandler onFilesDropped) : onFilesDropped_(onFilesDropped) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        accepting_ = carriesFiles(data);
        return answer(effect);
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return answer(effect); }

    HRESULT STDMETHODCALLTYPE DragLeave() override {
        accepting_ = false;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        accepting_ = false;
        FORMATETC format = fileDropFormat();
        STGMEDIUM medium = {};
        if (!carriesFiles(data) || data->GetData(&format, &medium) != S_OK) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        const AnsiText text = droppedFilesText(static_cast<HDROP>(medium.hGlobal));
        ReleaseStgMedium(&medium);
        *effect = text.empty() ? DROPEFFECT_NONE : DROPEFFECT_COPY;
        if (!text.empty()) {
            onFilesDropped_(text);
        }
        return S_OK;
    }

private:
    HRESULT answer(DWORD* effect) const {
        *effect = accepting_ ? (*effect & DROPEFFECT_COPY) : DROPEFFECT_NONE;
        return S_OK;
    }

    LONG references_ = 1;
    bool accepting_ = false;
    FilesDroppedHandler onFilesDropped_;
};

}  // namespace

IDropTarget* createFileDropTarget(FilesDroppedHandler onFilesDropped) {
    return new FileDropTarget(onFilesDropped);
}

AnsiText droppedFilesText(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 1) {
        return droppedPath(drop, 0);
    }
    AnsiText text;
    for (UINT i = 0; i < count; ++i) {
        text += droppedPath(drop, i) + "\r\n";
    }
    return text;
}
