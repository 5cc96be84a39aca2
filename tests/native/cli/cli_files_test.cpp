// Files and standard streams: input and output errors, the spool of piped
// input, and output that replaces its target only on success.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "cli_runner.h"
#include "cli_texts.h"
#include "codec_status.h"
#include "compressed_block.h"
#include "scratch_dir.h"

namespace {

class CliFiles : public ::testing::Test {
protected:
    ScratchDir scratch;
};

TEST_F(CliFiles, FileStandardInputAndPipeGiveTheSameText) {
    const std::string input = corpusBytes(700000, 5);
    scratch.write("in.bin", input);
    ASSERT_EQ(mkdir(scratch.path("tmp").c_str(), 0700), 0);

    const CliResult fromFile = runCli({"encode", scratch.path("in.bin")});
    ASSERT_EQ(fromFile.exitStatus, 0) << fromFile.err;
    // Standard input redirected from the file: its length is known.
    const CliResult fromRedirect = runCli(CliCall{{"encode"}, "", scratch.path("in.bin"), ""});
    // A pipe goes through a spool file in TMPDIR, which is gone afterwards.
    const CliResult fromPipe = runCli(CliCall{{"encode", "-"}, input, "", scratch.path("tmp")});
    EXPECT_TRUE(fromRedirect.out == fromFile.out);
    EXPECT_TRUE(fromPipe.out == fromFile.out);
    EXPECT_TRUE(ScratchDir::namesIn(scratch.path("tmp")).empty());

    scratch.write("in.txt", fromFile.out);
    const CliResult decoded = runCli({"decode", "-o", "-", scratch.path("in.txt")});
    EXPECT_TRUE(decoded.out == input);
}

TEST_F(CliFiles, InputAndOutputErrorsExitThreeWithTheSystemReason) {
    scratch.write("in.txt", ABC_SYMBOLS_UTF8);
    const std::string missing = scratch.path("missing");
    const std::string inMissingDir = scratch.path("no/such/dir/out");
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"missing input", {"encode", missing}, missing + ": No such file or directory"},
        {"missing input to decode", {"decode", missing}, missing + ": No such file or directory"},
        {"directory as input", {"decode", scratch.dir()}, scratch.dir() + ": Is a directory"},
        {"output in a missing directory", {"decode", scratch.path("in.txt"), "-o", inMissingDir},
         inMissingDir + ": No such file or directory"},
        {"output on a full device", {"decode", scratch.path("in.txt"), "-o", "/dev/full"},
         "/dev/full: No space left on device"},
        {"output over a directory", {"encode", scratch.path("in.txt"), "-o", scratch.path("sub")},
         scratch.path("sub") + ": Is a directory"},
    };
    ASSERT_EQ(mkdir(scratch.path("sub").c_str(), 0700), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.exitStatus, 3);
        EXPECT_EQ(result.err, "varnotel: " + c.err + "\n");
    }
    EXPECT_EQ(scratch.names(), (std::set<std::string>{"in.txt", "sub"})) << "a temporary file was left";
}

TEST_F(CliFiles, InputBeyondTheBlockLimitIsRefusedBeforeReading) {
    const std::string path = scratch.path("huge");
    scratch.write("huge", "");
    ASSERT_EQ(truncate(path.c_str(), BLOCK_MAX_INPUT + 1), 0);  // sparse: nothing is written
    const CliResult result = runCli({"encode", path, "-o", scratch.path("out")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, std::string("varnotel: cannot encode: ") + codecStatusText(CodecStatus::InputTooLarge) + "\n");
    EXPECT_EQ(scratch.names(), std::set<std::string>{"huge"});
}

TEST_F(CliFiles, FailedRunsLeaveAnExistingOutputByteForByte) {
    const std::string precious("precious\n\0bytes", 15);
    scratch.write("out", precious);
    scratch.write("bad.txt", ABC_SYMBOLS_UTF8 + "@");
    const std::string out = scratch.path("out");
    const std::vector<std::vector<std::string>> failing = {
        {"decode", scratch.path("bad.txt"), "-o", out},        // invalid text
        {"decode", scratch.path("missing"), "-o", out},        // unreadable input
        {"--bogus", "-o", out},                               // usage error
    };
    for (const auto& args : failing) {
        SCOPED_TRACE(args[1]);
        EXPECT_NE(runCli(args).exitStatus, 0);
        EXPECT_EQ(scratch.read("out"), precious);
        EXPECT_EQ(scratch.names(), (std::set<std::string>{"bad.txt", "out"}));
    }
}

TEST_F(CliFiles, SuccessReplacesTheOutputAndKeepsItsPermissions) {
    scratch.write("out", "old content that is longer than the new one");
    ASSERT_EQ(chmod(scratch.path("out").c_str(), 0640), 0);
    const CliResult result = runCli({"decode", "-o", scratch.path("out")}, ABC_SYMBOLS_UTF8);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(scratch.read("out"), "abc");
    struct stat status {};
    ASSERT_EQ(stat(scratch.path("out").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(scratch.names(), std::set<std::string>{"out"});

    EXPECT_EQ(runCli({"encode", "--output=" + scratch.path("new")}, "abc").exitStatus, 0);
    EXPECT_EQ(scratch.read("new"), ABC_SYMBOLS_UTF8 + "\n");
}

TEST_F(CliFiles, DevicesAreWrittenInPlaceNotReplaced) {
    EXPECT_EQ(runCli({"decode", "-o", "/dev/null"}, ABC_SYMBOLS_UTF8).exitStatus, 0);
    struct stat status {};
    ASSERT_EQ(stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(CliFiles, InterruptedRunRemovesItsTemporaryFile) {
    scratch.write("out", "precious");
    const std::string text = runCli({"encode"}, corpusBytes(200000, 9)).out;
    RunningCli running(CliCall{{"decode", "-o", scratch.path("out")}, "", "", ""});
    running.writeInput(text.substr(0, text.size() / 2));
    // Wait for the temporary output beside "out" to appear.
    for (int tries = 0; tries < 500 && scratch.names().size() < 2; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(scratch.names().size(), 2u) << "no temporary output appeared";
    const CliResult result = running.stop(SIGTERM);
    EXPECT_EQ(result.signal, SIGTERM);
    EXPECT_EQ(scratch.read("out"), "precious");
    EXPECT_EQ(scratch.names(), std::set<std::string>{"out"});
}

}  // namespace
