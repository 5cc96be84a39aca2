#include "byte_list_reader.h"

#include <cstring>

ByteListReader::ByteListReader(Mode mode) : mode_(mode) {
    std::memset(kinds_, OTHER, sizeof kinds_);
    // The symbol passes leave plain digits and "," their meaning.
    addDigits(DECIMAL_ALPHABET);
    if (mode == Mode::SymbolText) addDigits(SYMBOL_ALPHABET);
    kinds_[static_cast<unsigned char>(LIST_OPEN)] = BRACE;
    kinds_[static_cast<unsigned char>(LIST_CLOSE)] = BRACE;
    kinds_[0] = TEXT_END;
    number_.reset();
}

void ByteListReader::addDigits(const ListAlphabet& alphabet) {
    for (std::uint8_t value = 0; value < 10; ++value) {
        const auto* digit = reinterpret_cast<const unsigned char*>(alphabet.digits[value]);
        if (digit[1] == 0) {
            kinds_[digit[0]] = value;
        } else {
            wideDigits_[wideDigitCount_++] = {digit[0], digit[1], value};
        }
    }
    kinds_[static_cast<unsigned char>(alphabet.separator[0])] = SEPARATOR;
}

void ByteListReader::read(const char* text, std::size_t size, ByteArray& out) {
    const auto* at = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* end = at + size;
    if (ended_ || at == end) return;
    if (pendingLead_ >= 0) {
        if (*at == 0) {
            ended_ = true;  // the lead byte stays alone at the text's end
            return;
        }
        wideChar(static_cast<unsigned char>(pendingLead_), *at++);
        pendingLead_ = -1;
    }
    while (at < end) {
        unsigned char c = *at;
        if (c < 0x80) {
            std::uint8_t kind = kinds_[c];
            ++at;
            if (kind < 10) {
                number_.digit(kind);
                pieceHasText_ = true;
            } else if (kind == SEPARATOR) {
                endPiece(out);
            } else if (kind == OTHER) {
                number_.put(static_cast<char>(c));
                pieceHasText_ = true;
            } else if (kind == TEXT_END) {
                ended_ = true;
                return;
            }  // a brace is dropped
        } else if (at + 1 == end) {
            pendingLead_ = c;
            return;
        } else if (at[1] == 0) {
            pendingLead_ = c;
            ended_ = true;
            return;
        } else {
            wideChar(c, at[1]);
            at += 2;
        }
    }
}

void ByteListReader::wideChar(unsigned char lead, unsigned char trail) {
    pieceHasText_ = true;
    for (std::size_t i = 0; i < wideDigitCount_; ++i) {
        if (wideDigits_[i].lead == lead && wideDigits_[i].trail == trail) {
            number_.digit(wideDigits_[i].value);
            return;
        }
    }
    number_.put(foldWideChar(lead, trail));
}

void ByteListReader::endPiece(ByteArray& out) {
    out.push_back(number_.byteValue());
    number_.reset();
    pieceHasText_ = false;
}

void ByteListReader::finish(ByteArray& out) {
    if (pendingLead_ >= 0) {
        // The decode chain's closing "}" completes a lone lead byte into a
        // two-byte character that stays in the piece; a decimal list's
        // lone lead byte is dropped by the brace removal.
        if (mode_ == Mode::SymbolText) wideChar(static_cast<unsigned char>(pendingLead_), LIST_CLOSE);
        pendingLead_ = -1;
    }
    ended_ = true;
    if (pieceHasText_) endPiece(out);
}
