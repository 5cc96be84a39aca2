#include "command_line.h"

#include <cctype>
#include <vector>

#include "cli_constants.h"

namespace cli {
namespace {

enum class OptionId { Decode, Charset, Wrap, IgnoreGarbage, Output, Help, Version };

struct OptionSpec {
    OptionId id;
    char shortName;  // 0: long form only
    const char* longName;
    bool takesValue;
};

constexpr OptionSpec OPTION_TABLE[] = {
    {OptionId::Decode, 'd', "decode", false},
    {OptionId::Charset, 0, "charset", true},
    {OptionId::Wrap, 'w', "wrap", true},
    {OptionId::IgnoreGarbage, 'i', "ignore-garbage", false},
    {OptionId::Output, 'o', "output", true},
    {OptionId::Help, 0, "help", false},
    {OptionId::Version, 0, "version", false},
};

Outcome usageProblem(const std::string& problem) {
    return Outcome::usage(problem + " (try '" + PROGRAM_NAME + " --help')");
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

Outcome parseWrap(const std::string& value, std::uint64_t& columns) {
    const Outcome invalid = usageProblem("invalid wrap size: '" + value + "'");
    if (value.empty()) {
        return invalid;
    }
    std::uint64_t result = 0;
    for (char c : value) {
        if (c < '0' || c > '9' || result > (UINT64_MAX - 9) / 10) {
            return invalid;
        }
        result = result * 10 + static_cast<std::uint64_t>(c - '0');
    }
    columns = result;
    return Outcome::success();
}

Outcome parseCharset(const std::string& value, Charset& charset) {
    if (equalsIgnoringCase(value, "utf-8")) {
        charset = Charset::Utf8;
    } else if (equalsIgnoringCase(value, "cp936")) {
        charset = Charset::Cp936;
    } else {
        return usageProblem("invalid charset: '" + value + "' (utf-8 or cp936)");
    }
    return Outcome::success();
}

// Applies one recognised option. `stop` is set by --help and --version,
// which end the parsing at once, as GNU tools do.
Outcome applyOption(OptionId id, const std::string& value, Options& options, bool& stop) {
    switch (id) {
        case OptionId::Decode:
            options.mode = Mode::Decode;
            return Outcome::success();
        case OptionId::Charset:
            return parseCharset(value, options.charset);
        case OptionId::Wrap:
            return parseWrap(value, options.wrapColumns);
        case OptionId::IgnoreGarbage:
            options.ignoreGarbage = true;
            return Outcome::success();
        case OptionId::Output:
            if (value.empty()) {
                return usageProblem("empty output file name");
            }
            options.output = value;
            return Outcome::success();
        case OptionId::Help:
            options.showHelp = stop = true;
            return Outcome::success();
        case OptionId::Version:
            options.showVersion = stop = true;
            return Outcome::success();
    }
    return Outcome::success();
}

// An exact long name, or else the one long name that starts with `name`.
Outcome findLongOption(const std::string& name, const OptionSpec*& found) {
    found = nullptr;
    int prefixMatches = 0;
    for (const OptionSpec& spec : OPTION_TABLE) {
        const std::string longName = spec.longName;
        if (longName == name) {
            found = &spec;
            return Outcome::success();
        }
        if (!name.empty() && longName.compare(0, name.size(), name) == 0) {
            found = &spec;
            ++prefixMatches;
        }
    }
    if (prefixMatches != 1) {
        return usageProblem("unrecognized option '--" + name + "'");
    }
    return Outcome::success();
}

class Parser {
public:
    Parser(int argc, const char* const* argv, Options& options) : argc_(argc), argv_(argv), options_(options) {}

    Outcome run() {
        std::vector<std::string> operands;
        bool optionsEnded = false;
        bool commandAllowed = true;
        for (index_ = 1; index_ < argc_; ++index_) {
            const std::string arg = argv_[index_];
            if (optionsEnded || arg == STANDARD_STREAM || arg.empty() || arg[0] != '-') {
                if (commandAllowed && operands.empty() && !optionsEnded && (arg == "encode" || arg == "decode")) {
                    command_ = arg;
                } else {
                    operands.push_back(arg);
                }
                commandAllowed = false;
                continue;
            }
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            Outcome outcome = arg[1] == '-' ? parseLong(arg.substr(2)) : parseShortCluster(arg);
            if (!outcome.ok() || stop_) {
                return outcome;
            }
        }
        return finish(operands);
    }

private:
    Outcome parseLong(const std::string& body) {
        const std::size_t equals = body.find('=');
        const std::string name = body.substr(0, equals);
        const OptionSpec* spec = nullptr;
        Outcome outcome = findLongOption(name, spec);
        if (!outcome.ok()) {
            return outcome;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!spec->takesValue) {
                return usageProblem(std::string("option '--") + spec->longName + "' doesn't allow an argument");
            }
            value = body.substr(equals + 1);
        } else if (spec->takesValue && !takeNextArgument(value)) {
            return usageProblem(std::string("option '--") + spec->longName + "' requires an argument");
        }
        return applyOption(spec->id, value, options_, stop_);
    }

    Outcome parseShortCluster(const std::string& arg) {
        for (std::size_t pos = 1; pos < arg.size(); ++pos) {
            const OptionSpec* spec = findShort(arg[pos]);
            if (spec == nullptr) {
                return usageProblem(std::string("invalid option -- '") + arg[pos] + "'");
            }
            std::string value;
            if (spec->takesValue) {
                value = arg.substr(pos + 1);
                pos = arg.size();
                if (value.empty() && !takeNextArgument(value)) {
                    return usageProblem(std::string("option requires an argument -- '") + spec->shortName + "'");
                }
            }
            Outcome outcome = applyOption(spec->id, value, options_, stop_);
            if (!outcome.ok() || stop_) {
                return outcome;
            }
        }
        return Outcome::success();
    }

    static const OptionSpec* findShort(char c) {
        for (const OptionSpec& spec : OPTION_TABLE) {
            if (spec.shortName != 0 && spec.shortName == c) {
                return &spec;
            }
        }
        return nullptr;
    }

    bool takeNextArgument(std::string& value) {
        if (index_ + 1 >= argc_) {
            return false;
        }
        value = argv_[++index_];
        return true;
    }

    Outcome finish(const std::vector<std::string>& operands) {
        if (command_ == "encode" && options_.mode == Mode::Decode) {
            return usageProblem("'encode' cannot be combined with --decode");
        }
        if (command_ == "decode") {
            options_.mode = Mode::Decode;
        }
        if (operands.size() > 1) {
            return usageProblem("extra operand '" + operands[1] + "'");
        }
        if (!operands.empty()) {
            options_.input = operands[0];
        }
        return Outcome::success();
    }

    int argc_;
    const char* const* argv_;
    Options& options_;
    int index_ = 1;
    bool stop_ = false;
    std::string command_;
};

}  // namespace

Outcome parseCommandLine(int argc, const char* const* argv, Options& options) {
    return Parser(argc, argv, options).run();
}

}  // namespace cli
