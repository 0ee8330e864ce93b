#include "core/DateRange.h"

namespace Quorvane {

namespace {

DateTime FirstOfMonth(const DateTime& date)
{
    return DateTime(1, date.GetMonth(), date.GetYear());
}

DateTime LastOfMonth(const DateTime& date)
{
    return FirstOfMonth(date).Add(DateSpan::Months(1)).SubtractDays(DateSpan::OneDay());
}

DateTime DayOfPreviousMonth(const DateTime& today)
{
    return FirstOfMonth(today).SubtractDays(DateSpan::OneDay());
}

DateTime DaysBefore(const DateTime& date, int days)
{
    return date.SubtractDays(DateSpan::Days(days));
}
DateTime DaysAfter(const DateTime& date, int days)
{
    return date.Add(DateSpan::Days(days));
}

// A range of whole weeks (Sunday to Saturday) starting weeksBack weeks before this one.
void WeeksFrom(const DateTime& today, int weeksBack, int lengthInDays, DateTime& start, DateTime& end)
{
    start = DaysBefore(today, today.DayOfWeek() + 7 * weeksBack);
    end = DaysAfter(start, lengthInDays - 1);
}

void ComputeDates(int type, const DateTime& today, DateTime& start, DateTime& end)
{
    DateTime previous = DayOfPreviousMonth(today);
    switch (type) {
    case 1:
        start = FirstOfMonth(today);
        end = LastOfMonth(today);
        break;
    case 2:
        start = FirstOfMonth(today);
        end = today;
        break;
    case 3:
        start = FirstOfMonth(previous);
        end = LastOfMonth(previous);
        break;
    case 4: WeeksFrom(today, 1, 14, start, end); break;
    case 5: WeeksFrom(today, 2, 21, start, end); break;
    case 6:
        start = DaysBefore(today, 7);
        end = today;
        break;
    case 7:
        start = DaysBefore(today, 14);
        end = today;
        break;
    case 8:
        start = DaysBefore(today, 21);
        end = today;
        break;
    case 9:
        start = FirstOfMonth(today);
        end = DateTime(15, today.GetMonth(), today.GetYear());
        break;
    case 10:
        start = DateTime(16, today.GetMonth(), today.GetYear());
        end = LastOfMonth(today);
        break;
    case 11:
        start = FirstOfMonth(previous);
        end = DateTime(15, previous.GetMonth(), previous.GetYear());
        break;
    case 12:
        start = DateTime(16, previous.GetMonth(), previous.GetYear());
        end = LastOfMonth(previous);
        break;
    case 13: WeeksFrom(today, 0, 7, start, end); break;
    case 14:
        start = DaysBefore(today, today.DayOfWeek());
        end = today;
        break;
    case 15: WeeksFrom(today, 1, 7, start, end); break;
    case 16: WeeksFrom(today, 2, 14, start, end); break;
    }
}

bool IsPredefined(int type)
{
    return type >= DateRange::FirstPredefinedType && type <= DateRange::LastPredefinedType;
}

}  // namespace

DateRange::DateRange(int rangeType) : m_type(rangeType)
{
    if (IsPredefined(rangeType))
        *this = Compute(rangeType, DateTime::Today());
}

DateRange DateRange::Compute(int rangeType, const DateTime& today)
{
    DateRange range;
    range.m_type = rangeType;
    if (IsPredefined(rangeType))
        ComputeDates(rangeType, today, range.m_start, range.m_end);
    return range;
}

void DateRange::SetRangeType(int rangeType)
{
    // A type outside the predefined ones (custom, or read from a damaged file) keeps the dates.
    if (IsPredefined(rangeType))
        *this = DateRange(rangeType);
    else
        m_type = rangeType;
}

void DateRange::SetStart(const DateTime& start)
{
    m_type = CustomType;
    m_start = start;
}

void DateRange::SetEnd(const DateTime& end)
{
    m_type = CustomType;
    m_end = end;
}

bool DateRange::operator==(const DateRange& other) const
{
    return m_start == other.m_start && m_end == other.m_end && m_type == other.m_type;
}

}  // namespace Quorvane
