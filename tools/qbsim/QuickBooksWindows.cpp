#include "tools/qbsim/QuickBooksWindows.h"

namespace QbSim {

namespace {

const wchar_t kFrameClass[] = L"MauiFrame";
const wchar_t kFormClass[] = L"MauiForm";

void RegisterClasses()
{
    for (const wchar_t* name : { kFrameClass, kFormClass }) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(0);
        windowClass.lpszClassName = name;
        RegisterClassW(&windowClass);  // fails harmlessly when already registered
    }
}

}  // namespace

QuickBooksWindows::QuickBooksWindows(const std::wstring& frameTitle, const std::vector<std::wstring>& formTitles)
    : m_frameTitle(frameTitle),
      m_formTitles(formTitles),
      m_ready(CreateEventW(0, TRUE, FALSE, 0)),
      m_thread(0),
      m_threadId(0),
      m_frame(0)
{
    m_thread = CreateThread(0, 0, ThreadMain, this, 0, &m_threadId);
    if (m_thread)
        WaitForSingleObject(m_ready, INFINITE);
}

QuickBooksWindows::~QuickBooksWindows()
{
    if (m_thread) {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    CloseHandle(m_ready);
}

void QuickBooksWindows::CreateWindows()
{
    RegisterClasses();
    HINSTANCE instance = GetModuleHandleW(0);
    m_frame =
        CreateWindowExW(0, kFrameClass, m_frameTitle.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, 0, 0, instance, 0);
    if (!m_frame)
        return;
    CLIENTCREATESTRUCT client = {};
    HWND mdi =
        CreateWindowExW(0, L"MDICLIENT", 0, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, m_frame, 0, instance, &client);
    for (const std::wstring& title : m_formTitles)
        CreateWindowExW(0, kFormClass, title.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, mdi, 0, instance, 0);
}

DWORD WINAPI QuickBooksWindows::ThreadMain(void* self)
{
    QuickBooksWindows* windows = static_cast<QuickBooksWindows*>(self);
    MSG message;
    PeekMessageW(&message, 0, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts WM_QUIT
    try {
        windows->CreateWindows();
    } catch (...) {
        windows->m_frame = 0;
    }
    SetEvent(windows->m_ready);
    while (GetMessageW(&message, 0, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (windows->m_frame)
        DestroyWindow(windows->m_frame);
    return 0;
}

}  // namespace QbSim
