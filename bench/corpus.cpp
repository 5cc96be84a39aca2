#include "corpus.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t MIN_RUN = 4 * 1024;
constexpr std::size_t RUN_SPREAD = 60 * 1024;
constexpr std::size_t RECORD_BYTES = 16;

// Percent of runs of each kind; the rest are random bytes.
constexpr unsigned TEXT_PERCENT = 55;
constexpr unsigned RECORDS_PERCENT = 30;

const char* const WORDS[] = {
    "the ",     "of ",       "and ",    "symbol ",  "text ",    "block ",  "stream ",  "window ",
    "file ",    "bytes ",    "length ", "decimal ", "list ",    "comma ",  "brace ",   "zlib ",
    "header ",  "magic ",    "room ",   "check ",   "value ",   "skin ",   "frame ",   "caption ",
    "button ",  "label ",    "paint ",  "sheet ",   "atlas ",   "sprite ", "region ",  "message ",
    "is ",      "a ",        "to ",     "in ",      "it ",      "that ",   "with ",    "for ",
    "when ",    "every ",    "one ",    "two ",     "three ",   "four ",   "2024 ",    "0x3E ",
    "users, ",  "paste. ",   "keep; ",  "(again) ", "\"text\" ", "- ",      "\n",       "\n\n",
    "encode ",  "decode ",   "copy ",   "restore ", "exactly ", "printable ", "plain ", "without ",
};
constexpr std::size_t WORD_COUNT = sizeof WORDS / sizeof WORDS[0];

}  // namespace

CorpusGenerator::CorpusGenerator(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

// xorshift64*: fast, and the same everywhere.
std::uint64_t CorpusGenerator::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

void CorpusGenerator::startRun() {
    const unsigned pick = static_cast<unsigned>(next() % 100);
    kind_ = pick < TEXT_PERCENT ? Kind::Text : pick < TEXT_PERCENT + RECORDS_PERCENT ? Kind::Records : Kind::Random;
    runLeft_ = MIN_RUN + static_cast<std::size_t>(next() % RUN_SPREAD);
}

std::size_t CorpusGenerator::emitText(std::uint8_t* out, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        if (*word_ == '\0') {
            word_ = WORDS[next() % WORD_COUNT];
        }
        const std::size_t take = std::min(std::strlen(word_), size - done);
        std::memcpy(out + done, word_, take);
        word_ += take;
        done += take;
    }
    return done;
}

std::size_t CorpusGenerator::emitRecords(std::uint8_t* out, std::size_t size) {
    for (std::size_t done = 0; done < size; ++done) {
        if (recordPos_ == 0) {
            // A counter, a slowly drifting value, a small code and a flag word.
            record_[0] += 1;
            record_[1] += static_cast<std::uint32_t>(next() % 7);
            record_[2] = static_cast<std::uint32_t>(next() % 16);
            record_[3] = (next() % 8 == 0) ? 0xFFFFFFFFu : 0;
        }
        out[done] = static_cast<std::uint8_t>(record_[recordPos_ / 4] >> (8 * (recordPos_ % 4)));
        recordPos_ = (recordPos_ + 1) % RECORD_BYTES;
    }
    return size;
}

std::size_t CorpusGenerator::emitRandom(std::uint8_t* out, std::size_t size) {
    for (std::size_t done = 0; done < size; ++done) {
        out[done] = static_cast<std::uint8_t>(next() >> 56);
    }
    return size;
}

void CorpusGenerator::fill(std::uint8_t* out, std::size_t size) {
    while (size > 0) {
        if (runLeft_ == 0) {
            startRun();
        }
        const std::size_t want = std::min(size, runLeft_);
        const std::size_t done = kind_ == Kind::Text      ? emitText(out, want)
                                 : kind_ == Kind::Records ? emitRecords(out, want)
                                                          : emitRandom(out, want);
        out += done;
        size -= done;
        runLeft_ -= done;
    }
}
