// The symbol-text codec: bytes -> compressed block -> decimal byte list ->
// symbol text, and back. Symbols for the list characters 0-9 and ',':
// "！" "@" "#" "￥" "%" "^" "&" "*" "-" "+" "=" (two of them two-byte
// characters of code page 936).
#pragma once

#include "byte_types.h"
#include "codec_status.h"

struct EncodeResult {
    CodecStatus status;
    AnsiText text;
};

struct DecodeResult {
    CodecStatus status;
    ByteArray bytes;
};

// Checked entries: the result, or why there is none. A block of empty
// input decodes to Ok with no bytes.
EncodeResult encodeSymbolTextChecked(const ByteArray& bytes);
DecodeResult decodeSymbolTextChecked(const AnsiText& text);

// Plain entries: the empty text / empty array on any failure. Callers on
// the window thread dispatch pending window messages first (the wait notice
// gets painted before the long work).
AnsiText encodeSymbolText(const ByteArray& bytes);
ByteArray decodeSymbolText(const AnsiText& text);

// "{13,15,...}" and back; parseByteList ignores every brace and gives one
// byte per comma-separated piece (the low 8 bits of its truncated value).
AnsiText formatByteList(const ByteArray& bytes);
ByteArray parseByteList(const AnsiText& text);
