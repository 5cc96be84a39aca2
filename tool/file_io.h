// Whole-file reading and writing for the file half, with the reason of
// every failure so the user can be told.
#pragma once

#include <windows.h>

#include "byte_types.h"

enum class FileReadError {
    None,
    IsFolder,
    TooLarge,     // longer than the compressed block takes
    OutOfMemory,
    ShortRead,    // fewer bytes arrived than the file's length
    System,       // see systemError
};

struct FileReadResult {
    FileReadError error;
    DWORD systemError;
    ByteArray bytes;
};

// Opens the file denying other writers and reads its whole length.
FileReadResult readWholeFile(const AnsiText& path);

// Creates or replaces the file. An existing target that we could not open
// for writing alone (read-only, in use, a folder) is refused first; the
// bytes then go to a temporary file in the target's folder, moved over the
// target only once complete, so a failed write never destroys an existing
// file. Returns ERROR_SUCCESS or the system's error code.
DWORD writeWholeFile(const AnsiText& path, const ByteArray& bytes);

// The system's own description of an error code, without the final line
// break.
AnsiText systemErrorText(DWORD code);
