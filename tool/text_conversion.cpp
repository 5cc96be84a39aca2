#include "text_conversion.h"

#include <windows.h>

#include "main_window.h"
#include "pending_events.h"
#include "platform_dialogs.h"
#include "symbol_codec.h"
#include "text_helpers.h"
#include "ui_texts.h"
#include "window_text.h"

void encryptTextClicked() {
    const AnsiText text = readWindowText(controlWindow(Control::编辑框1));
    processPendingEvents();
    const EncodeResult encoded = encodeSymbolTextChecked(textToBytes(text));
    if (encoded.status != CodecStatus::Ok) {
        showMessage(failureMessage(UiText::textNotEncodable, codecFailureReason(encoded.status)),
                    MB_ICONEXCLAMATION);
        return;
    }
    if (!SetWindowTextA(controlWindow(Control::编辑框2), encoded.text.c_str())) {
        showMessage(failureMessage(UiText::textNotEncodable, UiText::reasonTextTooLong), MB_ICONEXCLAMATION);
    }
}

void decryptTextClicked() {
    const AnsiText symbolText = readWindowText(controlWindow(Control::编辑框2));
    processPendingEvents();
    const DecodeResult decoded = decodeSymbolTextChecked(symbolText);
    // A text that does not decode leaves the user's plain text in place.
    if (decoded.status != CodecStatus::Ok) {
        showMessage(failureMessage(UiText::textNotDecodable, codecFailureReason(decoded.status)),
                    MB_ICONEXCLAMATION);
        return;
    }
    const AnsiText text = bytesToText(decoded.bytes);
    if (!SetWindowTextA(controlWindow(Control::编辑框1), text.c_str())) {
        showMessage(failureMessage(UiText::textNotDecodable, UiText::reasonTextTooLong), MB_ICONEXCLAMATION);
        return;
    }
    // A text ends at its first zero byte; binary content needs the file half.
    if (text.size() != decoded.bytes.size()) {
        showMessage(UiText::textIsBinary, MB_ICONINFORMATION);
    }
}
