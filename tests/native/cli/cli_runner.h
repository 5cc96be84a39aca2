// Runs the built varnotel binary as a child process and collects what it
// writes and how it ends.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

struct CliResult {
    int exitStatus = -1;  // -1 when a signal ended it
    int signal = 0;
    std::string out;
    std::string err;
};

struct CliCall {
    std::vector<std::string> args;
    std::string input;       // written to a pipe on standard input
    std::string inputFile;   // if set, standard input is this file instead
    std::string tempDir;     // TMPDIR of the child, if set
};

CliResult runCli(const CliCall& call);

// Shorthand: arguments and the text piped to standard input.
CliResult runCli(const std::vector<std::string>& args, const std::string& input = "");

// A child left running with standard input open, for interrupting it.
class RunningCli {
public:
    explicit RunningCli(const CliCall& call);
    ~RunningCli();
    void writeInput(const std::string& data);
    // Sends the signal and waits for the end.
    CliResult stop(int signalNumber);

private:
    pid_t pid_ = -1;
    int stdinFd_ = -1;
};
