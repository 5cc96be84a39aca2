// The two things the tool does, from parsed options to an outcome.
#pragma once

#include "command_line.h"
#include "outcome.h"

namespace cli {

Outcome runEncode(const Options& options);
Outcome runDecode(const Options& options);

}  // namespace cli
