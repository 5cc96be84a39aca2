// The command line: spellings that mean the same, usage errors, --help and
// --version.
#include <gtest/gtest.h>

#include <vector>

#include "cli_runner.h"
#include "cli_texts.h"

namespace {

TEST(CliUsage, SpellingsOfTheSameRequestGiveTheSameResult) {
    const std::string input = corpusBytes(3000, 3);
    const std::string expected = runCli({"encode", "--wrap=40", "--charset=cp936"}, input).out;
    ASSERT_FALSE(expected.empty());
    const std::vector<std::vector<std::string>> spellings = {
        {"-w40", "--charset=cp936"},
        {"-w", "40", "--charset", "cp936"},
        {"--wrap", "40", "--charset=CP936"},
        {"--wr=40", "--ch=cp936"},                  // unique prefixes
        {"--charset=cp936", "encode", "-w", "40"},  // options around the command
        {"encode", "-w", "40", "--charset=cp936", "-"},
    };
    for (const auto& args : spellings) {
        SCOPED_TRACE(args.front());
        EXPECT_TRUE(runCli(args, input).out == expected);
    }
    const std::string text = runCli({"encode"}, "abc").out;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"-d"}, {"--decode"}, {"--dec"}, {"decode", "-d"}, {"-di"}, {"-id"}, {"decode", "-"}}) {
        SCOPED_TRACE(args.back());
        EXPECT_EQ(runCli(args, text).out, "abc");
    }
}

TEST(CliUsage, UsageErrorsExitTwoWithOneLineAndNoOutput) {
    const struct {
        std::vector<std::string> args;
        const char* problem;
    } cases[] = {
        {{"--bogus"}, "unrecognized option '--bogus'"},
        {{"-x"}, "invalid option -- 'x'"},
        {{"encode", "-w"}, "option requires an argument -- 'w'"},
        {{"--wrap"}, "option '--wrap' requires an argument"},
        {{"-w", "12a"}, "invalid wrap size: '12a'"},
        {{"-w", "-1"}, "invalid wrap size: '-1'"},
        {{"--wrap=99999999999999999999"}, "invalid wrap size: '99999999999999999999'"},
        {{"--charset=latin1"}, "invalid charset: 'latin1' (utf-8 or cp936)"},
        {{"--help=yes"}, "option '--help' doesn't allow an argument"},
        {{"--ver"}, nullptr},  // unique prefix of --version: no error
        {{"--e"}, "unrecognized option '--e'"},
        {{"a", "b"}, "extra operand 'b'"},
        {{"decode", "a", "b"}, "extra operand 'b'"},
        {{"encode", "-d"}, "'encode' cannot be combined with --decode"},
        {{"-o"}, "option requires an argument -- 'o'"},
        {{"-o", ""}, "empty output file name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliResult result = runCli(c.args, "abc");
        if (c.problem == nullptr) {
            EXPECT_EQ(result.exitStatus, 0);
            continue;
        }
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, std::string("varnotel: ") + c.problem + " (try 'varnotel --help')\n");
    }
}

TEST(CliUsage, HelpAndVersionGoToStandardOutput) {
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    for (const char* mention : {"Usage: varnotel [encode]", "--charset=", "--wrap=", "--ignore-garbage", "Exit status"}) {
        EXPECT_NE(help.out.find(mention), std::string::npos) << mention;
    }
    // --help wins over what follows it, as in GNU tools.
    EXPECT_EQ(runCli({"decode", "--help", "--bogus"}).out, help.out);

    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "varnotel (Varnotel) 1.1\n");
}

}  // namespace
