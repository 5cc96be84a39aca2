#include "symbol_text_renderer.h"

#include "symbol_forms.h"

namespace cli {
namespace {

constexpr unsigned NARROW_COLUMNS = 1;
constexpr unsigned FULL_WIDTH_COLUMNS = 2;

}  // namespace

SymbolTextRenderer::SymbolTextRenderer(bool utf8, std::uint64_t wrapColumns)
    : utf8_(utf8), wrapColumns_(wrapColumns) {}

void SymbolTextRenderer::placePiece(std::string& out) {
    if (lineColumns_ > 0 && lineColumns_ + pieceColumns_ > wrapColumns_) {
        out.push_back('\n');
        lineColumns_ = 0;
    }
    out += piece_;
    lineColumns_ += pieceColumns_;
    piece_.clear();
    pieceColumns_ = 0;
}

void SymbolTextRenderer::appendCharacter(const char* bytes, std::size_t length, unsigned columns, bool separator,
                                         std::string& out) {
    if (wrapColumns_ == 0) {
        out.append(bytes, length);
        return;
    }
    piece_.append(bytes, length);
    pieceColumns_ += columns;
    if (separator) {
        placePiece(out);
    }
}

void SymbolTextRenderer::feed(const char* text, std::size_t size, std::string& out) {
    std::size_t pos = 0;
    char pair[2];
    while (pos < size) {
        const char c = text[pos];
        if (!haveLead_ && static_cast<unsigned char>(c) < 0x80) {
            appendCharacter(text + pos, 1, NARROW_COLUMNS, c == SYMBOL_ALPHABET.separator[0], out);
            ++pos;
            continue;
        }
        if (!haveLead_) {
            lead_ = c;
            haveLead_ = true;
            ++pos;
            if (pos == size) {
                break;
            }
        }
        pair[0] = lead_;
        pair[1] = text[pos++];
        haveLead_ = false;
        const WideSymbolForm* wide = utf8_ ? findWideSymbol(pair[0], pair[1]) : nullptr;
        if (wide != nullptr) {
            appendCharacter(wide->utf8, WIDE_SYMBOL_UTF8_LENGTH, FULL_WIDTH_COLUMNS, false, out);
        } else {
            appendCharacter(pair, 2, FULL_WIDTH_COLUMNS, false, out);
        }
    }
}

void SymbolTextRenderer::finish(std::string& out) {
    if (!piece_.empty()) {
        placePiece(out);
    }
    out.push_back('\n');
}

}  // namespace cli
