#include "LayoutFixture.h"

namespace {

void CALLBACK CollectText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

}  // namespace

void LayoutTest::SetUp()
{
    EngineTest::SetUp();
    SetWindowLongPtrW(hwnd_, GWL_STYLE, WS_POPUP);
    Resize(800, 600);
    ASSERT_EQ(ENGINE_OK, HTMLayoutTestSetFixedMetrics(hwnd_, 7, 16));
}

void LayoutTest::Resize(int width, int height)
{
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

std::string LayoutTest::Box(const char* selector, UINT area)
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

std::string LayoutTest::BoxDump()
{
    std::wstring dump;
    HTMLayoutTestDumpBoxes(hwnd_, CollectText, &dump);
    std::string narrow;
    for (wchar_t c : dump)
        narrow += c == L'\u00D7' ? 'x' : char(c);
    return narrow;
}

std::wstring LayoutTest::RecordPaint()
{
    std::wstring paint;
    HTMLayoutTestRecordPaint(hwnd_, CollectText, &paint);
    return paint;
}

HELEMENT LayoutTest::At(int x, int y)
{
    HELEMENT he = nullptr;
    HTMLayoutTestElementAt(hwnd_, POINT { x, y }, &he);
    return he;
}

void RunCases(LayoutTest& test, const std::vector<LayoutCase>& cases)
{
    struct Access : LayoutTest {
        using LayoutTest::Box;
        using LayoutTest::BoxDump;
        using LayoutTest::Load;
    };
    Access& access = static_cast<Access&>(test);
    for (const LayoutCase& c : cases) {
        access.Load(c.markup);
        for (const std::string& expected : c.boxes) {
            size_t space = expected.find(' ');
            std::string selector = expected.substr(0, space);
            EXPECT_EQ(expected.substr(space + 1), access.Box(selector.c_str())) << c.name << ": " << selector << "\n"
                                                                                << access.BoxDump();
        }
    }
}
