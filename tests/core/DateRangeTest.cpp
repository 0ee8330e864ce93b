#include "core/DateRange.h"

#include <gtest/gtest.h>

using Quorvane::DateRange;
using Quorvane::DateTime;

namespace {

struct RangeCase {
    const char* name;
    DateTime today;
    int type;
    const wchar_t* start;
    const wchar_t* end;
};

// today, type -> expected start and end, side by side.
const RangeCase kRangeCases[] = {
    { "wednesday current month", DateTime(14, 3, 2012), 1, L"2012-03-01", L"2012-03-31" },
    { "wednesday month till today", DateTime(14, 3, 2012), 2, L"2012-03-01", L"2012-03-14" },
    { "previous month is leap feb", DateTime(14, 3, 2012), 3, L"2012-02-01", L"2012-02-29" },
    { "current and previous week", DateTime(14, 3, 2012), 4, L"2012-03-04", L"2012-03-17" },
    { "current and two weeks", DateTime(14, 3, 2012), 5, L"2012-02-26", L"2012-03-17" },
    { "last 7 days spans 8", DateTime(14, 3, 2012), 6, L"2012-03-07", L"2012-03-14" },
    { "last 14 days spans 15", DateTime(14, 3, 2012), 7, L"2012-02-29", L"2012-03-14" },
    { "last 21 days spans 22", DateTime(14, 3, 2012), 8, L"2012-02-22", L"2012-03-14" },
    { "first half", DateTime(14, 3, 2012), 9, L"2012-03-01", L"2012-03-15" },
    { "second half", DateTime(14, 3, 2012), 10, L"2012-03-16", L"2012-03-31" },
    { "first half previous", DateTime(14, 3, 2012), 11, L"2012-02-01", L"2012-02-15" },
    { "second half previous leap", DateTime(14, 3, 2012), 12, L"2012-02-16", L"2012-02-29" },
    { "current week", DateTime(14, 3, 2012), 13, L"2012-03-11", L"2012-03-17" },
    { "current week till today", DateTime(14, 3, 2012), 14, L"2012-03-11", L"2012-03-14" },
    { "previous week", DateTime(14, 3, 2012), 15, L"2012-03-04", L"2012-03-10" },
    { "two previous weeks", DateTime(14, 3, 2012), 16, L"2012-02-26", L"2012-03-10" },
    { "january: previous month", DateTime(10, 1, 2012), 3, L"2011-12-01", L"2011-12-31" },
    { "january: first half previous", DateTime(10, 1, 2012), 11, L"2011-12-01", L"2011-12-15" },
    { "january: week over new year", DateTime(3, 1, 2012), 13, L"2012-01-01", L"2012-01-07" },
    { "january: previous week", DateTime(3, 1, 2012), 15, L"2011-12-25", L"2011-12-31" },
    { "sunday: week till today", DateTime(11, 3, 2012), 14, L"2012-03-11", L"2012-03-11" },
    { "sunday: current week", DateTime(11, 3, 2012), 13, L"2012-03-11", L"2012-03-17" },
    { "new year's eve: month", DateTime(31, 12, 2012), 1, L"2012-12-01", L"2012-12-31" },
    { "new year's eve: second half", DateTime(31, 12, 2012), 10, L"2012-12-16", L"2012-12-31" },
    { "new year's eve: last 7 days", DateTime(31, 12, 2012), 6, L"2012-12-24", L"2012-12-31" },
    { "plain february: month", DateTime(10, 2, 2011), 1, L"2011-02-01", L"2011-02-28" },
    { "leap february: month", DateTime(29, 2, 2012), 1, L"2012-02-01", L"2012-02-29" },
    { "century non-leap: prev month", DateTime(5, 3, 2100), 3, L"2100-02-01", L"2100-02-28" },
    { "quarter edge: prev month", DateTime(1, 7, 2012), 3, L"2012-06-01", L"2012-06-30" },
};

}  // namespace

TEST(PredefinedRanges, MatchTheTableForEachToday)
{
    for (const RangeCase& c : kRangeCases) {
        DateRange range = DateRange::Compute(c.type, c.today);
        EXPECT_EQ(c.start, range.GetStart().ToString()) << c.name;
        EXPECT_EQ(c.end, range.GetEnd().ToString()) << c.name;
        EXPECT_EQ(c.type, range.GetRangeType()) << c.name;
    }
}

namespace {
DateTime FixedToday()
{
    return DateTime(14, 3, 2012);
}
}  // namespace

TEST(PredefinedRanges, ConstructorAndSetRangeTypeReadTheInstalledClock)
{
    Quorvane::SetTodayProvider(&FixedToday);
    DateRange range(13);
    EXPECT_EQ(L"2012-03-11", range.GetStart().ToString());
    range.SetRangeType(3);
    EXPECT_EQ(L"2012-02-29", range.GetEnd().ToString());
    Quorvane::SetTodayProvider(0);
}

TEST(CustomRanges, SettingADateMakesTheRangeCustomAndKeepsTheOther)
{
    DateRange range = DateRange::Compute(2, DateTime(14, 3, 2012));
    range.SetStart(DateTime(2, 3, 2012));
    EXPECT_EQ(DateRange::CustomType, range.GetRangeType());
    EXPECT_EQ(L"2012-03-02", range.GetStart().ToString());
    EXPECT_EQ(L"2012-03-14", range.GetEnd().ToString());

    range.SetRangeType(DateRange::CustomType);
    EXPECT_EQ(L"2012-03-02", range.GetStart().ToString());
    EXPECT_EQ(L"2012-03-14", range.GetEnd().ToString());
}

TEST(CustomRanges, UnknownTypesKeepTheirDates)
{
    DateRange range = DateRange::Compute(3, DateTime(14, 3, 2012));
    range.SetRangeType(99);
    EXPECT_EQ(99, range.GetRangeType());
    EXPECT_EQ(L"2012-02-01", range.GetStart().ToString());

    DateRange fresh = DateRange::Compute(0, DateTime(14, 3, 2012));
    EXPECT_EQ(DateTime(), fresh.GetStart());
}

TEST(CustomRanges, EqualityComparesDatesAndType)
{
    DateRange a = DateRange::Compute(3, DateTime(14, 3, 2012));
    DateRange b = DateRange::Compute(3, DateTime(20, 3, 2012));
    EXPECT_EQ(a, b);
    b.SetEnd(b.GetEnd());
    EXPECT_NE(a, b);
}
