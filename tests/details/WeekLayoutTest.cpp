#include <gtest/gtest.h>

#include "ui/dialogs/details/WeekLayout.h"

using Quorvane::DateTime;

namespace {

std::string Starts(const std::vector<PreviewWeek>& weeks)
{
    std::string text;
    for (const PreviewWeek& week : weeks) {
        const std::wstring start = week.start.ToString() + L".." + week.end.ToString();
        text += (text.empty() ? "" : " ") + std::string(start.begin(), start.end());
    }
    return text;
}

struct WeeksCase {
    const char* name;
    DateTime start;
    DateTime end;
    int firstDay;  // 0 = Monday
    const char* weeks;
};

const WeeksCase kWeeks[] = {
    { "wednesday to tuesday, monday first", DateTime(7, 3, 2012), DateTime(13, 3, 2012), 0,
      "2012-03-05..2012-03-11 2012-03-12..2012-03-18" },
    { "wednesday to tuesday, sunday first", DateTime(7, 3, 2012), DateTime(13, 3, 2012), 6,
      "2012-03-04..2012-03-10 2012-03-11..2012-03-17" },
    { "starting on the first day", DateTime(5, 3, 2012), DateTime(9, 3, 2012), 0, "2012-03-05..2012-03-11" },
    { "ending on the first day shows that week", DateTime(7, 3, 2012), DateTime(12, 3, 2012), 0,
      "2012-03-05..2012-03-11 2012-03-12..2012-03-18" },
    { "one day that is the first day", DateTime(12, 3, 2012), DateTime(12, 3, 2012), 0, "2012-03-12..2012-03-18" },
    { "across a year end, wednesday first", DateTime(30, 12, 2014), DateTime(2, 1, 2015), 2,
      "2014-12-24..2014-12-30 2014-12-31..2015-01-06" },
};

TEST(WeekLayout, WeeksStartOnTheFirstDayAndCoverThePeriod)
{
    for (const WeeksCase& c : kWeeks)
        EXPECT_EQ(c.weeks, Starts(LayWeeks(c.start, c.end, c.firstDay))) << c.name;
}

TEST(WeekLayout, RangeTextNamesTheEndMonthOnlyWhenItDiffers)
{
    EXPECT_EQ(L"Jan 5 - 11, 2015", FormatWeekRange(DateTime(5, 1, 2015), DateTime(11, 1, 2015)));
    EXPECT_EQ(L"Jan 26 - Feb 1, 2015", FormatWeekRange(DateTime(26, 1, 2015), DateTime(1, 2, 2015)));
    EXPECT_EQ(L"Dec 29 - Jan 4, 2015", FormatWeekRange(DateTime(29, 12, 2014), DateTime(4, 1, 2015)));
}

TEST(WeekLayout, DayHeadersAndWeekIds)
{
    std::wstring sundayFirst;
    for (int i = 0; i < 7; ++i)
        sundayFirst += DayHeaderName(6, i) + L" ";
    EXPECT_EQ(L"Su Mo Tu We Th Fr Sa ", sundayFirst);
    EXPECT_EQ(L"2015_01_05", WeekId(DateTime(5, 1, 2015)));
}

}  // namespace
