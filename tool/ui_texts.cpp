#include "ui_texts.h"

#include <string>

#include "compressed_block.h"

AnsiText tooLargeReason() {
    return "内容太大了，符号文本最多只能装 " + std::to_string(BLOCK_MAX_INPUT) + " 个字节。";
}

AnsiText codecFailureReason(CodecStatus status) {
    switch (status) {
    case CodecStatus::InputTooLarge:
        return tooLargeReason();
    case CodecStatus::OutOfMemory:
        return UiText::reasonOutOfMemory;
    default:
        return UiText::reasonDamaged;
    }
}

AnsiText failureMessage(const char* message, const AnsiText& reason) {
    return AnsiText(message) + "\r\n" + UiText::reasonLabel + reason;
}

AnsiText failureMessage(const char* message, const AnsiText& path, const AnsiText& reason) {
    return failureMessage((AnsiText(message) + "\r\n" + path).c_str(), reason);
}
