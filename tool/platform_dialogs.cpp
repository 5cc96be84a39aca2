#include "platform_dialogs.h"

#include <vector>

#include "ui_texts.h"

PlatformDialogs platformDialogs = {MessageBoxA, GetSaveFileNameA};

int showMessage(const AnsiText& text, UINT flags, const char* title) {
    if ((flags & MB_SYSTEMMODAL) == 0) {
        flags |= MB_TASKMODAL;
    }
    return platformDialogs.messageBox(nullptr, text.c_str(), title ? title : UiText::infoTitle, flags);
}

bool chooseTargetPath(HWND owner, AnsiText& chosenPath) {
    // The path of the last confirmed use; a cancelled dialog leaves it.
    static AnsiText rememberedPath;

    // Room for the longest path the system knows.
    std::vector<char> fileName(32768, '\0');
    rememberedPath.copy(fileName.data(), fileName.size() - 1);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrTitle = UiText::saveDialogTitle;
    // Without OFN_NOCHANGEDIR browsing may move the current directory,
    // which relative target paths then follow.
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!platformDialogs.getSaveFileName(&dialog)) {
        return false;
    }
    rememberedPath = fileName.data();
    chosenPath = rememberedPath;
    return true;
}
