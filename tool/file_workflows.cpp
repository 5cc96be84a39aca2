#include "file_workflows.h"

#include <windows.h>

#include "file_io.h"
#include "main_window.h"
#include "pending_events.h"
#include "platform_dialogs.h"
#include "symbol_codec.h"
#include "ui_texts.h"
#include "window_text.h"

namespace {

// The wait notice in 标签9. Encryption hides it before its last message,
// decryption after; whatever happens, it is gone when the workflow ends.
class WaitNotice {
public:
    explicit WaitNotice(const char* text) : label_(controlWindow(Control::标签9)) {
        SetWindowTextA(label_, text);
        ShowWindow(label_, SW_SHOW);
    }
    ~WaitNotice() { hide(); }
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

    void hide() { ShowWindow(label_, SW_HIDE); }

private:
    HWND label_;
};

AnsiText readFailureReason(const FileReadResult& file) {
    switch (file.error) {
    case FileReadError::IsFolder:
        return UiText::reasonFolder;
    case FileReadError::TooLarge:
        return tooLargeReason();
    case FileReadError::OutOfMemory:
        return UiText::reasonOutOfMemory;
    case FileReadError::ShortRead:
        return UiText::reasonShortRead;
    default:
        return systemErrorText(file.systemError);
    }
}

// Reads and encodes the dropped file into 编辑框3. Returns the failure
// message, or the empty text on success.
AnsiText encryptDroppedFile(const AnsiText& droppedText) {
    // Several dropped items come as paths joined by CR LF, which names no file.
    if (droppedText.find("\r\n") != AnsiText::npos) {
        return failureMessage(UiText::fileNotReadable, droppedText, UiText::reasonSeveralItems);
    }
    const FileReadResult file = readWholeFile(droppedText);
    if (file.error != FileReadError::None) {
        return failureMessage(UiText::fileNotReadable, droppedText, readFailureReason(file));
    }
    processPendingEvents();
    const EncodeResult encoded = encodeSymbolTextChecked(file.bytes);
    if (encoded.status != CodecStatus::Ok) {
        return failureMessage(UiText::fileNotEncodable, droppedText, codecFailureReason(encoded.status));
    }
    if (!SetWindowTextA(controlWindow(Control::编辑框3), encoded.text.c_str())) {
        return failureMessage(UiText::fileNotEncodable, droppedText, UiText::reasonTextTooLong);
    }
    return {};
}

// Decodes 编辑框3 into the file named by 编辑框4. Returns the failure
// message, or the empty text on success. Nothing is written unless the
// text decodes.
AnsiText decryptToTargetFile() {
    const AnsiText symbolText = readWindowText(controlWindow(Control::编辑框3));
    processPendingEvents();
    const DecodeResult decoded = decodeSymbolTextChecked(symbolText);
    if (decoded.status != CodecStatus::Ok) {
        return failureMessage(UiText::fileTextNotDecodable, codecFailureReason(decoded.status));
    }
    // Read again: the events dispatched above may have changed it.
    const AnsiText targetPath = readWindowText(controlWindow(Control::编辑框4));
    const DWORD error = writeWholeFile(targetPath, decoded.bytes);
    if (error != ERROR_SUCCESS) {
        return failureMessage(UiText::targetNotWritable, targetPath, systemErrorText(error));
    }
    return {};
}

void reportOutcome(const AnsiText& failure, const char* success) {
    if (failure.empty()) {
        showMessage(success, MB_OK | MB_ICONINFORMATION);
    } else {
        showMessage(failure, MB_OK | MB_ICONEXCLAMATION);
    }
}

}  // namespace

void fileDropped(const AnsiText& droppedText) {
    const int answer = showMessage(UiText::confirmEncryptPrefix + droppedText, MB_YESNO | MB_ICONQUESTION,
                                   UiText::askTitle);
    if (answer != IDYES) {
        showMessage(UiText::encryptDeclined, MB_OK | MB_ICONINFORMATION);
        return;
    }
    showMessage(UiText::pleaseWait, MB_OK | MB_ICONINFORMATION);
    WaitNotice notice(UiText::encryptingNotice);
    const AnsiText failure = encryptDroppedFile(droppedText);
    notice.hide();
    reportOutcome(failure, UiText::encryptDone);
}

void browseClicked() {
    AnsiText path;
    if (chooseTargetPath(mainWindow(), path)) {
        SetWindowTextA(controlWindow(Control::编辑框4), path.c_str());
    }
}

void decryptFileClicked() {
    if (readWindowText(controlWindow(Control::编辑框4)).empty()) {
        showMessage(UiText::noTargetPath, MB_OK | MB_ICONINFORMATION);
        return;
    }
    WaitNotice notice(UiText::decryptingNotice);
    reportOutcome(decryptToTargetFile(), UiText::decryptDone);
}
