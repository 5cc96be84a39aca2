#include "cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace {

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    return {fds[0], fds[1]};
}

// Starts the binary; the pipes' far ends become its standard streams.
pid_t spawn(const CliCall& call, const Pipe& in, const Pipe* out, const Pipe* err) {
    std::vector<char*> argv;
    std::string program = VARNOTEL_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> args = call.args;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        int inFd = in.read;
        if (!call.inputFile.empty()) {
            inFd = open(call.inputFile.c_str(), O_RDONLY);
        }
        dup2(inFd, 0);
        if (out != nullptr) {
            dup2(out->write, 1);
            dup2(err->write, 2);
        }
        if (!call.tempDir.empty()) {
            setenv("TMPDIR", call.tempDir.c_str(), 1);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

CliResult waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    CliResult result;
    if (WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

}  // namespace

CliResult runCli(const CliCall& call) {
    signal(SIGPIPE, SIG_IGN);
    Pipe in = makePipe();
    Pipe out = makePipe();
    Pipe err = makePipe();
    const pid_t pid = spawn(call, in, &out, &err);
    close(in.read);
    close(out.write);
    close(err.write);
    fcntl(in.write, F_SETFL, O_NONBLOCK);

    std::string collected[2];
    std::size_t written = 0;
    int inFd = in.write;
    if (call.input.empty()) {
        close(inFd);
        inFd = -1;
    }
    int openOutputs = 2;
    while (openOutputs > 0) {
        pollfd fds[3] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}, {inFd, POLLOUT, 0}};
        poll(fds, inFd >= 0 ? 3 : 2, -1);
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP)) == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                collected[i].append(buffer, static_cast<std::size_t>(got));
            } else {
                close(fds[i].fd);
                (i == 0 ? out.read : err.read) = -1;
                --openOutputs;
            }
        }
        if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
            const ssize_t put = write(inFd, call.input.data() + written, call.input.size() - written);
            if (put > 0) {
                written += static_cast<std::size_t>(put);
            }
            if (put < 0 || written == call.input.size()) {
                close(inFd);
                inFd = -1;
            }
        }
    }
    if (inFd >= 0) {
        close(inFd);
    }
    CliResult result = waitFor(pid);
    result.out = std::move(collected[0]);
    result.err = std::move(collected[1]);
    return result;
}

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
    return runCli(CliCall{args, input, "", ""});
}

RunningCli::RunningCli(const CliCall& call) {
    Pipe in = makePipe();
    pid_ = spawn(call, in, nullptr, nullptr);
    close(in.read);
    stdinFd_ = in.write;
}

RunningCli::~RunningCli() {
    if (stdinFd_ >= 0) {
        close(stdinFd_);
    }
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitFor(pid_);
    }
}

void RunningCli::writeInput(const std::string& data) {
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t put = write(stdinFd_, data.data() + written, data.size() - written);
        if (put <= 0) {
            throw std::runtime_error("write to the child failed");
        }
        written += static_cast<std::size_t>(put);
    }
}

CliResult RunningCli::stop(int signalNumber) {
    kill(pid_, signalNumber);
    CliResult result = waitFor(pid_);
    pid_ = -1;
    return result;
}
