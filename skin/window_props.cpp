#include "window_props.h"

#include "skin_atlas.h"

#include <cstring>

namespace {

constexpr UINT TITLE_BLOCK_FLAGS = GMEM_MOVEABLE | GMEM_ZEROINIT;  // 0x42
constexpr int TITLE_LIMIT = 128;  // GetWindowTextA buffer: at most 127 bytes of text

void writeTitle(HGLOBAL block, const char* text, std::size_t length) {
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes)
        return;
    std::memcpy(bytes, text, length);
    bytes[length] = '\0';
    GlobalUnlock(block);
}

}  // namespace

LONG_PTR readSkinProp(HWND window, const char* name) {
    return reinterpret_cast<LONG_PTR>(GetPropA(window, name));
}

void writeSkinProp(HWND window, const char* name, LONG_PTR value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

void rememberPreviousProc(HWND window) {
    writeSkinProp(window, SkinProp::previousProc, GetWindowLongPtrA(window, GWLP_WNDPROC));
}

void setSkinProc(HWND window, WNDPROC proc) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LONG_PTR previous = readSkinProp(window, SkinProp::previousProc);
    if (previous)
        return CallWindowProcA(reinterpret_cast<WNDPROC>(previous), window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

HGLOBAL createTitleBlock(HWND window) {
    char text[TITLE_LIMIT] = {};
    const int length = GetWindowTextA(window, text, TITLE_LIMIT);
    const std::size_t n = length > 0 ? static_cast<std::size_t>(length) : 0;
    HGLOBAL block = GlobalAlloc(TITLE_BLOCK_FLAGS, n + 1);
    writeTitle(block, text, n);
    return block;
}

void rewriteTitleBlock(HGLOBAL block, const char* text) {
    if (!text)
        text = "";
    const std::size_t n = std::strlen(text);
    // A moveable block keeps its handle when resized. Should the resize
    // fail, the old block is too small for the new text: it stays as it is.
    if (!GlobalReAlloc(block, n + 1, TITLE_BLOCK_FLAGS))
        return;
    writeTitle(block, text, n);
}

std::string readTitleBlock(HGLOBAL block) {
    if (!block)
        return std::string();
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes)
        return std::string();
    // Bounded by the block's size in case its terminating zero is missing.
    const std::string text(bytes, strnlen(bytes, GlobalSize(block)));
    GlobalUnlock(block);
    return text;
}

void releaseFrameSkin(HWND window) {
    if (window == skinMainWindow) {
        UnhookWindowsHookEx(skinHook);
        skinHook = 0;
        releaseSkinSheet();
    }
    // The property is cleared with the block, so that a message arriving
    // after WM_DESTROY finds no title rather than a freed handle.
    GlobalFree(reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock)));
    writeSkinProp(window, SkinProp::titleBlock, 0);
}
