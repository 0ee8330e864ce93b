#include <algorithm>
#include <string>
#include <vector>

#include "PageFixture.h"
#include "core/DateTime.h"
#include "ui/toolkit/Behavior.h"

using htmlayout::dom::element;

namespace {

// The date-range box as the main page has it, wired by the program's own calendar sheet:
// focus leaving a date input asks the widget whether the dates changed; the widget's value
// change reaches the window.
const char kPage[] = R"(<html><head>
<link rel="stylesheet" href="res:IDR_DEFAULT_CALENDAR_CSS.CSS">
<style>#stray { on-click: call OnOptionClicked(self) on $('widget#cal'); }
body { on-key-up-27: host closeDialog(); }</style>
</head><body>
<div id="calendar"><widget id="cal">
  <div><span id="calendarHeader">Current month</span><br>
  <input type="date" id="dateStart"><input type="date" id="dateEnd"></div>
</widget></div>
<span id="stray">not a menu entry</span>
<button id="elsewhere">x</button>
</body></html>)";

Quorvane::DateTime FixedToday()
{
    return Quorvane::DateTime(13, 3, 2024);
}  // a Wednesday

class DateRangeTest : public PageTest {
protected:
    void SetUp() override
    {
        Quorvane::SetTodayProvider(&FixedToday);
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }
    void TearDown() override
    {
        PageTest::TearDown();
        Quorvane::SetTodayProvider(nullptr);
    }

    element Option(const wchar_t* label)
    {
        std::vector<element> options;
        page.Find("#cal").find_all(&options, "popup > option");
        for (element& option : options)
            if (std::wstring(option.get_text().c_str()) == label)
                return option;
        ADD_FAILURE() << "no option " << Narrow(label);
        return element();
    }

    std::string InputDate(const char* id)
    {
        FILETIME time;
        ULARGE_INTEGER units;
        units.QuadPart = static_cast<ULONGLONG>(page.Find(id).get_value().get_int64());
        time.dwLowDateTime = units.LowPart;
        time.dwHighDateTime = units.HighPart;
        return Narrow(Quorvane::DateTime::FromFileTime(time).ToString().c_str());
    }

    void WriteDate(const char* id, int day, int month, int year)
    {
        FILETIME time = Quorvane::DateTime(day, month, year).ToFileTime();
        ULARGE_INTEGER units;
        units.LowPart = time.dwLowDateTime;
        units.HighPart = time.dwHighDateTime;
        page.Find(id).set_value(json::value::make_date(static_cast<int64_t>(units.QuadPart)));
    }

    // A script call to the widget's behaviour, as a page's "call ... on" makes it.
    bool CallWidget(const char* name, std::vector<json::value> arguments)
    {
        XCALL_PARAMS call = {
            METHOD_SCRIPT_CALL, name, UINT(arguments.size()), arguments.empty() ? nullptr : &arguments[0].native(), {}
        };
        ValueInit(&call.retval);
        htmlayout::event_handler* daterange = htmlayout::behavior::find_behavior("daterange", page.Find("#cal"));
        BOOL handled = htmlayout::event_handler::element_proc(daterange, page.Find("#cal"), GROUP_METHOD_CALL, &call);
        ValueClear(&call.retval);
        return handled != FALSE;
    }

    void LeaveInput(const char* id)
    {
        HTMLayoutTestSetFocus(hwnd_, page.Find(id));
        HTMLayoutTestSetFocus(hwnd_, page.Find("#elsewhere"));
    }

    bool MenuOpen() { return HasState(page.Find("#cal > popup"), STATE_EXPANDED); }
};

TEST_F(DateRangeTest, AttachingAddsTheMenuOfRangesAsTheWidgetsLastChild)
{
    element popup = page.Find("#cal > popup");
    EXPECT_EQ(page.Find("#cal").children_count() - 1, popup.index());
    ASSERT_EQ(15u, popup.children_count());
    std::vector<std::string> entries;
    for (UINT n = 0; n < popup.children_count(); ++n) {
        element entry = popup.child(n);
        const wchar_t* id = entry.get_attribute("menuItemId");
        entries.push_back(id ? Narrow(id) + " " + Narrow(entry.get_text().c_str()) : "--");
    }
    std::vector<std::string> expected = { "1 Current month",
                                          "2 Current month till today",
                                          "3 Previous month",
                                          "--",
                                          "9 First half of the current month",
                                          "10 Second half of the current month",
                                          "11 First half of the previous month",
                                          "12 Second half of the previous month",
                                          "--",
                                          "13 Current week",
                                          "14 Current week till today",
                                          "15 Previous week",
                                          "16 2 previous weeks",
                                          "--",
                                          "65535 Custom date range" };
    EXPECT_EQ(expected, entries);
    EXPECT_STREQ(L"clickable", Option(L"Previous week").get_style_attribute("behavior"));
    EXPECT_TRUE(std::wstring(popup.child(3).get_attribute("style")).find(L"height:1px") == 0);
}

TEST_F(DateRangeTest, PickingARangeFillsTheInputsNamesItClosesTheMenuAndTellsThePage)
{
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    EXPECT_TRUE(MenuOpen());
    TakeEvents();

    HTMLayoutTestClick(Option(L"Previous week"), 0);
    EXPECT_STREQ(L"15", page.Find("#cal").get_attribute("rangeType"));
    EXPECT_STREQ(L"Previous week", page.Find("#calendarHeader").get_text().c_str());
    EXPECT_EQ("2024-03-03", InputDate("#dateStart"));
    EXPECT_EQ("2024-03-09", InputDate("#dateEnd"));
    EXPECT_STREQ(L"2024-03-03", page.Find("#cal").get_attribute("startDate"));
    EXPECT_FALSE(MenuOpen());
    std::vector<std::string> events = TakeEvents();
    EXPECT_EQ(1, std::count(events.begin(), events.end(), "call dateRangeUpdated"));
}

TEST_F(DateRangeTest, TheCustomRangeKeepsTheDatesInTheInputs)
{
    WriteDate("#dateStart", 5, 1, 2024);
    WriteDate("#dateEnd", 20, 2, 2024);
    HTMLayoutTestClick(Option(L"Custom date range"), 0);
    EXPECT_STREQ(L"65535", page.Find("#cal").get_attribute("rangeType"));
    EXPECT_EQ("2024-01-05", InputDate("#dateStart"));
    EXPECT_EQ("2024-02-20", InputDate("#dateEnd"));
}

// Leaving an input the user did not change must not turn a predefined range into a custom one.
TEST_F(DateRangeTest, LeavingADateInputMakesTheRangeCustomOnlyWhenItsDateChanged)
{
    HTMLayoutTestClick(Option(L"Current month"), 0);
    TakeEvents();
    LeaveInput("#dateStart");
    EXPECT_STREQ(L"1", page.Find("#cal").get_attribute("rangeType"));
    EXPECT_TRUE(TakeEvents().empty());

    HTMLayoutTestSetFocus(hwnd_, page.Find("#dateEnd"));
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_END, 0);
    for (int n = 0; n < 10; ++n)
        HTMLayoutTestKeyDown(hwnd_, nullptr, VK_BACK, 0);
    HTMLayoutTestType(hwnd_, nullptr, L"2024-03-20");
    HTMLayoutTestSetFocus(hwnd_, page.Find("#elsewhere"));
    EXPECT_STREQ(L"65535", page.Find("#cal").get_attribute("rangeType"));
    EXPECT_EQ("2024-03-20", InputDate("#dateEnd"));
    EXPECT_STREQ(L"2024-03-20", page.Find("#cal").get_attribute("endDate"));
    std::vector<std::string> events = TakeEvents();
    EXPECT_EQ(1, std::count(events.begin(), events.end(), "call dateRangeUpdated"));
}

TEST_F(DateRangeTest, MouseDownOnTheBoxOpensAndClosesTheMenu)
{
    EXPECT_FALSE(MenuOpen());
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    EXPECT_TRUE(MenuOpen());
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    EXPECT_FALSE(MenuOpen());
    EXPECT_TRUE(HasState(page.Find("#cal > popup"), STATE_COLLAPSED));

    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    page.Find("#cal").send_event(EVENT_SELECT_STATE_CHANGED, 0, page.Find("#cal"));
    EXPECT_FALSE(MenuOpen());
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    EXPECT_TRUE(page.Find("#dateStart").send_event(EVENT_POPUP_DISMISSING, 0, page.Find("#dateStart")));
    EXPECT_FALSE(MenuOpen());
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    EXPECT_FALSE(CallWidget("hidePopup", {}));
    EXPECT_FALSE(MenuOpen());
}

// The menu opens on the first range, as an opened list does; the lines between groups are passed over.
TEST_F(DateRangeTest, TheOpenMenuChoosesByKeyboard)
{
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    ASSERT_TRUE(MenuOpen());
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_RETURN, 0);
    EXPECT_FALSE(MenuOpen());
    EXPECT_STREQ(L"9", page.Find("#cal").get_attribute("rangeType"));
    EXPECT_STREQ(L"First half of the current month", page.Find("#calendarHeader").get_text().c_str());

    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    ASSERT_TRUE(MenuOpen());
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_END, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_ESCAPE, 0);
    EXPECT_FALSE(MenuOpen());
    EXPECT_STREQ(L"9", page.Find("#cal").get_attribute("rangeType"));
}

// With the focus on the box, the keys of a drop-down open the menu on the range in force; Escape
// closes only the menu, and the page behind never sees it.
TEST_F(DateRangeTest, TheFocusedBoxOpensItsMenuByKeyboardAndEscapeClosesOnlyTheMenu)
{
    HTMLayoutTestClick(page.Find("#calendarHeader"), 0);
    HTMLayoutTestClick(Option(L"Previous week"), 0);
    const std::pair<UINT, UINT> openers[] = {
        { VK_RETURN, 0 }, { VK_SPACE, 0 }, { VK_DOWN, 0 }, { VK_DOWN, KEYBOARD_ALT }, { VK_F4, 0 }
    };
    for (auto [key, state] : openers) {
        HTMLayoutTestSetFocus(hwnd_, page.Find("#cal"));
        TakeEvents();
        HTMLayoutTestKeyDown(hwnd_, nullptr, key, state);
        HTMLayoutTestKeyUp(hwnd_, nullptr, key, state);
        ASSERT_TRUE(MenuOpen()) << key;
        EXPECT_STREQ(L"Previous week", page.Find("#cal > popup > option:current").get_text().c_str()) << key;
        HTMLayoutTestKeyDown(hwnd_, nullptr, VK_ESCAPE, 0);
        HTMLayoutTestKeyUp(hwnd_, nullptr, VK_ESCAPE, 0);
        EXPECT_FALSE(MenuOpen()) << key;
        EXPECT_TRUE(TakeEvents().empty()) << key;
        EXPECT_TRUE(HasState(page.Find("#cal"), STATE_FOCUS)) << key;
    }
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_F4, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_RETURN, 0);
    EXPECT_FALSE(MenuOpen());
    EXPECT_STREQ(L"16", page.Find("#cal").get_attribute("rangeType"));

    // In a date input the keys are the input's: Alt+Down opens its calendar, not the menu.
    HTMLayoutTestSetFocus(hwnd_, page.Find("#dateStart"));
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, KEYBOARD_ALT);
    EXPECT_FALSE(MenuOpen());
}

TEST_F(DateRangeTest, OnOptionClickedRefusesAnythingButOneMenuEntry)
{
    EXPECT_FALSE(CallWidget("OnOptionClicked", { json::value(1), json::value(2) }));
    EXPECT_FALSE(CallWidget("OnOptionClicked", { json::value(11) }));
    EXPECT_FALSE(CallWidget("OnOptionClicked", {}));
    HTMLayoutTestClick(page.Find("#stray"), 0);
    EXPECT_EQ(nullptr, page.Find("#cal").get_attribute("rangeType"));
    EXPECT_STREQ(L"Current month", page.Find("#calendarHeader").get_text().c_str());
    EXPECT_FALSE(CallWidget("somethingElse", {}));
}

}  // namespace
