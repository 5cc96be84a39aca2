// Why an encode or decode did not succeed. The plain codec functions fold
// every failure into an empty result; callers that must not lose data use
// the checked entries, which return one of these.
#pragma once

enum class CodecStatus {
    Ok,
    NotABlock,        // fewer than the 8 header bytes
    WrongMagic,       // the first four bytes are not 13, 15, 62, 3
    StreamDamaged,    // the zlib stream is invalid (header, data)
    StreamCutShort,   // the zlib stream ends before its end marker
    CheckValueWrong,  // the Adler-32 at the end does not match
    LargerThanRoom,   // inflates to more than twice the stored length
    InputTooLarge,    // encode: the input does not fit the block's limits
    LengthMismatch,   // incremental encode: other than the announced length
    CompressFailed,   // zlib refused to compress (other than for memory)
    OutOfMemory,
};

// A short English phrase for the command-line tool and for logs of tests.
const char* codecStatusText(CodecStatus status);
