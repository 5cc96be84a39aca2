#include "outcome.h"

namespace cli {

Outcome Outcome::usage(std::string problem) {
    return {ExitStatus::Usage, std::move(problem)};
}

Outcome Outcome::inputOutput(const std::string& name, const std::string& reason) {
    return {ExitStatus::InputOutput, name + ": " + reason};
}

Outcome Outcome::codec(const char* what, CodecStatus status) {
    return {ExitStatus::InvalidInput, std::string(what) + ": " + codecStatusText(status)};
}

}  // namespace cli
