#include "PaintFixture.h"

#include <cstdlib>

namespace {

struct Probe {
    int x, y;
    unsigned rgb = 0xFFFFFFFF;
};

void CALLBACK ReadPixel(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID param)
{
    auto* probe = static_cast<Probe*>(param);
    if (probe->x < 0 || probe->y < 0 || UINT(probe->x) >= width || UINT(probe->y) >= height)
        return;
    const BYTE* p = pixels + size_t(probe->y) * stride + size_t(probe->x) * 4;
    probe->rgb = (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}

}  // namespace

bool Near(unsigned rgb, unsigned expected, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((rgb >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// The window stays hidden: posted input reaches it all the same, and under Wine without a
// window manager hiding a shown window takes two seconds.
void PaintTest::SetUp()
{
    ASSERT_NO_FATAL_FAILURE(EngineTest::SetUp());
    RECT frame = { 0, 0, 400, 300 };
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
}

unsigned PaintTest::Pixel(int x, int y)
{
    Probe probe { x, y };
    EXPECT_EQ(ENGINE_OK, HTMLayoutTestPaintWindow(hwnd_, ReadPixel, &probe));
    return probe.rgb;
}

RECT PaintTest::Place(const char* selector)
{
    RECT place = {};
    HELEMENT element = Find(selector);
    EXPECT_NE(nullptr, element) << selector;
    if (element)
        HTMLayoutGetElementLocation(element, &place, LOCATION_VIEW_BORDER_BOX);
    return place;
}

POINT PaintTest::Center(const char* selector)
{
    RECT place = Place(selector);
    return { (place.left + place.right) / 2, (place.top + place.bottom) / 2 };
}

void PaintTest::Pump(DWORD milliseconds)
{
    DWORD until = GetTickCount() + milliseconds;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds)
            Sleep(10);
    } while (int(until - GetTickCount()) > 0);
}

bool PaintTest::PumpUntil(const std::function<bool()>& done, DWORD limit)
{
    DWORD until = GetTickCount() + limit;
    while (!done()) {
        if (int(until - GetTickCount()) <= 0)
            return false;
        Pump(10);
    }
    return true;
}

void PaintTest::MouseDown(POINT at, WPARAM keys)
{
    PostMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd_, WM_LBUTTONDOWN, keys, MAKELPARAM(at.x, at.y));
    Pump();
}

void PaintTest::MouseUp(POINT at)
{
    PostMessageW(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Pump();
}

void PaintTest::ClickAt(POINT at)
{
    MouseDown(at);
    MouseUp(at);
}

void PaintTest::Key(UINT key)
{
    PostMessageW(hwnd_, WM_KEYDOWN, key, 1);
    PostMessageW(hwnd_, WM_KEYUP, key, 0xC0000001);
    Pump();
}

void PaintTest::KeyWithControl(UINT key)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(hwnd_, WM_KEYDOWN, key, 1);
    PostMessageW(hwnd_, WM_KEYUP, key, 0xC0000001);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void PaintTest::TypeChars(const std::wstring& text)
{
    for (wchar_t c : text)
        PostMessageW(hwnd_, WM_CHAR, c, 1);
    Pump();
}
