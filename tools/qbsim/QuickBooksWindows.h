#pragma once
// The windows of a running QuickBooks, for tests of the open-window check: a "MauiFrame" main
// window with the given title, its "MDIClient", and one "MauiForm" per open form title. They
// live on a thread of their own that answers window messages (GetWindowTextW from another
// thread sends one), until the object is destroyed. Needs a display (Xvfb under Wine).
#include <windows.h>
#include <string>
#include <vector>

namespace QbSim {

class QuickBooksWindows {
public:
    QuickBooksWindows(const std::wstring& frameTitle, const std::vector<std::wstring>& formTitles);
    ~QuickBooksWindows();

    // False when the windows could not be made (no display).
    bool IsOpen() const { return m_frame != 0; }

private:
    QuickBooksWindows(const QuickBooksWindows&);
    QuickBooksWindows& operator=(const QuickBooksWindows&);

    static DWORD WINAPI ThreadMain(void* self);
    void CreateWindows();

    std::wstring m_frameTitle;
    std::vector<std::wstring> m_formTitles;
    HANDLE m_ready;
    HANDLE m_thread;
    DWORD m_threadId;
    HWND m_frame;
};

}  // namespace QbSim
