#pragma once
// Whole-file reads and atomic whole-file replacement for files that hold user data.
#include <windows.h>
#include <string>

namespace Quorvane {

enum FileReadResult {
    FileRead,
    // Neither the file nor its folder exists: nothing is there to lose.
    FileMissing,
    // The file exists but could not be read.
    FileUnreadable
};

// Read access only, shared with everyone; a sharing violation is retried for a short while.
// Files above maxSize count as unreadable. openError, when given, gets the Win32 error when
// the file could not even be opened (another program holds it, access is denied), else 0.
FileReadResult ReadFileContents(const std::wstring& path, size_t maxSize, std::string& bytes, DWORD* openError = 0);

// Writes "<path>.tmp" beside the file, flushes it and moves it over the file, so the file
// holds either the old or the new bytes whatever happens. The temporary file never outlives
// a failure. Replacements run one at a time.
bool ReplaceFileContents(const std::wstring& path, const std::string& bytes);

}  // namespace Quorvane
