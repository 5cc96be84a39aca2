// A deterministic mixed corpus for the benchmark and the tool's tests:
// runs of text-like bytes (words, punctuation, line breaks), of structured
// binary (records of slowly changing little-endian numbers) and of random
// bytes, in random order and lengths. The same seed gives the same bytes,
// produced piece by piece so any size fits in little memory.
#pragma once

#include <cstddef>
#include <cstdint>

class CorpusGenerator {
public:
    explicit CorpusGenerator(std::uint64_t seed);
    void fill(std::uint8_t* out, std::size_t size);

private:
    enum class Kind { Text, Records, Random };

    std::uint64_t next();
    void startRun();
    std::size_t emitText(std::uint8_t* out, std::size_t size);
    std::size_t emitRecords(std::uint8_t* out, std::size_t size);
    std::size_t emitRandom(std::uint8_t* out, std::size_t size);

    std::uint64_t state_;
    Kind kind_ = Kind::Text;
    std::size_t runLeft_ = 0;
    std::uint32_t record_[4] = {};
    std::size_t recordPos_ = 0;
    const char* word_ = "";  // the rest of the word being written
};
