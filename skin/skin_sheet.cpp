#include "skin_sheet.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace {

// The decoded picture owns its bitmap and deletes it on release, so the
// pixels are copied into a DIB section of our own first.
HBITMAP copyToDibSection(HBITMAP picture) {
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(NULL, &format, DIB_RGB_COLORS, &bits, NULL, 0);

    HDC from = CreateCompatibleDC(NULL);
    HDC to = CreateCompatibleDC(NULL);
    HGDIOBJ oldFrom = SelectObject(from, picture);
    HGDIOBJ oldTo = SelectObject(to, copy);
    BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    return copy;
}

HBITMAP decodePicture(IStream* stream) {
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
        return 0;
    HBITMAP copy = 0;
    OLE_HANDLE handle = 0;
    // OLE_HANDLE is 32 bits wide; GDI handles survive sign extension.
    if (SUCCEEDED(picture->get_Handle(&handle)) && handle)
        copy = copyToDibSection(reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle))));
    picture->Release();
    return copy;
}

}  // namespace

HBITMAP decodeSkinSheet() {
    // The program initialises OLE at start-up; the balanced CoInitialize here
    // only matters to a caller on a thread without COM, and is otherwise a
    // counted no-op.
    HRESULT com = CoInitialize(NULL);

    HBITMAP sheet = 0;
    HGLOBAL bytes = GlobalAlloc(GMEM_MOVEABLE, skinSheetGifSize);
    if (bytes) {
        std::memcpy(GlobalLock(bytes), skinSheetGif, skinSheetGifSize);
        GlobalUnlock(bytes);
        IStream* stream = nullptr;
        // The stream owns the memory and frees it on its release.
        if (SUCCEEDED(CreateStreamOnHGlobal(bytes, TRUE, &stream))) {
            sheet = decodePicture(stream);
            stream->Release();
        } else {
            GlobalFree(bytes);
        }
    }

    if (SUCCEEDED(com))
        CoUninitialize();
    return sheet;
}
