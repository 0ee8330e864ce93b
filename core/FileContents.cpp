#include "core/FileContents.h"

#include "core/CriticalSection.h"
#include "core/File.h"

namespace Quorvane {

namespace {

bool WriteDurably(const std::wstring& path, const std::string& bytes)
{
    File file;
    return file.Open(path, CREATE_ALWAYS, File::ReadWrite) &&
           file.Write(bytes.data(), static_cast<DWORD>(bytes.size())) && file.Flush() && file.Close();
}

}  // namespace

FileReadResult ReadFileContents(const std::wstring& path, size_t maxSize, std::string& bytes, DWORD* openError)
{
    File file;
    if (openError)
        *openError = 0;
    if (!file.OpenWhenFree(path, OPEN_EXISTING, File::ReadShared)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileMissing;
        if (openError)
            *openError = error;
        return FileUnreadable;
    }
    ULONGLONG size = 0;
    if (!file.GetSize(size) || size > maxSize)
        return FileUnreadable;
    bytes.assign(static_cast<size_t>(size), '\0');
    if (size > 0 && !file.Read(&bytes[0], static_cast<DWORD>(size)))
        return FileUnreadable;
    return FileRead;
}

bool ReplaceFileContents(const std::wstring& path, const std::string& bytes)
{
    // Two threads saving one file would share its temporary file, and one save would fail.
    static CriticalSection replacing;
    CriticalSectionLock lock(replacing);
    std::wstring temporary = path + L".tmp";
    if (WriteDurably(temporary, bytes) &&
        MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace Quorvane
