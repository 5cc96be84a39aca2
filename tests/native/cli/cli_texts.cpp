#include "cli_texts.h"

std::string symbolsAsUtf8(const std::string& cp936) {
    std::string out;
    for (std::size_t i = 0; i < cp936.size(); ++i) {
        if (cp936.compare(i, 2, "\xA3\xA1") == 0) {
            out += "！";
            ++i;
        } else if (cp936.compare(i, 2, "\xA3\xA4") == 0) {
            out += "￥";
            ++i;
        } else {
            out += cp936[i];
        }
    }
    return out;
}

std::string corpusBytes(std::size_t size, std::uint64_t seed) {
    std::string bytes(size, '\0');
    CorpusGenerator(seed).fill(reinterpret_cast<std::uint8_t*>(bytes.data()), size);
    return bytes;
}
