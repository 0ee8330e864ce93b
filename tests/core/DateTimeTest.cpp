#include "core/DateTime.h"

#include <gtest/gtest.h>

using Quorvane::DateSpan;
using Quorvane::DateTime;

TEST(DateConversions, OleDatesRoundTrip)
{
    EXPECT_DOUBLE_EQ(40973.0, DateTime(5, 3, 2012).ToVariantDate());
    EXPECT_EQ(DateTime(5, 3, 2012), DateTime::FromVariantDate(40973.0));
    // The time of day is dropped.
    EXPECT_EQ(DateTime(5, 3, 2012), DateTime::FromVariantDate(40973.75));
    EXPECT_EQ(DateTime(29, 2, 2012), DateTime::FromVariantDate(DateTime(29, 2, 2012).ToVariantDate()));
}

TEST(DateConversions, FileTimesRoundTripAndInvalidDatesGiveZero)
{
    FILETIME fileTime = DateTime(5, 3, 2012).ToFileTime();
    EXPECT_EQ(DateTime(5, 3, 2012), DateTime::FromFileTime(fileTime));

    const DateTime invalid[] = { DateTime(30, 2, 2012), DateTime(1, 13, 2012), DateTime(), DateTime(-1, 1, 2012) };
    for (const DateTime& date : invalid) {
        FILETIME zero = date.ToFileTime();
        EXPECT_EQ(0u, zero.dwLowDateTime) << date.ToString().c_str();
        EXPECT_EQ(0u, zero.dwHighDateTime);
        EXPECT_EQ(0.0, date.ToVariantDate());
    }
    // A zero FILETIME reads back as the first day Windows knows.
    FILETIME zero = {};
    EXPECT_EQ(DateTime(1, 1, 1601), DateTime::FromFileTime(zero));
}

TEST(DateConversions, SystemTimeIsNormalisedWithTheDayOfWeek)
{
    SYSTEMTIME systemTime = DateTime(14, 3, 2012).ToSystemTime();
    EXPECT_EQ(3, systemTime.wDayOfWeek);
    EXPECT_EQ(0, systemTime.wHour);
    EXPECT_EQ(0, DateTime(11, 3, 2012).DayOfWeek());

    SYSTEMTIME withTime = {};
    withTime.wYear = 2012;
    withTime.wMonth = 3;
    withTime.wDay = 5;
    withTime.wHour = 23;
    withTime.wDayOfWeek = 6;
    EXPECT_EQ(DateTime(5, 3, 2012), DateTime::FromSystemTimeFields(withTime));
}

TEST(DateText, ToStringPadsMonthAndDayButNotTheYear)
{
    EXPECT_EQ(L"2012-03-05", DateTime(5, 3, 2012).ToString());
    EXPECT_EQ(L"987-01-01", DateTime(1, 1, 987).ToString());
}

TEST(DateText, ParseTakesAnySeparatorAndZeroesWhatItCannotRead)
{
    DateTime date;
    date.Parse(L"2012-03-05");
    EXPECT_EQ(DateTime(5, 3, 2012), date);
    date.Parse(L"2012/3/5");
    EXPECT_EQ(DateTime(5, 3, 2012), date);
    date.Parse(L" 2024-1-05");
    EXPECT_EQ(DateTime(5, 1, 2024), date);
    date.Parse(L"2024-1");
    EXPECT_EQ(DateTime(0, 1, 2024), date);
    date.Parse(L"99999999999-1-1");
    EXPECT_EQ(DateTime(), date);
    date.Parse(L"garbage");
    EXPECT_EQ(DateTime(), date);
    date.Parse(L"2012-xx");
    EXPECT_EQ(0, date.GetMonth());
    EXPECT_EQ(0, date.GetDay());
}

TEST(DateArithmetic, OrderComparesYearThenMonthThenDay)
{
    EXPECT_TRUE(DateTime(31, 12, 2011) < DateTime(1, 1, 2012));
    EXPECT_FALSE(DateTime(1, 1, 2012) < DateTime(31, 12, 2011));
    EXPECT_TRUE(DateTime(1, 1, 2012) > DateTime(31, 12, 2011));
    EXPECT_FALSE(DateTime(5, 3, 2012) < DateTime(5, 3, 2012));
}

TEST(DateArithmetic, AddingMonthsAndDays)
{
    EXPECT_EQ(DateTime(1, 1, 2013), DateTime(1, 12, 2012).Add(DateSpan::Months(1)));
    EXPECT_EQ(DateTime(1, 3, 2013), DateTime(1, 3, 2012).Add(DateSpan::Months(12)));
    EXPECT_EQ(DateTime(1, 3, 2012), DateTime(29, 2, 2012).Add(DateSpan::OneDay()));
    // The day is clamped to the length of the target month.
    EXPECT_EQ(DateTime(29, 2, 2012), DateTime(31, 1, 2012).Add(DateSpan::Months(1)));
    EXPECT_EQ(DateTime(28, 2, 2013), DateTime(31, 1, 2013).Add(DateSpan::Months(1)));

    DateTime date(30, 12, 2012);
    date += DateSpan::Days(3);
    EXPECT_EQ(DateTime(2, 1, 2013), date);
    EXPECT_EQ(DateTime(28, 2, 2011), DateTime(1, 3, 2011).SubtractDays(DateSpan::OneDay()));
}

TEST(DateArithmetic, ArgumentOrderIsDayMonthYear)
{
    DateTime date(5, 3, 2012);
    EXPECT_EQ(2012, date.GetYear());
    EXPECT_EQ(3, date.GetMonth());
    EXPECT_EQ(5, date.GetDay());
}
