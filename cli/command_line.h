// The command line: `varnotel [encode|decode] [OPTION]... [FILE]`, options
// spelled the GNU way (clustered short options, long options with "=" or a
// separate argument, unique prefixes of long options, "--" ending options).
#pragma once

#include <cstdint>
#include <string>

#include "cli_constants.h"
#include "outcome.h"

namespace cli {

enum class Mode { Encode, Decode };

// How the symbol text is written and read. Automatic means UTF-8 for
// encode and the detection rule for decode.
enum class Charset { Automatic, Utf8, Cp936 };

struct Options {
    Mode mode = Mode::Encode;
    Charset charset = Charset::Automatic;
    std::uint64_t wrapColumns = 0;  // 0: one line
    bool ignoreGarbage = false;
    std::string input = STANDARD_STREAM;
    std::string output = STANDARD_STREAM;
    bool showHelp = false;
    bool showVersion = false;
};

// Fills `options`; a failure is a usage error naming the problem.
Outcome parseCommandLine(int argc, const char* const* argv, Options& options);

// The text of --help.
std::string helpText();

}  // namespace cli
