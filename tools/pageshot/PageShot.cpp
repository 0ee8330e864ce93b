// pageshot: loads a page into a real engine window, applies actions as a user would, and
// writes what the window shows as a PNG. See Options.h for the command line.
#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tools/pageshot/Actions.h"
#include "tools/pageshot/Options.h"
#include "tools/pageshot/PageSource.h"
#include "tools/pageshot/PngFile.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const wchar_t kClassName[] = L"PageshotWindow";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    BOOL handled = FALSE;
    LRESULT result = HTMLayoutProcND(hwnd, msg, wParam, lParam, &handled);
    return handled ? result : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->code != NOTIFY_LOAD_DATA)
        return 0;
    auto* request = reinterpret_cast<LOAD_DATA_NOTIFICATION*>(lParam);
    std::vector<unsigned char> data;
    if (static_cast<const pageshot::PageSource*>(param)->Load(request->uri, data))
        HTMLayoutDataReady(header->hwndFrom, request->uri, data.data(), DWORD(data.size()));
    return 0;
}

HWND CreatePageWindow(int width, int height)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.style = CS_DBLCLKS;
    RegisterClassW(&windowClass);
    RECT frame = { 0, 0, width, height };
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowExW(0, kClassName, L"pageshot", WS_OVERLAPPEDWINDOW, 0, 0, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    // Left hidden unless a hover needs the real pointer over it: it paints all the same.
    if (!hwnd)
        throw std::runtime_error("cannot create a window (is there a display?)");
    return hwnd;
}

void CALLBACK PrintErrors(const wchar_t* text, UINT length, LPVOID)
{
    if (length)
        fwprintf(stderr, L"pageshot: the engine could not use:\n%.*ls\n", int(length), text);
}

struct Shot {
    const std::wstring* path;
    std::string failure;
};

void CALLBACK SavePixels(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID param)
{
    auto* shot = static_cast<Shot*>(param);
    try {
        pageshot::WritePng(*shot->path, pixels, width, height, stride);
    } catch (const std::exception& error) {
        shot->failure = error.what();
    }
}

void Run(const pageshot::Options& options)
{
    pageshot::PageSource source(options.page, options.module);
    std::vector<unsigned char> page = source.Page();
    HWND hwnd = CreatePageWindow(options.width, options.height);
    HTMLayoutSetCallback(hwnd, Notify, &source);
    if (!HTMLayoutLoadHtmlEx(hwnd, page.data(), UINT(page.size()), options.page.c_str()))
        throw std::runtime_error("the engine could not load the page");
    pageshot::PumpMessages(50);
    for (const std::wstring& action : options.actions) {
        pageshot::ApplyAction(hwnd, action);
        pageshot::PumpMessages(50);
    }
    HTMLayoutTestErrors(hwnd, PrintErrors, nullptr);
    Shot shot { &options.output, {} };
    if (HTMLayoutTestPaintWindow(hwnd, SavePixels, &shot) != ENGINE_OK)
        throw std::runtime_error("nothing to paint");
    if (!shot.failure.empty())
        throw std::runtime_error(shot.failure);
    // Not destroyed: the process ends now, and under Wine without a window manager taking a
    // shown window down waits two seconds.
}

}  // namespace

int main()
{
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(argv + 1, argv + count);
    LocalFree(argv);
    try {
        Run(pageshot::ParseOptions(arguments));
        return 0;
    } catch (const std::exception& error) {
        fprintf(stderr, "pageshot: %s\n", error.what());
        return 1;
    }
}
