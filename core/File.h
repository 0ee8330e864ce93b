#pragma once
// An owned Win32 file handle with exact-size reads and writes.
#include <windows.h>
#include <string>
#include <boost/noncopyable.hpp>

namespace Quorvane {

class File : private boost::noncopyable {
public:
    enum Access {
        // Read access that leaves the file open to everyone else, so that a backup tool or a
        // second instance holding it never makes it look unreadable.
        ReadShared,
        // Read and write access; others may only read.
        ReadWrite,
        // Appends only; others may read and append too.
        AppendShared,
        // Reads, and appends at the end; fails while anyone else holds the file open.
        ReadAppendAlone
    };

    File() : m_handle(INVALID_HANDLE_VALUE) {}
    ~File() { Close(); }

    // Closes an open handle first. On failure GetLastError tells why.
    bool Open(const std::wstring& path, DWORD creationDisposition, Access access);
    // The same, waiting about a second for a backup tool or scanner that holds the file for a
    // moment to let go. On failure GetLastError still tells why.
    bool OpenWhenFree(const std::wstring& path, DWORD creationDisposition, Access access);
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    // True only when exactly `size` bytes were read or written.
    bool Read(void* buffer, DWORD size);
    bool Write(const void* buffer, DWORD size);
    bool GetSize(ULONGLONG& size) const;
    // Makes the written bytes durable before the caller relies on them.
    bool Flush();
    // True when nothing was open.
    bool Close();

private:
    HANDLE m_handle;
};

}  // namespace Quorvane
