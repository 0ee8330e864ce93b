// The controls' answers to the keyboard and clipboard, driven through the test hooks.
#include "EngineFixture.h"
#include "htmlengine/document/controls/CalendarDays.h"
#include "htmlengine/document/controls/TypeAhead.h"

#include <algorithm>

namespace {

const char kSelectPage[] = "<style>body { on-key-up-27: host closeDialog(); }</style><body>"
                           "<select id=s><caption></caption><button role=dropdown></button><popup>"
                           "<option value=1>Anna</option><option value=2 disabled>Bert</option>"
                           "<option value=3>Berta</option><option value=4>Bruno</option><option value=5>Carl</option>"
                           "</popup></select><p id=elsewhere>text</p></body>";

class ControlInput : public EngineTest {
protected:
    void Key(UINT key, UINT state = 0)
    {
        HTMLayoutTestKeyDown(hwnd_, nullptr, key, state);
        HTMLayoutTestKeyUp(hwnd_, nullptr, key, state);
    }
    bool Open() { return (State(Find("popup")) & STATE_EXPANDED) != 0; }
    std::wstring Highlighted() { return Find("option:current") ? Text(Find("option:current")) : L"(none)"; }
};

}  // namespace

TEST_F(ControlInput, EditsCopyCutAndPasteThroughTheClipboard)
{
    Load("<input id=t value='Hello World' maxlength=14><input type=password id=p value=secret>");
    HELEMENT edit = Find("#t");
    HTMLayoutTestSetFocus(hwnd_, edit);
    Key(VK_HOME);
    for (int i = 0; i < 5; ++i)
        Key(VK_RIGHT, KEYBOARD_SHIFT);
    Key('C', KEYBOARD_CONTROL);
    EXPECT_EQ(L"Hello", ClipboardText());
    Key('X', KEYBOARD_CONTROL);
    EXPECT_EQ(L"\" World\"", Value(edit));
    Key(VK_END);
    Key('V', KEYBOARD_CONTROL);  // cut to the room maxlength leaves
    EXPECT_EQ(L"\" WorldHello\"", Value(edit));
    ASSERT_TRUE(PutOnClipboard(L"abcdef\r\nsecond line"));
    Key('A', KEYBOARD_CONTROL);
    Key('V', KEYBOARD_CONTROL);  // the selection goes, the first line comes
    EXPECT_EQ(L"\"abcdef\"", Value(edit));
    EXPECT_EQ(std::vector<std::string>(3, "event 0x4 from t"), events_);

    ASSERT_TRUE(PutOnClipboard(L"unchanged"));
    HTMLayoutTestSetFocus(hwnd_, Find("#p"));
    Key('A', KEYBOARD_CONTROL);
    Key('C', KEYBOARD_CONTROL);
    Key('X', KEYBOARD_CONTROL);
    EXPECT_EQ(L"unchanged", ClipboardText());  // a password never leaves its edit
    EXPECT_EQ(L"\"secret\"", Value(Find("#p")));
}

TEST_F(ControlInput, SelectionCollapsesAndDeletesAsInAnyEdit)
{
    Load("<input id=t value=abcdef>");
    HELEMENT edit = Find("#t");
    HTMLayoutTestSetFocus(hwnd_, edit);
    Key(VK_LEFT, KEYBOARD_SHIFT);
    Key(VK_LEFT, KEYBOARD_SHIFT);
    Key(VK_LEFT);  // collapses to the selection's start
    HTMLayoutTestType(hwnd_, edit, L"X");
    EXPECT_EQ(L"\"abcdXef\"", Value(edit));
    Key(VK_HOME, KEYBOARD_SHIFT);
    Key(VK_DELETE);
    EXPECT_EQ(L"\"ef\"", Value(edit));
    events_.clear();
    Key(VK_HOME);
    Key(VK_BACK);  // nothing before the caret: nothing changed, nothing told
    EXPECT_TRUE(events_.empty());
}

TEST_F(ControlInput, AnOpenListMovesAHighlightAndChoosesOnEnter)
{
    Load(kSelectPage);
    HTMLayoutTestSetFocus(hwnd_, Find("#s"));
    Key(VK_F4);
    ASSERT_TRUE(Open());
    EXPECT_EQ(L"Anna", Highlighted());  // nothing chosen yet: the first
    Key(VK_DOWN);  // the disabled option is passed over
    EXPECT_EQ(L"Berta", Highlighted());
    Key(VK_END);
    EXPECT_EQ(L"Carl", Highlighted());
    EXPECT_EQ(L"undefined", Value(Find("#s")));  // highlighting is no choice
    HTMLayoutTestType(hwnd_, nullptr, L"b");
    EXPECT_EQ(L"Berta", Highlighted());
    HTMLayoutTestType(hwnd_, nullptr, L"r");  // "br"
    EXPECT_EQ(L"Bruno", Highlighted());
    HTMLayoutTestType(hwnd_, nullptr, L"u");  // "bru"
    EXPECT_EQ(L"Bruno", Highlighted());
    HTMLayoutTestType(hwnd_, nullptr, L"x");  // "brux": no such option, the highlight stays
    EXPECT_EQ(L"Bruno", Highlighted());
    EXPECT_TRUE(events_.empty());
    Key(VK_RETURN);
    EXPECT_FALSE(Open());
    EXPECT_EQ(L"\"4\"", Value(Find("#s")));
    EXPECT_EQ(L"Bruno", Text(Find("caption")));
    EXPECT_EQ(L"(none)", Highlighted());
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from s" }, events_);
}

TEST_F(ControlInput, EscapeAndAPressOutsideCloseWithoutAChoice)
{
    Load(kSelectPage);
    HTMLayoutTestChooseOption(Find("#s"), 0, nullptr);
    events_.clear();
    HTMLayoutTestSetFocus(hwnd_, Find("#s"));
    Key(VK_DOWN, KEYBOARD_ALT);
    ASSERT_TRUE(Open());
    Key(VK_DOWN);
    Key(VK_ESCAPE);  // its key-up stays with the list: the page's Escape rule does not run
    EXPECT_FALSE(Open());
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(L"\"1\"", Value(Find("#s")));

    Click("caption");
    ASSERT_TRUE(Open());
    Key(VK_DOWN);
    Click("#elsewhere");
    EXPECT_FALSE(Open());
    EXPECT_EQ(L"\"1\"", Value(Find("#s")));
    EXPECT_TRUE(events_.empty());
    Key(VK_ESCAPE);  // closed: Escape is the page's again
    EXPECT_EQ(std::vector<std::string> { "closeDialog()" }, events_);
}

TEST_F(ControlInput, AClosedSelectChoosesWithArrowsHomeEndAndTyping)
{
    Load(kSelectPage);
    HTMLayoutTestSetFocus(hwnd_, Find("#s"));
    Key(VK_END);
    EXPECT_EQ(L"\"5\"", Value(Find("#s")));
    Key(VK_UP);
    EXPECT_EQ(L"\"4\"", Value(Find("#s")));
    HTMLayoutTestType(hwnd_, nullptr, L"a");
    EXPECT_EQ(L"\"1\"", Value(Find("#s")));
    EXPECT_FALSE(Open());
    EXPECT_EQ(3u, events_.size());
}

TEST_F(ControlInput, TheCalendarMovesByDaysWeeksAndMonthsAndChoosesOnEnter)
{
    Load("<input type=date id=d value=2026-01-31 firstDayOfWeek=6><input id=other>");
    HELEMENT date = Find("#d");
    HTMLayoutTestSetFocus(hwnd_, date);
    Key(VK_F4);
    Key(VK_NEXT);  // February has no 31st: its last day
    Key(VK_RIGHT);  // March 1st
    Key(VK_DOWN);  // a week on
    Key(VK_RETURN);
    EXPECT_EQ(L"2026-03-08", Shown(date));
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from d" }, events_);
    Key(VK_F4);
    Key(VK_LEFT);
    Key(VK_ESCAPE);  // closes without a choice
    Key(VK_RETURN);
    EXPECT_EQ(L"2026-03-08", Shown(date));
    EXPECT_EQ(1u, events_.size());
}

// A menu the page opens itself: a "select" list it expands inside a focusable box.
TEST_F(ControlInput, AListThePageExpandedTakesTheKeysWhileItsBoxHasTheFocus)
{
    Load("<style>body { on-key-up-27: host closeDialog(); } #menu { behavior: select }"
         "#menu option { on-click: host picked(self@id); } #d { behavior: clickable }</style><body>"
         "<div id=box tabindex=0><popup id=menu><option id=a>A</option><hr>"
         "<option id=b disabled>B</option><option id=c>C</option><option id=d>D</option></popup></div>"
         "<p id=elsewhere tabindex=0>text</p></body>");
    HELEMENT menu = Find("#menu");
    auto expand = [&] { HTMLayoutSetElementState(menu, STATE_EXPANDED, 0, FALSE); };
    HTMLayoutTestSetFocus(hwnd_, Find("#box"));
    expand();
    EXPECT_EQ(L"A", Highlighted());  // as an opened dropdown: the first
    Key(VK_DOWN);  // over the line and the disabled option
    EXPECT_EQ(L"C", Highlighted());
    Key(VK_END);
    Key(VK_DOWN);
    EXPECT_EQ(L"D", Highlighted());
    Key(VK_UP);
    Key(VK_RETURN);  // a plain option's click rule
    EXPECT_EQ(STATE_COLLAPSED, State(menu) & (STATE_EXPANDED | STATE_COLLAPSED));
    EXPECT_EQ(L"(none)", Highlighted());
    EXPECT_EQ(std::vector<std::string> { "picked(\"c\")" }, events_);

    events_.clear();
    expand();
    EXPECT_EQ(L"C", Highlighted());  // each opening starts on the choice, as a dropdown's does
    Key(VK_END);
    Key(VK_RETURN);  // a clickable option answers as to a click
    EXPECT_EQ(1, std::count(events_.begin(), events_.end(), "picked(\"d\")"));

    events_.clear();
    expand();
    Key(VK_ESCAPE);  // closes; its key-up is the list's, not the page's
    EXPECT_EQ(0u, State(menu) & STATE_EXPANDED);
    EXPECT_TRUE(events_.empty());
    expand();
    Key(VK_TAB);  // closes, and the window moves the focus on
    EXPECT_EQ(0u, State(menu) & STATE_EXPANDED);

    HTMLayoutTestSetFocus(hwnd_, Find("#elsewhere"));
    expand();  // outside the focused element the list takes nothing
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_EQ(L"C", Highlighted());
    EXPECT_EQ(std::vector<std::string> { "closeDialog()" }, events_);
}

TEST(CalendarDays, MonthGridsStartOnTheFirstDayOfTheWeek)
{
    using htmlengine::Day;
    EXPECT_EQ(3, htmlengine::Weekday({ 2026, 1, 1 }));  // a Thursday
    EXPECT_EQ((Day { 2025, 12, 29 }), htmlengine::GridStart(2026, 1, 0));  // weeks from Monday
    EXPECT_EQ((Day { 2025, 12, 28 }), htmlengine::GridStart(2026, 1, 6));  // from Sunday
    EXPECT_EQ((Day { 2026, 2, 1 }), htmlengine::GridStart(2026, 2, 6));  // the 1st is a Sunday
    EXPECT_EQ((Day { 2024, 2, 29 }), htmlengine::AddMonths({ 2024, 1, 31 }, 1));
    EXPECT_EQ((Day { 2000, 3, 1 }), htmlengine::AddDays({ 2000, 2, 29 }, 1));
    EXPECT_EQ((Day { 1999, 12, 31 }), htmlengine::DayFromNumber(htmlengine::DayNumber({ 2000, 1, 1 }) - 1));
}

TEST(TypeAhead, RepeatedLettersStepAndAPauseStartsAfresh)
{
    htmlengine::TypeAhead typeAhead;
    std::vector<std::wstring> items = { L"Anna", L"Bert", L"Berta", L"Carl" };
    EXPECT_EQ(1, typeAhead.Find(L'b', 1000, items, 0));
    EXPECT_EQ(2, typeAhead.Find(L'B', 1100, items, 1));  // "bb": the next b
    EXPECT_EQ(1, typeAhead.Find(L'b', 1200, items, 2));  // and round again
    EXPECT_EQ(3, typeAhead.Find(L'c', 5000, items, 1));  // after a pause: "c"
    EXPECT_EQ(-1, typeAhead.Find(L'x', 5100, items, 3));
}
