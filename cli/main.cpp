// varnotel: the symbol-text codec on the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli_constants.h"
#include "command_line.h"
#include "commands.h"
#include "file_io.h"

namespace {

cli::Outcome printToStandardOutput(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        return cli::Outcome::inputOutput("standard output", std::strerror(errno));
    }
    return cli::Outcome::success();
}

cli::Outcome run(int argc, const char* const* argv) {
    cli::Options options;
    cli::Outcome outcome = cli::parseCommandLine(argc, argv, options);
    if (!outcome.ok()) {
        return outcome;
    }
    if (options.showHelp) {
        return printToStandardOutput(cli::helpText());
    }
    if (options.showVersion) {
        return printToStandardOutput(std::string(cli::PROGRAM_NAME) + " (Varnotel) " + VARNOTEL_VERSION + "\n");
    }
    return options.mode == cli::Mode::Encode ? cli::runEncode(options) : cli::runDecode(options);
}

}  // namespace

int main(int argc, char** argv) {
    cli::useBinaryStandardStreams();
    const cli::Outcome outcome = run(argc, argv);
    if (!outcome.ok()) {
        std::fprintf(stderr, "%s: %s\n", cli::PROGRAM_NAME, outcome.message.c_str());
    }
    return static_cast<int>(outcome.status);
}
