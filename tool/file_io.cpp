#include "file_io.h"

#include <new>

#include "compressed_block.h"

namespace {

// Closes the handle when the scope ends.
struct FileHandle {
    HANDLE handle;
    explicit FileHandle(HANDLE h) : handle(h) {}
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
};

FileReadResult readFailure(FileReadError error, DWORD systemError = ERROR_SUCCESS) {
    return {error, systemError, {}};
}

// ReadFile and WriteFile take at most a DWORD per call.
constexpr DWORD IO_CHUNK = 1 << 20;

DWORD lastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

bool writeAll(HANDLE file, const ByteArray& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t rest = bytes.size() - done;
        const DWORD wanted = rest < IO_CHUNK ? static_cast<DWORD>(rest) : IO_CHUNK;
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, wanted, &written, nullptr) || written != wanted) {
            return false;
        }
        done += written;
    }
    return true;
}

// The folder part of a full path, without the final separator.
AnsiText folderOf(const AnsiText& fullPath) {
    const std::size_t slash = fullPath.find_last_of("\\/");
    return slash == AnsiText::npos ? AnsiText(".") : fullPath.substr(0, slash);
}

}  // namespace

FileReadResult readWholeFile(const AnsiText& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return readFailure(FileReadError::IsFolder);
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) {
        return readFailure(FileReadError::System, GetLastError());
    }
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file.handle, &length)) {
        return readFailure(FileReadError::System, GetLastError());
    }
    if (static_cast<std::uint64_t>(length.QuadPart) > BLOCK_MAX_INPUT) {
        return readFailure(FileReadError::TooLarge);
    }
    FileReadResult result{FileReadError::None, ERROR_SUCCESS, {}};
    try {
        result.bytes.resize(static_cast<std::size_t>(length.QuadPart));
    } catch (const std::bad_alloc&) {
        return readFailure(FileReadError::OutOfMemory);
    }
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const std::size_t rest = result.bytes.size() - done;
        const DWORD wanted = rest < IO_CHUNK ? static_cast<DWORD>(rest) : IO_CHUNK;
        DWORD got = 0;
        if (!ReadFile(file.handle, result.bytes.data() + done, wanted, &got, nullptr)) {
            return readFailure(FileReadError::System, GetLastError());
        }
        if (got == 0) {
            return readFailure(FileReadError::ShortRead);
        }
        done += got;
    }
    return result;
}

DWORD writeWholeFile(const AnsiText& path, const ByteArray& bytes) {
    char fullPath[MAX_PATH * 4];
    const DWORD fullLength = GetFullPathNameA(path.c_str(), sizeof fullPath, fullPath, nullptr);
    if (fullLength == 0 || fullLength >= sizeof fullPath) {
        return fullLength == 0 ? GetLastError() : static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE);
    }
    // An existing target must be writable by us alone, as if written in
    // place: a read-only file, a folder or a file in use is refused before
    // anything is made.
    {
        FileHandle target(CreateFileA(fullPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD openError = target.handle == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (openError != ERROR_SUCCESS && openError != ERROR_FILE_NOT_FOUND) {
            return openError;
        }
    }
    char temporaryPath[MAX_PATH];
    if (!GetTempFileNameA(folderOf(fullPath).c_str(), "vnt", 0, temporaryPath)) {
        return GetLastError();
    }
    DWORD error = ERROR_SUCCESS;
    {
        FileHandle file(CreateFileA(temporaryPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.handle == INVALID_HANDLE_VALUE || !writeAll(file.handle, bytes)) {
            error = lastErrorOr(ERROR_WRITE_FAULT);
        }
    }
    if (error == ERROR_SUCCESS && !MoveFileExA(temporaryPath, fullPath, MOVEFILE_REPLACE_EXISTING)) {
        error = lastErrorOr(ERROR_WRITE_FAULT);
    }
    if (error != ERROR_SUCCESS) {
        DeleteFileA(temporaryPath);
    }
    return error;
}

AnsiText systemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    AnsiText text = length ? AnsiText(buffer, length) : "系统错误 " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}
