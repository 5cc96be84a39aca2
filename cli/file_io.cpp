#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli_constants.h"

namespace cli {
namespace {

const char* const STDIN_NAME = "standard input";
const char* const STDOUT_NAME = "standard output";

std::string errnoReason() {
    return std::strerror(errno);
}

// The temporary output path to remove when a signal or console event ends
// the process; null when there is none.
const char* volatile g_pendingTempPath = nullptr;

// ---- Platform primitives -------------------------------------------------

#ifdef _WIN32

using FileStatus = struct _stati64;

std::string win32Reason(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length != 0 ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
}

int openForReading(const std::string& path) { return _open(path.c_str(), _O_RDONLY | _O_BINARY); }
int openDevice(const std::string& path) { return _open(path.c_str(), _O_WRONLY | _O_BINARY); }
int readSome(int fd, void* buffer, std::size_t size) { return _read(fd, buffer, static_cast<unsigned>(size)); }
int writeSome(int fd, const void* data, std::size_t size) { return _write(fd, data, static_cast<unsigned>(size)); }
int closeDescriptor(int fd) { return _close(fd); }
bool seekToStart(int fd) { return _lseeki64(fd, 0, SEEK_SET) == 0; }
std::int64_t currentOffset(int fd) { return _lseeki64(fd, 0, SEEK_CUR); }
int syncDescriptor(int fd) { return _commit(fd); }
int statusOf(int fd, FileStatus& status) { return _fstati64(fd, &status); }
int statusOf(const std::string& path, FileStatus& status) { return _stati64(path.c_str(), &status); }
bool isRegular(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
bool isDevice(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFCHR; }
int processId() { return _getpid(); }

std::string temporaryDirectory() {
    char buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return length != 0 && length <= MAX_PATH ? std::string(buffer, length) : std::string(".\\");
}

// The output temporary may be deleted while open (FILE_SHARE_DELETE), which
// the console event handler relies on.
int createExclusive(const std::string& path, bool spool, bool& exists, std::string& reason) {
    if (spool) {
        const int fd = _open(path.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_TEMPORARY | _O_SHORT_LIVED,
                             _S_IREAD | _S_IWRITE);
        exists = fd < 0 && errno == EEXIST;
        reason = errnoReason();
        return fd;
    }
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        reason = win32Reason(error);
        return -1;
    }
    exists = false;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (fd < 0) {
        reason = errnoReason();
        CloseHandle(handle);
        DeleteFileA(path.c_str());
    }
    return fd;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& reason) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    reason = win32Reason(GetLastError());
    return false;
}

void removeFile(const char* path) { DeleteFileA(path); }

void keepPermissionsOf(const std::string&, int) {}

BOOL WINAPI onConsoleEvent(DWORD) {
    const char* path = g_pendingTempPath;
    if (path != nullptr) {
        DeleteFileA(path);
    }
    return FALSE;  // the default handler ends the process
}

void installInterruptCleanup() {
    static bool installed = false;
    if (!installed) {
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
        installed = true;
    }
}

#else

using FileStatus = struct stat;

int openForReading(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }
int openDevice(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CLOEXEC); }
int readSome(int fd, void* buffer, std::size_t size) { return static_cast<int>(::read(fd, buffer, size)); }
int writeSome(int fd, const void* data, std::size_t size) { return static_cast<int>(::write(fd, data, size)); }
int closeDescriptor(int fd) { return ::close(fd); }
bool seekToStart(int fd) { return ::lseek(fd, 0, SEEK_SET) == 0; }
std::int64_t currentOffset(int fd) { return ::lseek(fd, 0, SEEK_CUR); }
int syncDescriptor(int fd) { return ::fsync(fd); }
int statusOf(int fd, FileStatus& status) { return ::fstat(fd, &status); }
int statusOf(const std::string& path, FileStatus& status) { return ::stat(path.c_str(), &status); }
bool isRegular(const FileStatus& status) { return S_ISREG(status.st_mode); }
bool isDevice(const FileStatus& status) {
    return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) || S_ISFIFO(status.st_mode) ||
           S_ISSOCK(status.st_mode);
}
int processId() { return static_cast<int>(::getpid()); }

std::string temporaryDirectory() {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/";
}

// A spool loses its name at once, so nothing is left even if the process
// is killed.
int createExclusive(const std::string& path, bool spool, bool& exists, std::string& reason) {
    const int fd = ::open(path.c_str(), (spool ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_CLOEXEC,
                          spool ? 0600 : 0666);
    exists = fd < 0 && errno == EEXIST;
    reason = errnoReason();
    if (fd >= 0 && spool) {
        ::unlink(path.c_str());
    }
    return fd;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& reason) {
    if (::rename(from.c_str(), to.c_str()) == 0) {
        return true;
    }
    reason = errnoReason();
    return false;
}

void removeFile(const char* path) { ::unlink(path); }

// A replaced file keeps its permission bits.
void keepPermissionsOf(const std::string& path, int fd) {
    FileStatus status;
    if (statusOf(path, status) == 0) {
        ::fchmod(fd, status.st_mode & 0777);
    }
}

void onFatalSignal(int signalNumber) {
    const char* path = g_pendingTempPath;
    if (path != nullptr) {
        ::unlink(path);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void installInterruptCleanup() {
    static bool installed = false;
    if (!installed) {
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            std::signal(signalNumber, onFatalSignal);
        }
        installed = true;
    }
}

#endif

// ---- Shared logic --------------------------------------------------------

// Creates a new file named STEM-PID-N.tmp, trying the next N while the name
// is taken.
Outcome createUnique(const std::string& stem, bool spool, const std::string& nameForErrors, int& fd,
                     std::string& path) {
    std::string reason;
    for (int attempt = 0; attempt < TEMP_NAME_ATTEMPTS; ++attempt) {
        path = stem + "-" + std::to_string(processId()) + "-" + std::to_string(attempt) + ".tmp";
        bool exists = false;
        fd = createExclusive(path, spool, exists, reason);
        if (fd >= 0) {
            return Outcome::success();
        }
        if (!exists) {
            break;
        }
    }
    return Outcome::inputOutput(nameForErrors, reason);
}

}  // namespace

void useBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
#endif
}

File::File(int descriptor, std::string name, bool owned)
    : descriptor_(descriptor), name_(std::move(name)), owned_(owned) {}

File::~File() {
    close();
}

File::File(File&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), name_(std::move(other.name_)), owned_(other.owned_) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        name_ = std::move(other.name_);
        owned_ = other.owned_;
    }
    return *this;
}

Outcome File::read(std::uint8_t* buffer, std::size_t capacity, std::size_t& got) {
    for (;;) {
        const int result = readSome(descriptor_, buffer, capacity);
        if (result >= 0) {
            got = static_cast<std::size_t>(result);
            return Outcome::success();
        }
        if (errno != EINTR) {
            return Outcome::inputOutput(name_, errnoReason());
        }
    }
}

Outcome File::writeAll(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const int result = writeSome(descriptor_, bytes, size);
        if (result < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Outcome::inputOutput(name_, errnoReason());
        }
        bytes += result;
        size -= static_cast<std::size_t>(result);
    }
    return Outcome::success();
}

Outcome File::rewind() {
    return seekToStart(descriptor_) ? Outcome::success() : Outcome::inputOutput(name_, errnoReason());
}

Outcome File::sync() {
    return syncDescriptor(descriptor_) == 0 ? Outcome::success() : Outcome::inputOutput(name_, errnoReason());
}

Outcome File::close() {
    const int descriptor = std::exchange(descriptor_, -1);
    if (descriptor < 0 || !owned_) {
        return Outcome::success();
    }
    return closeDescriptor(descriptor) == 0 ? Outcome::success() : Outcome::inputOutput(name_, errnoReason());
}

bool File::remainingRegularBytes(std::uint64_t& size) const {
    FileStatus status;
    if (statusOf(descriptor_, status) != 0 || !isRegular(status)) {
        return false;
    }
    // Standard input may be a file whose start someone else already read.
    const std::int64_t offset = currentOffset(descriptor_);
    const std::int64_t total = static_cast<std::int64_t>(status.st_size);
    const std::int64_t remaining = offset <= 0 ? total : offset < total ? total - offset : 0;
    size = static_cast<std::uint64_t>(remaining);
    return true;
}

Outcome openInput(const std::string& path, File& file) {
    if (path == STANDARD_STREAM) {
        file = File(0, STDIN_NAME, false);
        return Outcome::success();
    }
    const int fd = openForReading(path);
    if (fd < 0) {
        return Outcome::inputOutput(path, errnoReason());
    }
    file = File(fd, path, true);
    return Outcome::success();
}

Outcome openSpool(File& file) {
    const std::string nameForErrors = "temporary file in " + temporaryDirectory();
    int fd = -1;
    std::string path;
    Outcome outcome = createUnique(temporaryDirectory() + PROGRAM_NAME + "-spool", true, nameForErrors, fd, path);
    if (outcome.ok()) {
        file = File(fd, nameForErrors, true);
    }
    return outcome;
}

OutputTarget::~OutputTarget() {
    discard();
}

Outcome OutputTarget::open(const std::string& path) {
    if (path == STANDARD_STREAM) {
        file_ = File(1, STDOUT_NAME, false);
        return Outcome::success();
    }
    FileStatus status;
    if (statusOf(path, status) == 0 && isDevice(status)) {
        const int fd = openDevice(path);
        if (fd < 0) {
            return Outcome::inputOutput(path, errnoReason());
        }
        file_ = File(fd, path, true);
        return Outcome::success();
    }
    installInterruptCleanup();
    int fd = -1;
    Outcome outcome = createUnique(path + "." + PROGRAM_NAME, false, path, fd, tempPath_);
    if (!outcome.ok()) {
        tempPath_.clear();
        return outcome;
    }
    g_pendingTempPath = tempPath_.c_str();
    keepPermissionsOf(path, fd);
    finalPath_ = path;
    file_ = File(fd, path, true);
    return Outcome::success();
}

Outcome OutputTarget::commit() {
    if (tempPath_.empty()) {
        return file_.close();
    }
    Outcome outcome = file_.sync();
    if (outcome.ok()) {
        outcome = file_.close();
    }
    std::string reason;
    if (outcome.ok() && !replaceFile(tempPath_, finalPath_, reason)) {
        outcome = Outcome::inputOutput(finalPath_, reason);
    }
    if (!outcome.ok()) {
        discard();
        return outcome;
    }
    g_pendingTempPath = nullptr;
    tempPath_.clear();
    return outcome;
}

void OutputTarget::discard() {
    file_.close();
    if (!tempPath_.empty()) {
        g_pendingTempPath = nullptr;
        removeFile(tempPath_.c_str());
        tempPath_.clear();
    }
}

}  // namespace cli
