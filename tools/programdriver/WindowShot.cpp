#include "tools/programdriver/WindowShot.h"

#include <stdexcept>

#include "tools/pageshot/PngFile.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"

namespace driver {

void SaveWindowShot(HWND window, const std::wstring& path)
{
    RECT frame = {};
    if (!GetWindowRect(window, &frame) || frame.right <= frame.left || frame.bottom <= frame.top)
        throw DriverError(L"no window to take a picture of for " + path);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    try {
        pageshot::WritePng(path, static_cast<const BYTE*>(pixels), UINT(width), UINT(height), UINT(width) * 4);
    } catch (const std::exception& failure) {
        DeleteObject(bitmap);
        throw DriverError(L"cannot write " + path);
    }
    DeleteObject(bitmap);
}

std::vector<std::pair<std::wstring, std::wstring>> SaveShownWindowShots(DWORD processId, const std::wstring& pathStart)
{
    std::vector<std::pair<std::wstring, std::wstring>> saved;
    for (HWND window : ShownWindowsOf(processId)) {
        std::wstring path = pathStart + L"-" + std::to_wstring(saved.size() + 1) + L".png";
        SaveWindowShot(window, path);
        saved.push_back({ WindowTitle(window), path });
    }
    return saved;
}

}  // namespace driver
