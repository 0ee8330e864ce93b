#pragma once
// Owns one WinHTTP handle and closes it once; copying would close it twice.
#include <windows.h>
#include <winhttp.h>

namespace Quorvane {

class WinHttpHandle {
public:
    explicit WinHttpHandle(HINTERNET handle = NULL) : m_handle(handle) {}
    ~WinHttpHandle() { Reset(); }

    HINTERNET Get() const { return m_handle; }
    bool IsSet() const { return m_handle != NULL; }

    void Reset(HINTERNET handle = NULL)
    {
        if (m_handle != NULL)
            WinHttpCloseHandle(m_handle);
        m_handle = handle;
    }

private:
    WinHttpHandle(const WinHttpHandle&);
    WinHttpHandle& operator=(const WinHttpHandle&);

    HINTERNET m_handle;
};

}  // namespace Quorvane
