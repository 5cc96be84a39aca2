// Reads a byte list in one pass: one byte per piece between separators,
// braces dropped wherever they stand, each piece's longest number prefix
// truncated to its low 8 bits. Gives exactly what removing the braces with
// replaceAll, splitting with splitText and converting each piece with
// textToNumber gives, in bounded memory and across chunk boundaries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_types.h"
#include "number_reader.h"
#include "symbol_alphabet.h"

class ByteListReader {
public:
    enum class Mode {
        // A decimal list (parseByteList): digits, ",", braces.
        DecimalList,
        // A symbol text on its way through the decode chain: the eleven
        // symbols stand for their list characters and the text is framed
        // as "{" text "}", so a lone lead byte at its end pairs with "}".
        SymbolText,
    };
    explicit ByteListReader(Mode mode);

    // Appends the bytes of the pieces this text completes. A zero byte
    // ends the text; later text is ignored.
    void read(const char* text, std::size_t size, ByteArray& out);
    // The text has ended: appends the last piece's byte if it is not empty.
    void finish(ByteArray& out);

private:
    // What a one-byte character is: 0 to 9 a digit of that value, or one
    // of these.
    static constexpr std::uint8_t SEPARATOR = 10;
    static constexpr std::uint8_t BRACE = 11;
    static constexpr std::uint8_t TEXT_END = 12;
    static constexpr std::uint8_t OTHER = 13;  // goes to the number reader as it is

    struct WideDigit {
        unsigned char lead, trail;
        std::uint8_t value;
    };

    void addDigits(const ListAlphabet& alphabet);
    void wideChar(unsigned char lead, unsigned char trail);
    void endPiece(ByteArray& out);

    Mode mode_;
    std::uint8_t kinds_[128];
    WideDigit wideDigits_[10];
    std::size_t wideDigitCount_ = 0;
    int pendingLead_ = -1;  // a lead byte whose partner is in the next chunk
    bool ended_ = false;
    bool pieceHasText_ = false;
    NumberReader number_;
};
