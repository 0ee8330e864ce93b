#pragma once
// Days of the proleptic Gregorian calendar for the date input's calendar: arithmetic, the
// weekday (0 = Monday ... 6 = Sunday, the scale of the input's "firstDayOfWeek") and the
// 6 x 7 grid that shows a month.
namespace htmlengine {

struct Day {
    int year = 1970, month = 1, day = 1;
    bool operator==(const Day& o) const { return year == o.year && month == o.month && day == o.day; }
    bool operator!=(const Day& o) const { return !(*this == o); }
};

long DayNumber(const Day& day);  // days since 1970-01-01
Day DayFromNumber(long number);
Day AddDays(const Day& day, long days);
// The same day of another month, moved back to that month's last day where it has none.
Day AddMonths(const Day& day, int months);
int Weekday(const Day& day);
int DaysInMonth(int year, int month);

constexpr int kCalendarRows = 6;
constexpr int kCalendarColumns = 7;
// The first cell of the grid of `year`-`month`: the 1st, or the last `firstDayOfWeek` before it.
Day GridStart(int year, int month, int firstDayOfWeek);

}  // namespace htmlengine
