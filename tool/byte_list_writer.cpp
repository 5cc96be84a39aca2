#include "byte_list_writer.h"

#include <algorithm>
#include <cstring>

ByteListWriter::ByteListWriter(const ListAlphabet& alphabet) {
    for (unsigned value = 0; value < 256; ++value) {
        AnsiText text = alphabet.separator;
        if (value >= 100) text += alphabet.digits[value / 100];
        if (value >= 10) text += alphabet.digits[value / 10 % 10];
        text += alphabet.digits[value % 10];
        Entry& entry = table_[value];
        std::memset(entry.text, 0, sizeof entry.text);
        std::memcpy(entry.text, text.data(), text.size());
        entry.length = static_cast<std::uint8_t>(text.size());
    }
}

void ByteListWriter::append(const std::uint8_t* bytes, std::size_t size, AnsiText& out) {
    constexpr std::size_t BATCH = 4096;
    char buffer[BATCH * sizeof(Entry::text)];
    while (size > 0) {
        std::size_t count = std::min(size, BATCH);
        char* at = buffer;
        std::size_t i = 0;
        if (first_) {
            const Entry& entry = table_[bytes[0]];
            std::memcpy(at, entry.text + 1, sizeof entry.text - 1);  // no separator
            at += entry.length - 1;
            i = 1;
            first_ = false;
        }
        for (; i < count; ++i) {
            const Entry& entry = table_[bytes[i]];
            std::memcpy(at, entry.text, sizeof entry.text);
            at += entry.length;
        }
        out.append(buffer, static_cast<std::size_t>(at - buffer));
        bytes += count;
        size -= count;
    }
}

std::size_t ByteListWriter::measure(const std::uint8_t* bytes, std::size_t size) const {
    std::size_t length = 0;
    for (std::size_t i = 0; i < size; ++i) length += table_[bytes[i]].length;
    return first_ && size > 0 ? length - 1 : length;  // no separator before the first value
}
