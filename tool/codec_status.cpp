#include "codec_status.h"

const char* codecStatusText(CodecStatus status) {
    switch (status) {
    case CodecStatus::Ok: return "ok";
    case CodecStatus::NotABlock: return "not a compressed block (fewer than 8 bytes)";
    case CodecStatus::WrongMagic: return "wrong block magic";
    case CodecStatus::StreamDamaged: return "compressed stream damaged";
    case CodecStatus::StreamCutShort: return "compressed stream cut short";
    case CodecStatus::CheckValueWrong: return "check value wrong";
    case CodecStatus::LargerThanRoom: return "larger than the stored length allows";
    case CodecStatus::InputTooLarge: return "input too large";
    case CodecStatus::LengthMismatch: return "input length differs from the announced length";
    case CodecStatus::CompressFailed: return "compression failed";
    case CodecStatus::OutOfMemory: return "out of memory";
    }
    return "unknown status";
}
