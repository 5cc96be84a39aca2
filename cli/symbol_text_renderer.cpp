#include "symbol_text_renderer.h"

#include <cstring>

#include "symbol_forms.h"

namespace cli {

SymbolTextRenderer::SymbolTextRenderer(bool utf8, std::uint64_t wrapColumns)
    : utf8_(utf8), wrapColumns_(wrapColumns) {}

// The hot loop of encode output: writes through a raw pointer into room
// reserved for the worst case (every two-byte symbol growing to three).
void SymbolTextRenderer::convert(const char* text, std::size_t size, std::string& out) {
    if (!utf8_) {
        out.append(text, size);
        return;
    }
    const std::size_t before = out.size();
    out.resize(before + size + size / 2 + WIDE_SYMBOL_UTF8_LENGTH);
    char* written = out.data() + before;
    const char* end = text + size;
    auto putPair = [&](char lead, char trail) {
        const WideSymbolForm* wide = findWideSymbol(lead, trail);
        if (wide != nullptr) {
            std::memcpy(written, wide->utf8, WIDE_SYMBOL_UTF8_LENGTH);
            written += WIDE_SYMBOL_UTF8_LENGTH;
        } else {
            written[0] = lead;
            written[1] = trail;
            written += 2;
        }
    };
    if (haveLead_ && text < end) {
        putPair(lead_, *text++);
        haveLead_ = false;
    }
    while (text < end) {
        const char c = *text;
        if (static_cast<unsigned char>(c) < 0x80) {
            *written++ = c;
            ++text;
        } else if (text + 1 < end) {
            putPair(c, text[1]);
            text += 2;
        } else {
            lead_ = c;
            haveLead_ = true;
            ++text;
        }
    }
    out.resize(static_cast<std::size_t>(written - out.data()));
}

void SymbolTextRenderer::placePiece(std::string& out) {
    const std::uint64_t columns = piece_.size();
    if (lineColumns_ > 0 && lineColumns_ + columns > wrapColumns_) {
        out.push_back('\n');
        lineColumns_ = 0;
    }
    convert(piece_.data(), piece_.size(), out);
    lineColumns_ += columns;
    piece_.clear();
}

void SymbolTextRenderer::feed(const char* text, std::size_t size, std::string& out) {
    if (wrapColumns_ == 0) {
        convert(text, size, out);
        return;
    }
    const char* end = text + size;
    while (text < end) {
        const void* found = std::memchr(text, SYMBOL_ALPHABET.separator[0], static_cast<std::size_t>(end - text));
        if (found == nullptr) {
            piece_.append(text, static_cast<std::size_t>(end - text));
            return;
        }
        const char* pieceEnd = static_cast<const char*>(found) + 1;
        piece_.append(text, static_cast<std::size_t>(pieceEnd - text));
        placePiece(out);
        text = pieceEnd;
    }
}

void SymbolTextRenderer::finish(std::string& out) {
    if (!piece_.empty()) {
        placePiece(out);
    }
    out.push_back('\n');
}

}  // namespace cli
