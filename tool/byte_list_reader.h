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
#include "symbol_window.h"

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
    static constexpr std::uint8_t LEAD = 14;   // starts a two-byte character

    struct WideDigit {
        unsigned char lead, trail;
        std::uint8_t value;
    };

    // A piece of at most this many digits and nothing else is read in
    // `plainValue_` alone; anything else goes through the number reader.
    static constexpr int MAX_PLAIN_DIGITS = 9;
    static constexpr int NOT_PLAIN = -1;

    void addDigits(const ListAlphabet& alphabet);
    int wideDigitValue(unsigned char lead, unsigned char trail) const;
    void leavePlain();

    Mode mode_;
    SymbolWindowReader window_{SYMBOL_ALPHABET};
    std::uint8_t kinds_[256];
    WideDigit wideDigits_[10];
    std::size_t wideDigitCount_ = 0;
    // The lead byte of the two-byte digit symbols, and the digit value of
    // each trail byte after it (LEAD where the pair is no digit).
    unsigned wideLead_ = 0x100;
    std::uint8_t trailKinds_[256];
    int pendingLead_ = -1;  // a lead byte whose partner is in the next chunk
    bool ended_ = false;
    // The current piece: its digit count while it holds only digits (0 is
    // an empty piece), else NOT_PLAIN and `number_` has read it.
    int plainDigits_ = 0;
    std::uint32_t plainValue_ = 0;
    NumberReader number_;
};
