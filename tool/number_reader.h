// Reads the longest decimal-number prefix of a piece of text, one character
// at a time, in bounded memory: optional white space, an optional sign,
// digits with an optional "." (at least one digit), an optional exponent
// (e, E, d or D, optional sign, digits). The value is rounded to the
// nearest double.
#pragma once

#include <cstddef>
#include <cstdint>

// Stands for any character that cannot be part of a number.
inline constexpr char NOT_A_NUMBER_CHAR = '\x7F';

// The one-byte form of a two-byte character: full-width forms 0xA3 0xA1 to
// 0xA3 0xFE become their ASCII characters, the ideographic space 0xA1 0xA1 a
// space; every other two-byte character is no number character.
inline char foldWideChar(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    return NOT_A_NUMBER_CHAR;
}

// The low 8 bits of `value` truncated toward zero to a signed 64-bit
// integer; a value outside that range (or infinite) counts as its most
// negative value, whose low 8 bits are 0.
std::uint8_t lowByteOfTruncated(double value);

class NumberReader {
public:
    void reset() { s_ = Scalars{}; }

    // A decimal digit (0 to 9); the common case of a plain integer piece
    // costs a multiply and an add.
    void digit(unsigned d) {
        if (s_.state <= Integer && !s_.big && s_.exact < EXACT_LIMIT) {
            s_.state = Integer;
            s_.haveDigits = true;
            s_.exact = s_.exact * 10 + d;
        } else {
            anyDigit(d);
        }
    }
    // Starts as if the digits of `value` (below EXACT_LIMIT) had been read.
    void startInteger(std::uint64_t value) {
        reset();
        s_.state = Integer;
        s_.haveDigits = true;
        s_.exact = value;
    }
    // Any one-byte character (two-byte ones folded by foldWideChar first).
    void put(char c);

    double value() const;
    std::uint8_t byteValue() const;

    // Integers below this times ten plus nine stay below 2^53: exact both as
    // 64-bit integers and as doubles.
    static constexpr std::uint64_t EXACT_LIMIT = 100000000000000ULL;

private:
    enum State : std::uint8_t {
        Start, Sign, Integer,  // digit() relies on this order
        PointFirst, Fraction, ExponentMark, ExponentSign, ExponentDigits, Done
    };
    // Rounding to the nearest double needs at most 768 significant digits;
    // past them only whether a non-zero digit follows matters.
    static constexpr std::size_t MAX_DIGITS = 800;
    static constexpr std::int64_t EXPONENT_CAP = 1000000000;

    struct Scalars {
        State state = Start;
        bool negative = false;
        bool haveDigits = false;
        bool big = false;         // digits_ holds the mantissa, not `exact`
        bool sticky = false;      // a non-zero digit past MAX_DIGITS
        bool exponentNegative = false;
        bool haveExponent = false;
        std::uint64_t exact = 0;  // the integer read so far while !big
        std::size_t digitCount = 0;
        std::int64_t scale = 0;   // value = digits_ * 10^scale
        std::int64_t exponent = 0;
    };

    void anyDigit(unsigned d);
    void mantissaDigit(unsigned d, bool integerPart);
    void becomeBig();

    Scalars s_;
    char digits_[MAX_DIGITS];
};
