#include "ui/main/MainWindow.h"

#include "core/Boundary.h"
#include "ui/main/MainView.h"
#include "ui/main/MessageLoop.h"
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/EventHandler.h"
#include "ui/toolkit/PageResources.h"

namespace {

const int kTitleString = 103;
const int kClassNameString = 109;
const int kProgramIcon = 107;
const UINT kIgnoredMessage = 0x10000000;

wchar_t g_title[100];
wchar_t g_className[100];

MainView* ViewOf(HWND window)
{
    return window ? reinterpret_cast<MainView*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK NotifyCallback(UINT, WPARAM, LPARAM lParam, LPVOID)
{
    LRESULT answer = 0;
    Quorvane::RunAtBoundary(L"main window notification", [&] {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        MainView* view = ViewOf(header->hwndFrom);
        if (header->code == NOTIFY_LOAD_DATA && view)
            answer = view->OnLoadData(reinterpret_cast<LOAD_DATA_NOTIFICATION*>(header));
        else if (header->code == NOTIFY_ATTACH_BEHAVIOR)
            htmlayout::attach_behavior(reinterpret_cast<ATTACH_BEHAVIOR_NOTIFICATION*>(header));
    });
    return answer;
}

void LoadMainPage(HWND window, HINSTANCE instance)
{
    wchar_t baseUrl[2048] = L"file://";
    GetModuleFileNameW(nullptr, baseUrl + 7, 2048 - 7);
    const unsigned char* page = nullptr;
    UINT size = 0;
    if (LoadHtmlResource(instance, L"DEFAULT", &page, &size))
        HTMLayoutLoadHtmlEx(window, page, size, baseUrl);
}

void OnCreate(HWND window, const CREATESTRUCTW* creation)
{
    MainView* view = static_cast<MainView*>(creation->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    HTMLayoutSetCallback(window, NotifyCallback, nullptr);
    htmlayout::attach_event_handler(window, view, GROUP_ALL);
    LoadMainPage(window, creation->hInstance);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MainView* view = ViewOf(window);
    switch (message) {
    case WM_CREATE: OnCreate(window, reinterpret_cast<CREATESTRUCTW*>(lParam)); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_CLOSE:
        if (view)
            view->OnCloseRequested();
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SHOWWINDOW:
        // A hide must not start a load.
        if (wParam && view) {
            view->SetDataLoadProgress(L"Prepare to start", 0);
            PostMessageW(window, kStartLoadingMessage, 0, 0);
        }
        return 0;
    case WM_GETMINMAXINFO: {
        MINMAXINFO* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize.x = kMinimumWindowWidth;
        limits->ptMinTrackSize.y = kMinimumWindowHeight;
        return 0;
    }
    case kStartLoadingMessage:
        if (view)
            view->OnStartLoading();
        return 0;
    case WM_ENTERIDLE:
        // A modal dialog over the window (the close question) waits in its own loop, which is
        // not alertable: the calls an import posts meanwhile, its progress and its end, run here.
        RunPostedCalls();
        return 0;
    case kIgnoredMessage: return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

ATOM RegisterMainWindowClass(HINSTANCE instance)
{
    LoadStringW(instance, kTitleString, g_title, 100);
    LoadStringW(instance, kClassNameString, g_className, 100);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIcon));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = g_className;
    return RegisterClassExW(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand, MainView* view)
{
    HWND window = CreateWindowExW(0, g_className, g_title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                  nullptr, nullptr, instance, view);
    if (!window)
        return nullptr;
    view->SetHwnd(window);
    // Asking for 1 x 1 makes the minimum tracking size the window's size.
    RECT frame;
    GetWindowRect(window, &frame);
    MoveWindow(window, frame.left, frame.top, 1, 1, TRUE);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    BOOL handled = FALSE;
    LRESULT answer = HTMLayoutProcND(window, message, wParam, lParam, &handled);
    if (handled)
        return answer;
    answer = 0;
    if (!Quorvane::RunAtBoundary(L"main window", [&] { answer = HandleMessage(window, message, wParam, lParam); }))
        answer = DefWindowProcW(window, message, wParam, lParam);
    return answer;
}
