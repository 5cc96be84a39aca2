#include "number_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Exponents beyond this are out of range for any mantissa of at most
// MAX_DIGITS + 1 digits; clamping keeps the text for the converter short.
constexpr std::int64_t EXPONENT_CLAMP = 100000;

}  // namespace

std::uint8_t lowByteOfTruncated(double value) {
    constexpr double TWO_63 = 9223372036854775808.0;
    if (!(value >= -TWO_63 && value < TWO_63)) return 0;
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(value));
}

void NumberReader::put(char c) {
    if (c >= '0' && c <= '9') {
        anyDigit(static_cast<unsigned>(c - '0'));
        return;
    }
    State next = Done;
    switch (s_.state) {
    case Start:
        if (isSpace(c)) return;
        if (c == '+' || c == '-') {
            s_.negative = c == '-';
            next = Sign;
        } else if (c == '.') {
            next = PointFirst;
        }
        break;
    case Sign:
        if (c == '.') next = PointFirst;
        break;
    case Integer:
        if (c == '.') next = Fraction;
        else if (isExponentLetter(c)) next = ExponentMark;
        break;
    case Fraction:
        if (isExponentLetter(c)) next = ExponentMark;
        break;
    case ExponentMark:
        if (c == '+' || c == '-') {
            s_.exponentNegative = c == '-';
            next = ExponentSign;
        }
        break;
    case PointFirst:
    case ExponentSign:
    case ExponentDigits:
    case Done:
        break;
    }
    s_.state = next;
}

void NumberReader::anyDigit(unsigned d) {
    switch (s_.state) {
    case Start:
    case Sign:
    case Integer:
        s_.state = Integer;
        mantissaDigit(d, true);
        break;
    case PointFirst:
    case Fraction:
        s_.state = Fraction;
        mantissaDigit(d, false);
        break;
    case ExponentMark:
    case ExponentSign:
    case ExponentDigits:
        s_.state = ExponentDigits;
        s_.haveExponent = true;
        s_.exponent = std::min<std::int64_t>(s_.exponent * 10 + d, EXPONENT_CAP);
        break;
    case Done:
        break;
    }
}

void NumberReader::mantissaDigit(unsigned d, bool integerPart) {
    s_.haveDigits = true;
    if (!s_.big) {
        if (integerPart && s_.exact < EXACT_LIMIT) {
            s_.exact = s_.exact * 10 + d;
            return;
        }
        becomeBig();
    }
    if (s_.digitCount == 0 && d == 0) {
        if (!integerPart) --s_.scale;  // a leading zero of the fraction
    } else if (s_.digitCount < MAX_DIGITS) {
        digits_[s_.digitCount++] = static_cast<char>('0' + d);
        if (!integerPart) --s_.scale;
    } else {
        s_.sticky = s_.sticky || d != 0;
        if (integerPart) ++s_.scale;
    }
}

void NumberReader::becomeBig() {
    s_.big = true;
    if (s_.exact == 0) return;  // leading zeros are no significant digits
    s_.digitCount = static_cast<std::size_t>(std::to_chars(digits_, digits_ + MAX_DIGITS, s_.exact).ptr - digits_);
}

double NumberReader::value() const {
    if (!s_.haveDigits) return 0.0;
    if (!s_.haveExponent && !s_.big) {
        double magnitude = static_cast<double>(s_.exact);
        return s_.negative ? -magnitude : magnitude;
    }
    // Mantissa digits, a sticky digit, and an exponent: no decimal point,
    // so the conversion does not depend on the locale.
    char text[MAX_DIGITS + 32];
    std::size_t length = 0;
    std::int64_t scale = s_.scale;
    if (s_.big) {
        for (; length < s_.digitCount; ++length) text[length] = digits_[length];
    } else if (s_.exact != 0) {
        length = static_cast<std::size_t>(std::to_chars(text, text + sizeof text, s_.exact).ptr - text);
    }
    if (length == 0) return s_.negative ? -0.0 : 0.0;
    if (s_.sticky) {
        text[length++] = '1';
        --scale;
    }
    std::int64_t exponent = scale + (s_.exponentNegative ? -s_.exponent : s_.exponent);
    exponent = std::max(-EXPONENT_CLAMP, std::min(EXPONENT_CLAMP, exponent));
    // The digits times 10^exponent are at least 1 exactly when their count
    // plus the exponent is positive: out of range then means overflow.
    bool aboveOne = static_cast<std::int64_t>(length) + exponent > 0;
    text[length++] = 'e';
    length = static_cast<std::size_t>(std::to_chars(text + length, text + sizeof text, exponent).ptr - text);

    double magnitude = 0;
    auto [end, error] = std::from_chars(text, text + length, magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        magnitude = aboveOne ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return s_.negative ? -magnitude : magnitude;
}

std::uint8_t NumberReader::byteValue() const {
    if (!s_.haveExponent && !s_.big) {
        return static_cast<std::uint8_t>(s_.negative ? 0 - s_.exact : s_.exact);
    }
    return lowByteOfTruncated(value());
}
