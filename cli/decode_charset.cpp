#include "decode_charset.h"

#include <algorithm>

#include "cli_constants.h"

namespace cli {
namespace {

std::size_t firstNonAscii(const char* data, std::size_t size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    return static_cast<std::size_t>(std::find_if(p, p + size, [](unsigned char c) { return c >= 0x80; }) - p);
}

}  // namespace

DecodeCharset::DecodeCharset(Charset charset)
    : reading_(charset == Charset::Utf8 ? Reading::Utf8 : charset == Charset::Cp936 ? Reading::Cp936
                                                                                    : Reading::Undecided) {}

Outcome DecodeCharset::open() {
    return reading_ == Reading::Cp936 ? Outcome::success() : utf8_.open();
}

void DecodeCharset::pass(const char* data, std::size_t size, std::string& out) {
    if (reading_ == Reading::Utf8) {
        utf8_.feed(data, size, out);
    } else {
        out.append(data, size);
    }
}

void DecodeCharset::decide(bool textGoesOn, std::string& out) {
    reading_ = isWellFormedUtf8(window_.data(), window_.size(), textGoesOn) ? Reading::Utf8 : Reading::Cp936;
    pass(window_.data(), window_.size(), out);
    window_.clear();
    window_.shrink_to_fit();
}

void DecodeCharset::feed(const char* data, std::size_t size, std::string& out) {
    if (reading_ != Reading::Undecided) {
        pass(data, size, out);
        return;
    }
    std::size_t taken = 0;
    if (window_.empty()) {
        taken = firstNonAscii(data, size);
        out.append(data, taken);
    }
    const std::size_t room = CHARSET_DETECT_WINDOW - window_.size();
    const std::size_t held = std::min(room, size - taken);
    window_.append(data + taken, held);
    taken += held;
    // Decided only once a byte beyond the window is seen: a text that ends
    // with the window is judged whole, cut character included.
    if (window_.size() == CHARSET_DETECT_WINDOW && taken < size) {
        decide(true, out);
        pass(data + taken, size - taken, out);
    }
}

void DecodeCharset::finish(std::string& out) {
    if (reading_ == Reading::Undecided && !window_.empty()) {
        decide(false, out);
    }
    if (reading_ == Reading::Utf8) {
        utf8_.finish(out);
    }
}

}  // namespace cli
