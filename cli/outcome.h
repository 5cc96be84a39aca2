// How a run of the tool ends: an exit status and, for a failure, the one
// line that goes to standard error.
#pragma once

#include <string>

#include "codec_status.h"

namespace cli {

enum class ExitStatus {
    Success = 0,
    InvalidInput = 1,  // the codec refused the data
    Usage = 2,
    InputOutput = 3,   // reading or writing failed; the system says why
};

struct Outcome {
    ExitStatus status = ExitStatus::Success;
    std::string message;  // without the program name

    bool ok() const { return status == ExitStatus::Success; }

    static Outcome success() { return {}; }
    static Outcome usage(std::string problem);
    // "NAME: REASON", NAME being a path or "standard input"/"standard output".
    static Outcome inputOutput(const std::string& name, const std::string& reason);
    static Outcome codec(const char* what, CodecStatus status);
};

}  // namespace cli
