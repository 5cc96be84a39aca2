// Files of the tool: the input, the spool that gives a pipe a length, and
// the output that replaces its target only on success. Unbuffered: the
// callers read and write in large chunks. Paths are narrow strings (the
// ANSI code page on Windows).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "outcome.h"

namespace cli {

// Standard input and output carry bytes, never translated line ends.
void useBinaryStandardStreams();

class File {
public:
    File() = default;
    File(int descriptor, std::string name, bool owned);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // `got` is 0 at the end of the file.
    Outcome read(std::uint8_t* buffer, std::size_t capacity, std::size_t& got);
    Outcome writeAll(const void* data, std::size_t size);
    Outcome rewind();
    Outcome sync();
    Outcome close();
    // The bytes from the current position to the end of a regular file;
    // false for pipes, terminals and devices.
    bool remainingRegularBytes(std::uint64_t& size) const;
    const std::string& name() const { return name_; }

private:
    int descriptor_ = -1;
    std::string name_;
    bool owned_ = false;
};

// PATH, or standard input for "-".
Outcome openInput(const std::string& path, File& file);

// An unnamed temporary file in the temporary directory; it disappears when
// closed, also when the process dies.
Outcome openSpool(File& file);

// Standard output for "-". Otherwise a new temporary file beside PATH that
// replaces PATH on commit() and is removed when the run fails or is
// interrupted. A PATH that is a device or a FIFO is written directly.
class OutputTarget {
public:
    OutputTarget() = default;
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    Outcome open(const std::string& path);
    File& file() { return file_; }
    Outcome commit();

private:
    void discard();

    File file_;
    std::string finalPath_;
    std::string tempPath_;  // empty when writing directly
};

}  // namespace cli
