#include "byte_list_reader.h"

#include <cstring>

ByteListReader::ByteListReader(Mode mode) : mode_(mode) {
    std::memset(kinds_, OTHER, 0x80);
    std::memset(kinds_ + 0x80, LEAD, 0x80);
    std::memset(trailKinds_, LEAD, sizeof trailKinds_);
    // The symbol passes leave plain digits and "," their meaning.
    addDigits(DECIMAL_ALPHABET);
    if (mode == Mode::SymbolText) addDigits(SYMBOL_ALPHABET);
    kinds_[static_cast<unsigned char>(LIST_OPEN)] = BRACE;
    kinds_[static_cast<unsigned char>(LIST_CLOSE)] = BRACE;
    kinds_[0] = TEXT_END;
}

void ByteListReader::addDigits(const ListAlphabet& alphabet) {
    for (std::uint8_t value = 0; value < 10; ++value) {
        const auto* digit = reinterpret_cast<const unsigned char*>(alphabet.digits[value]);
        if (digit[1] == 0) {
            kinds_[digit[0]] = value;
        } else {
            wideDigits_[wideDigitCount_++] = {digit[0], digit[1], value};
            wideLead_ = digit[0];  // the two-byte symbols share their lead byte
            trailKinds_[digit[1]] = value;
        }
    }
    kinds_[static_cast<unsigned char>(alphabet.separator[0])] = SEPARATOR;
}

int ByteListReader::wideDigitValue(unsigned char lead, unsigned char trail) const {
    for (std::size_t i = 0; i < wideDigitCount_; ++i) {
        if (wideDigits_[i].lead == lead && wideDigits_[i].trail == trail) return wideDigits_[i].value;
    }
    return -1;
}

void ByteListReader::leavePlain() {
    if (plainDigits_ == NOT_PLAIN) return;
    if (plainDigits_ > 0) number_.startInteger(plainValue_);
    else number_.reset();
    plainDigits_ = NOT_PLAIN;
}

// The hot loop of decoding: the piece state lives in locals, and the
// bytes go through a raw pointer, so nothing is reloaded per character.
void ByteListReader::read(const char* text, std::size_t size, ByteArray& out) {
    const auto* at = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* end = at + size;
    if (ended_ || at == end) return;
    // Each byte this text completes ends at a separator in it.
    std::size_t before = out.size();
    out.resize(before + size);
    std::uint8_t* written = out.data() + before;
    int digits = plainDigits_;
    std::uint32_t value = plainValue_;

    auto leaveLocalPlain = [&] {
        plainDigits_ = digits;
        plainValue_ = value;
        leavePlain();
        digits = NOT_PLAIN;
    };
    auto addDigit = [&](unsigned d) {
        if (digits >= 0 && digits < MAX_PLAIN_DIGITS) {
            value = value * 10 + d;
            ++digits;
        } else {
            leaveLocalPlain();
            number_.digit(d);
        }
    };
    auto addOther = [&](char c) {
        leaveLocalPlain();
        number_.put(c);
    };
    auto addWide = [&](unsigned char lead, unsigned char trail) {
        int d = wideDigitValue(lead, trail);
        if (d >= 0) addDigit(static_cast<unsigned>(d));
        else addOther(foldWideChar(lead, trail));
    };

    if (pendingLead_ >= 0) {
        if (*at == 0) {
            ended_ = true;  // the lead byte stays alone at the text's end
            at = end;
        } else {
            addWide(static_cast<unsigned char>(pendingLead_), *at++);
            pendingLead_ = -1;
        }
    }
    const bool windows = SymbolWindowReader::AVAILABLE && mode_ == Mode::SymbolText;
    for (;;) {
        if (windows && digits >= 0) at = window_.read(at, end, digits, value, written);
        // Plain digits, two-byte digit symbols and separators, without a
        // branch per character kind; anything else leaves to the full step.
        // A symbol text tries the windows again after a window's length.
        const unsigned char* lastPair = end - 1;
        if (windows && lastPair - at > static_cast<std::ptrdiff_t>(SymbolWindowReader::WINDOW))
            lastPair = at + SymbolWindowReader::WINDOW;
        const unsigned wideLead = wideLead_;
        while (at < lastPair && digits >= 0 && digits < MAX_PLAIN_DIGITS) {
            unsigned c = at[0];
            // Masks instead of conditions: the kinds follow each other at
            // random in compressed data, so branches would mispredict.
            unsigned wide = 0u - static_cast<unsigned>(c == wideLead);
            unsigned kind = (trailKinds_[at[1]] & wide) | (kinds_[c] & ~wide);
            if (kind > SEPARATOR) break;
            unsigned separator = 0u - static_cast<unsigned>(kind == SEPARATOR);
            *written = static_cast<std::uint8_t>(value);
            written += separator & 1;
            value = (value * 10 + kind) & ~separator;
            digits = static_cast<int>((static_cast<unsigned>(digits) + 1) & ~separator);
            at += 1 + (c >> 7);
        }
        if (at >= end) break;
        unsigned char c = *at;
        if (c < 0x80) {
            std::uint8_t kind = kinds_[c];
            ++at;
            if (kind < 10) {
                addDigit(kind);
            } else if (kind == SEPARATOR) {
                *written++ = digits >= 0 ? static_cast<std::uint8_t>(value) : number_.byteValue();
                digits = 0;
                value = 0;
            } else if (kind == OTHER) {
                addOther(static_cast<char>(c));
            } else if (kind == TEXT_END) {
                ended_ = true;
                break;
            }  // a brace is dropped
        } else if (at + 1 == end || at[1] == 0) {
            pendingLead_ = c;  // its partner comes with the next chunk, or never
            ended_ = at + 1 != end;
            break;
        } else {
            addWide(c, at[1]);
            at += 2;
        }
    }
    plainDigits_ = digits;
    plainValue_ = value;
    out.resize(static_cast<std::size_t>(written - out.data()));
}

void ByteListReader::finish(ByteArray& out) {
    if (pendingLead_ >= 0 && mode_ == Mode::SymbolText) {
        // The decode chain's closing "}" completes a lone lead byte into a
        // two-byte character that stays in the piece (as no number
        // character); a decimal list's lone lead byte is dropped by the
        // brace removal.
        leavePlain();
        number_.put(foldWideChar(static_cast<unsigned char>(pendingLead_), LIST_CLOSE));
    }
    pendingLead_ = -1;
    ended_ = true;
    if (plainDigits_ > 0) out.push_back(static_cast<std::uint8_t>(plainValue_));
    else if (plainDigits_ == NOT_PLAIN) out.push_back(number_.byteValue());
}
