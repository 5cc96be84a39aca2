#include "text_helpers.h"

#include <algorithm>
#include <string_view>

#include "number_reader.h"

namespace {

// The text up to its first zero byte, which ends it.
std::string_view textOf(const AnsiText& text) {
    return std::string_view(text.c_str());
}

bool isLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

AnsiText replaceAll(const AnsiText& text, const AnsiText& search, const AnsiText& replacement) {
    std::string_view rest = textOf(text);
    std::string_view wanted = textOf(search);
    if (rest.empty() || wanted.empty()) return AnsiText(rest);
    AnsiText out;
    out.reserve(rest.size());
    std::size_t at = 0;
    while (rest.size() - at >= wanted.size()) {
        if (rest.compare(at, wanted.size(), wanted) == 0) {
            out += replacement;
            at += wanted.size();
        } else if (isLeadByte(rest[at])) {
            if (at + 1 == rest.size()) return out;  // a lone lead byte is dropped
            out.append(rest, at, 2);
            at += 2;
        } else {
            out += rest[at++];
        }
    }
    out.append(rest, at);
    return out;
}

std::vector<AnsiText> splitText(const AnsiText& text, const AnsiText& delimiter) {
    std::string_view rest = textOf(text);
    std::string_view wanted = textOf(delimiter);
    std::vector<AnsiText> pieces;
    if (rest.empty()) return pieces;
    std::size_t pieceStart = 0;
    std::size_t at = 0;
    while (!wanted.empty() && at < rest.size()) {
        if (rest.compare(at, wanted.size(), wanted) == 0) {
            pieces.emplace_back(rest.substr(pieceStart, at - pieceStart));
            at += wanted.size();
            pieceStart = at;
        } else if (isLeadByte(rest[at])) {
            if (at + 1 == rest.size()) break;  // a lone lead byte ends the scan
            at += 2;
        } else {
            ++at;
        }
    }
    if (pieceStart < rest.size()) pieces.emplace_back(rest.substr(pieceStart));
    return pieces;
}

double textToNumber(const AnsiText& text) {
    std::string_view rest = textOf(text);
    NumberReader reader;
    for (std::size_t at = 0; at < rest.size(); ++at) {
        if (!isLeadByte(rest[at])) {
            reader.put(rest[at]);
        } else if (at + 1 < rest.size()) {
            reader.put(foldWideChar(static_cast<unsigned char>(rest[at]),
                                    static_cast<unsigned char>(rest[at + 1])));
            ++at;
        } else {
            break;
        }
    }
    return reader.value();
}

ByteArray textToBytes(const AnsiText& text) {
    std::string_view rest = textOf(text);
    return ByteArray(rest.begin(), rest.end());
}

AnsiText bytesToText(const ByteArray& bytes) {
    auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return AnsiText(bytes.begin(), end);
}
