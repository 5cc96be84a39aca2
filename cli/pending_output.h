// Output collected in memory and written in large pieces.
#pragma once

#include "cli_constants.h"
#include "file_io.h"
#include "outcome.h"

namespace cli {

// Writes and empties `buffer` (a std::string or a ByteArray) once it holds
// WRITE_CHUNK bytes, or at once when `force` is set.
template <class Buffer>
Outcome writePending(File& file, Buffer& buffer, bool force = false) {
    if (buffer.empty() || (!force && buffer.size() < WRITE_CHUNK)) {
        return Outcome::success();
    }
    Outcome outcome = file.writeAll(buffer.data(), buffer.size());
    buffer.clear();
    return outcome;
}

}  // namespace cli
