// The date-range widget as the view writes and reads it.
#include "MainPageFixture.h"
#include "core/DateRange.h"
#include "htmlengine/api/EngineTestHooks.h"

namespace {

typedef std::vector<std::string> Calls;

// A named CALLBACK, not a lambda: on i686 a lambda converts only to a cdecl pointer.
void CALLBACK AssignText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

class DateRangeWidget : public MainPageTest {
protected:
    Quorvane::DateRange Custom(int startDay, int endDay)
    {
        Quorvane::DateRange range;
        range.SetStart(Quorvane::DateTime(startDay, 3, 2012));
        range.SetEnd(Quorvane::DateTime(endDay, 3, 2012));
        return range;
    }
    // As the user does it: into the input, end of its text, erase it all, type, Enter.
    void Retype(const char* input, const wchar_t* text)
    {
        HWND window = view->GetHwnd();
        HTMLayoutTestSetFocus(window, page.Find(input));
        HTMLayoutTestKeyDown(window, nullptr, VK_END, 0);
        for (int i = 0; i < 12; ++i)
            HTMLayoutTestKeyDown(window, nullptr, VK_BACK, 0);
        HTMLayoutTestType(window, nullptr, text);
        HTMLayoutTestKeyDown(window, nullptr, VK_RETURN, 0);
        HTMLayoutTestFlushPostedEvents(window);
    }
    std::wstring Shown(const char* input)
    {
        std::wstring shown;
        HTMLayoutTestShownText(page.Find(input), &AssignText, &shown);
        return shown;
    }
    std::string Sent(const Quorvane::DateRange& range)
    {
        return "ChangeDateRange " + std::to_string(range.GetRangeType()) + " " + Narrow(range.GetStart().ToString()) +
               " " + Narrow(range.GetEnd().ToString());
    }
};

TEST_F(DateRangeWidget, ShowsTheRangeItsDatesAndItsName)
{
    struct Case {
        int type;
        const wchar_t* name;
    };
    const Case cases[] = { { 0, L"" }, { 3, L"Previous month" }, { 17, L"" }, { 65535, L"Custom date range" } };
    for (const Case& c : cases) {
        Quorvane::DateRange range = Custom(5, 11);
        range.SetRangeType(c.type);
        view->SetDateRange(range);
        EXPECT_EQ(c.name, page.Text("#calendarHeader")) << c.type;
        EXPECT_EQ(range.GetStart().ToString(), page.Attribute("#cal", "startDate"));
        EXPECT_EQ(range.GetEnd().ToString(), page.Attribute("#cal", "endDate"));
        FILETIME start = range.GetStart().ToFileTime();
        int64_t expected = (static_cast<int64_t>(start.dwHighDateTime) << 32) | start.dwLowDateTime;
        EXPECT_EQ(expected, htmlayout::dom::element(page.Find("#dateStart")).get_value().get_int64());
    }
}

TEST_F(DateRangeWidget, ReadsAPredefinedTypeFromTodayAndACustomOneFromTheInputs)
{
    view->SetDateRange(Custom(5, 11));
    htmlayout::dom::element calendar(page.Find("#cal"));
    calendar.set_attribute("rangeType", L"3");
    EXPECT_TRUE(Call("dateRangeUpdated"));
    EXPECT_EQ(Calls { Sent(Quorvane::DateRange(3)) }, TakeCalls());

    calendar.set_attribute("rangeType", L"65535");
    Call("dateRangeUpdated");
    Quorvane::DateRange custom = Custom(5, 11);
    custom.SetRangeType(65535);
    EXPECT_EQ(Calls { Sent(custom) }, TakeCalls());

    calendar.set_attribute("rangeType", nullptr);
    Call("dateRangeUpdated");
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(DateRangeWidget, ACustomRangeWithAnEmptyInputIsNotSent)
{
    view->SetDateRange(Custom(5, 11));
    htmlayout::dom::element(page.Find("#dateEnd")).set_value(json::value());
    htmlayout::dom::element(page.Find("#cal")).set_attribute("rangeType", L"65535");
    Call("dateRangeUpdated");
    EXPECT_TRUE(TakeCalls().empty());
}

// Typed dates that are no range in force never reach the controller: an emptied box shows the
// period again; an impossible date reverts and a start after the end is refused, each with a word why.
TEST_F(DateRangeWidget, DatesThatAreNoRangeNeverReachTheController)
{
    view->SetDateRange(company.config->GetPeriod());
    const std::wstring start = company.config->GetPeriod().GetStart().ToString();
    const std::wstring end = company.config->GetPeriod().GetEnd().ToString();
    const std::wstring impossible[] = { L"", L"2026-02-30", L"not a date, nor anything like one" };
    for (const std::wstring& typed : impossible) {
        Retype("#dateStart", typed.c_str());
        HTMLayoutTestSetFocus(view->GetHwnd(), page.Find("#dateEnd"));
        EXPECT_EQ(start, Shown("#dateStart")) << Narrow(typed);
        EXPECT_EQ(start, page.Attribute("#cal", "startDate")) << Narrow(typed);
    }
    EXPECT_EQ(L"The text typed is not a date; the period was not changed.", page.Text("#periodProblem"));

    Retype("#dateStart", L"2099-01-01");
    EXPECT_EQ(start, Shown("#dateStart"));
    EXPECT_EQ(end, Shown("#dateEnd"));
    EXPECT_TRUE(IsShown("#periodProblem"));
    EXPECT_EQ(L"The start date is after the end date; the period was not changed.", page.Text("#periodProblem"));
    EXPECT_TRUE(TakeCalls().empty());

    view->SetDateRange(company.config->GetPeriod());
    EXPECT_FALSE(IsShown("#periodProblem"));
}

TEST_F(DateRangeWidget, TheFirstDayOfTheWeekGoesToBothInputs)
{
    view->SetFirstDayOfWeek(1);
    EXPECT_EQ(L"1", page.Attribute("#dateStart", "firstDayOfWeek"));
    EXPECT_EQ(L"1", page.Attribute("#dateEnd", "firstDayOfWeek"));
}

// Writing the range is no user's change: it sends nothing by itself.
TEST_F(DateRangeWidget, SettingTheRangeSendsNothing)
{
    view->SetDateRange(Custom(5, 11));
    EXPECT_TRUE(TakeCalls().empty());
}

}  // namespace
