#include "htmlengine/document/controls/CalendarDays.h"

namespace htmlengine {

// Civil-date conversions after H. Hinnant, "chrono-Compatible Low-Level Date Algorithms":
// years counted from March, so the leap day ends the year.
long DayNumber(const Day& d)
{
    int year = d.month <= 2 ? d.year - 1 : d.year;
    long era = (year >= 0 ? year : year - 399) / 400;
    long yearOfEra = year - era * 400;
    long dayOfYear = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Day DayFromNumber(long number)
{
    number += 719468;
    long era = (number >= 0 ? number : number - 146096) / 146097;
    long dayOfEra = number - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long shifted = (5 * dayOfYear + 2) / 153;
    int day = int(dayOfYear - (153 * shifted + 2) / 5 + 1);
    int month = int(shifted < 10 ? shifted + 3 : shifted - 9);
    int year = int(yearOfEra + era * 400) + (month <= 2 ? 1 : 0);
    return { year, month, day };
}

Day AddDays(const Day& day, long days)
{
    return DayFromNumber(DayNumber(day) + days);
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

Day AddMonths(const Day& day, int months)
{
    int index = day.year * 12 + (day.month - 1) + months;
    Day moved = { index / 12, index % 12 + 1, day.day };
    if (moved.day > DaysInMonth(moved.year, moved.month))
        moved.day = DaysInMonth(moved.year, moved.month);
    return moved;
}

int Weekday(const Day& day)
{
    long number = DayNumber(day);  // 1970-01-01 was a Thursday (3)
    return int(((number + 3) % 7 + 7) % 7);
}

Day GridStart(int year, int month, int firstDayOfWeek)
{
    Day first = { year, month, 1 };
    int back = ((Weekday(first) - firstDayOfWeek) % 7 + 7) % 7;
    return AddDays(first, -back);
}

}  // namespace htmlengine
