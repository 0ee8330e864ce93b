// The controls in a real window: messages posted at the places layout gave the elements,
// handled by the window's own message loop, and what the window then shows.
#include "PaintFixture.h"
#include "htmlengine/document/controls/CalendarDays.h"
#include "htmlengine/document/controls/CalendarGeometry.h"

namespace {

class ControlWindow : public PaintTest {
protected:
    bool PopupOpen() { return (State(Find("popup")) & STATE_EXPANDED) != 0; }
};

}  // namespace

TEST_F(ControlWindow, TypingSelectingAndPastingInAnEdit)
{
    Load("<input id=t style='width: 200px'><p id=other>other</p>");
    RECT edit = Place("#t");
    ClickAt(Center("#t"));
    TypeChars(L"hello");
    EXPECT_EQ(L"\"hello\"", Value(Find("#t")));
    Record();  // painted once: the edit knows where its characters are
    MouseDown({ edit.left + 2, (edit.top + edit.bottom) / 2 });  // before the first character
    PostMessageW(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(edit.right - 4, (edit.top + edit.bottom) / 2));
    MouseUp({ edit.right - 4, (edit.top + edit.bottom) / 2 });
    KeyWithControl('C');
    EXPECT_EQ(L"hello", ClipboardText());
    Key(VK_END);
    KeyWithControl('V');
    EXPECT_EQ(L"\"hellohello\"", Value(Find("#t")));
    Pump(GetDoubleClickTime() + 100);  // a second press at once would be a double click
    ClickAt({ edit.left + 2, (edit.top + edit.bottom) / 2 });  // the caret goes to the start
    TypeChars(L">");
    EXPECT_EQ(L"\">hellohello\"", Value(Find("#t")));
}

TEST_F(ControlWindow, ASelectOpenedByMouseChoosesByKeyboardAndAPressOutsideChoosesNothing)
{
    Load("<select id=s style='width: 160px'><caption></caption><button role=dropdown></button><popup>"
         "<option value=1>One</option><option value=2>Two</option><option value=3>Three</option></popup></select>"
         "<p id=other style='margin-top: 150px'>other</p>");
    ClickAt(Center("#s"));
    ASSERT_TRUE(PopupOpen());
    RECT select = Place("#s"), popup = Place("popup");
    EXPECT_GE(popup.top, select.bottom - 1);  // under its select
    EXPECT_GE(popup.right - popup.left, select.right - select.left);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from s" }, events_);

    ClickAt(Center("#s"));
    ASSERT_TRUE(PopupOpen());
    Key(VK_DOWN);
    ClickAt(Center("#other"));
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    EXPECT_EQ(1u, events_.size());
}

// A press on the drop button focuses its select; Alt+Down and F4 open the list, Escape closes
// only the list: its release never reaches the page's own Escape rule.
TEST_F(ControlWindow, ASelectOpensOnAltDownAndF4AndItsEscapeStaysWithTheList)
{
    Load("<style>body { on-key-up-27: host closeDialog(); }</style><body>"
         "<select id=s style='width: 160px'><caption></caption><button role=dropdown tabindex=-1 id=drop></button>"
         "<popup><option value=1>One</option><option value=2>Two</option></popup></select></body>");
    ClickAt(Center("#drop"));
    ASSERT_TRUE(PopupOpen());
    EXPECT_NE(0u, State(Find("#s")) & STATE_FOCUS);
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupOpen());
    PostMessageW(hwnd_, WM_SYSKEYDOWN, VK_DOWN, (1 << 29) | 1);  // Alt held
    PostMessageW(hwnd_, WM_SYSKEYUP, VK_DOWN, (1 << 29) | 0xC0000001);
    Pump();
    ASSERT_TRUE(PopupOpen());
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    Key(VK_F4);
    ASSERT_TRUE(PopupOpen());
    Key(VK_ESCAPE);
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from s" }, events_);  // no closeDialog()
    Key(VK_ESCAPE);
    EXPECT_EQ("closeDialog()", events_.back());  // closed, Escape is the page's again
}

TEST_F(ControlWindow, ATitleShowsItsLinesAfterTheHoverDelay)
{
    Load("<p><span id=tip title='First line&#13;Second line'>hover here</span></p>");
    POINT over = Center("#tip");
    PostMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    Pump();
    std::vector<std::string> before = Recorded("text");
    for (const std::string& line : before)
        EXPECT_EQ(std::string::npos, line.find("First line"));
    std::vector<std::string> lines;
    auto has = [&](const char* part) {
        for (const std::string& line : lines)
            if (line.find(part) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil([&] {
        lines = Recorded("text");
        return has("\"First line\"");
    }));
    EXPECT_TRUE(has("\"Second line\""));
    ClickAt(over);  // a press hides it
    for (const std::string& line : Recorded("text"))
        EXPECT_EQ(std::string::npos, line.find("First line"));
}

TEST_F(ControlWindow, ADayChosenInTheCalendar)
{
    Load("<input type=date id=d value=2026-11-23 firstDayOfWeek=0 style='width: 120px'>");
    RECT input = Place("#d");
    Record();  // painted: the glyph is where it shows
    htmlengine::Day start = htmlengine::GridStart(2026, 11, 0);  // Monday 2026-10-26
    long offset = htmlengine::DayNumber({ 2026, 11, 5 }) - htmlengine::DayNumber(start);
    htmlengine::Rect cell = htmlengine::calendar::DayCell(int(offset / 7), int(offset % 7));
    // Tests run side by side on one desktop: another test's new window may take the focus, which
    // closes the calendar as it should. Then the day's click chooses nothing, and we open it again.
    for (int attempt = 0; attempt < 5 && events_.empty(); ++attempt) {
        ClickAt({ input.right - 10, (input.top + input.bottom) / 2 });
        Record();  // the calendar is painted under the input
        ClickAt({ input.left + cell.x + cell.width / 2, input.bottom + cell.y + cell.height / 2 });
    }
    EXPECT_EQ(L"date:" + std::to_wstring(FileTimeOf(2026, 11, 5)), Value(Find("#d")));
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from d" }, events_);
}

TEST_F(ControlWindow, PixelProbesOfAFillAndAPicture)
{
    Load("<style>html { background-color: white; accent-color: #2B6A99 } body { margin: 0 }"
         "#fill { background-color: #2B6A99; width: 50px; height: 30px }</style>"
         "<div id=fill></div><img id=icon src=res:TESTICON.png>"
         "<div style='overflow: hidden; height: 20px'>clipped</div><input type=checkbox id=box checked>");
    POINT fill = Center("#fill");
    EXPECT_TRUE(Near(Pixel(fill.x, fill.y), 0x2B6A99)) << std::hex << Pixel(fill.x, fill.y);
    RECT icon = Place("#icon");
    EXPECT_TRUE(Near(Pixel(icon.left + 3, icon.top + 7), 0x2B6A99));  // the disc, opaque
    EXPECT_TRUE(Near(Pixel(icon.left, icon.top), 0xFFFFFF));  // its transparent corner
    RECT box = Place("#box");  // smoothed after a clipped box: still drawn where it belongs
    EXPECT_TRUE(Near(Pixel(box.left + 6, box.top + 9), 0xFFFFFF, 60)) << "the tick";
    EXPECT_TRUE(Near(Pixel(box.left + 2, box.top + 2), 0x2B6A99, 24)) << "the checked fill";
}

TEST_F(ControlWindow, ATitleidPopupShowsAtThePointerAndGoesOnAPress)
{
    Load("<style>popup { background-color: white; border: 1px solid #8F9BA5 }</style>"
         "<p><img id=icon src=res:TESTICON.png titleid=explain></p><popup id=explain>Billed in QuickBooks</popup>");
    POINT over = Center("#icon");
    PostMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    ASSERT_TRUE(PumpUntil([&] { return (State(Find("#explain")) & STATE_EXPANDED) != 0; }));
    RECT tip = Place("#explain");
    EXPECT_GE(tip.top, over.y);  // below the pointer
    EXPECT_LE(tip.top, over.y + 40);
    ClickAt(over);
    EXPECT_EQ(0u, State(Find("#explain")) & STATE_EXPANDED);
}

TEST_F(ControlWindow, TheCursorFollowsCssButLeavesTheProgramsWaitCursorUntilTheMouseMoves)
{
    Load("<p><a id=link href='#x'>link</a></p><input id=edit>");
    auto cursorOver = [&](const char* selector) {
        POINT at = Center(selector);
        ClientToScreen(hwnd_, &at);
        SetCursorPos(at.x, at.y);
        SendMessageW(hwnd_, WM_SETCURSOR, WPARAM(hwnd_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), cursorOver("#link"));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_IBEAM), cursorOver("#edit"));
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));  // the program at work
    SendMessageW(hwnd_, WM_SETCURSOR, WPARAM(hwnd_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), GetCursor());
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), cursorOver("#link"));  // moved: the page's again
}

// A window made hidden and never resized gets no WM_SIZE: its page is still laid out at its size.
TEST_F(EngineTest, APageInAWindowNeverResizedIsLaidOutAtTheWindowsSize)
{
    Load("<style>body { margin: 0 }</style><div id=block>text</div>");
    RECT client = {}, block = {};
    GetClientRect(hwnd_, &client);
    HTMLayoutGetElementLocation(Find("#block"), &block, LOCATION_VIEW_BORDER_BOX);
    EXPECT_EQ(client.right, block.right - block.left);
}
