#include "WindowLayoutFixture.h"

namespace {

void CALLBACK CollectText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

}  // namespace

void WindowLayoutTest::SetUp()
{
    ASSERT_NO_FATAL_FAILURE(EngineTest::SetUp());
    SetWindowLongPtrW(hwnd_, GWL_STYLE, WS_POPUP);
    Resize(800, 600);
    ASSERT_EQ(ENGINE_OK, HTMLayoutTestSetFixedMetrics(hwnd_, 7, 16));
}

void WindowLayoutTest::Resize(int width, int height)
{
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

std::string WindowLayoutTest::Box(const char* selector, UINT area)
{
    HELEMENT he = Find(selector);
    RECT rect {};
    BOOL visible = FALSE;
    HTMLayoutIsElementVisible(he, &visible);
    if (!he || !visible)
        return "none";
    HTMLayoutGetElementLocation(he, &rect, area);
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

std::string WindowLayoutTest::BoxDump()
{
    return BoxDumpOf(hwnd_);
}

std::string BoxDumpOf(HWND window)
{
    std::wstring dump;
    HTMLayoutTestDumpBoxes(window, CollectText, &dump);
    for (wchar_t& c : dump)
        if (c == L'\u00D7')
            c = L'x';
    return Narrow(dump);
}

HELEMENT WindowLayoutTest::At(int x, int y)
{
    HELEMENT he = nullptr;
    HTMLayoutTestElementAt(hwnd_, POINT { x, y }, &he);
    return he;
}
