#include "core/File.h"

namespace Quorvane {

namespace {

const int kSharingRetries = 10;
const DWORD kSharingRetryPause = 100;

struct AccessMode {
    DWORD desiredAccess;
    DWORD shareMode;
};

AccessMode ModeOf(File::Access access)
{
    AccessMode mode = {};
    switch (access) {
    case File::ReadShared:
        mode.desiredAccess = GENERIC_READ;
        mode.shareMode = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        break;
    case File::ReadWrite:
        mode.desiredAccess = GENERIC_READ | GENERIC_WRITE;
        mode.shareMode = FILE_SHARE_READ;
        break;
    case File::AppendShared:
        // Reading the attributes lets the caller ask for the size.
        mode.desiredAccess = FILE_APPEND_DATA | FILE_READ_ATTRIBUTES;
        mode.shareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    case File::ReadAppendAlone:
        mode.desiredAccess = GENERIC_READ | FILE_APPEND_DATA;
        mode.shareMode = 0;
        break;
    }
    return mode;
}

}  // namespace

bool File::Open(const std::wstring& path, DWORD creationDisposition, Access access)
{
    Close();
    AccessMode mode = ModeOf(access);
    m_handle = CreateFileW(path.c_str(), mode.desiredAccess, mode.shareMode, NULL, creationDisposition,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    return IsOpen();
}

bool File::OpenWhenFree(const std::wstring& path, DWORD creationDisposition, Access access)
{
    for (int attempt = 0;; ++attempt) {
        if (Open(path, creationDisposition, access))
            return true;
        if (GetLastError() != ERROR_SHARING_VIOLATION || attempt == kSharingRetries)
            return false;
        Sleep(kSharingRetryPause);
    }
}

bool File::Read(void* buffer, DWORD size)
{
    DWORD done = 0;
    return IsOpen() && ReadFile(m_handle, buffer, size, &done, NULL) && done == size;
}

bool File::Write(const void* buffer, DWORD size)
{
    DWORD done = 0;
    return IsOpen() && WriteFile(m_handle, buffer, size, &done, NULL) && done == size;
}

bool File::GetSize(ULONGLONG& size) const
{
    LARGE_INTEGER value;
    if (!IsOpen() || !GetFileSizeEx(m_handle, &value))
        return false;
    size = value.QuadPart;
    return true;
}

bool File::Flush()
{
    return IsOpen() && FlushFileBuffers(m_handle);
}

bool File::Close()
{
    if (!IsOpen())
        return true;
    BOOL closed = CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    return closed != FALSE;
}

}  // namespace Quorvane
