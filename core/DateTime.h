#pragma once
// Calendar dates (no time of day). All calendar arithmetic goes through the Win32 time
// functions, which normalise and give the day of the week. An invalid or unset date
// converts to a zero FILETIME and OLE date 0.0; callers rely on that.
#include <windows.h>
#include <string>

namespace Quorvane {

// An offset in years, months and days; only positive spans are used.
class DateSpan {
public:
    DateSpan() : m_years(0), m_months(0), m_days(0) {}
    static DateSpan OneDay() { return Days(1); }
    static DateSpan Days(int days);
    static DateSpan Months(int months);

    void SetDays(int days) { m_days = days; }
    int GetYears() const { return m_years; }
    int GetMonths() const { return m_months; }
    int GetDays() const { return m_days; }

private:
    int m_years;
    int m_months;
    int m_days;
};

class DateTime {
public:
    DateTime() : m_year(0), m_month(0), m_day(0) {}
    // Note the argument order: day, month, year.
    DateTime(int day, int month, int year) : m_year(year), m_month(month), m_day(day) {}

    int GetYear() const { return m_year; }
    int GetMonth() const { return m_month; }
    int GetDay() const { return m_day; }

    // A real calendar date that Windows can convert: years 1601 to 30827, days within the month.
    bool IsValid() const;

    bool operator==(const DateTime& other) const;
    bool operator!=(const DateTime& other) const { return !(*this == other); }
    bool operator<(const DateTime& other) const;
    bool operator>(const DateTime& other) const { return other < *this; }

    // Midnight of the date, normalised, with the day of the week filled in; all zero when invalid.
    SYSTEMTIME ToSystemTime() const;
    FILETIME ToFileTime() const;
    double ToVariantDate() const;

    static DateTime FromVariantDate(double oleDate);
    static DateTime FromFileTime(const FILETIME& fileTime);
    static DateTime FromSystemTimeFields(const SYSTEMTIME& systemTime);
    // The current date in UTC, from the clock that SetTodayProvider installed.
    static DateTime Today();

    // 0 for Sunday to 6 for Saturday.
    int DayOfWeek() const;
    DateTime Add(const DateSpan& span) const;
    DateTime& operator+=(const DateSpan& span);
    DateTime SubtractDays(const DateSpan& span) const;

    // "2012-03-05": year unpadded, month and day with two digits.
    std::wstring ToString() const;
    // Integer, one skipped character, integer, one skipped character, integer; not validated.
    void Parse(const std::wstring& text);
    void Parse(const wchar_t* text, size_t length);

private:
    int m_year;
    int m_month;
    int m_day;
};

// The clock behind DateTime::Today; tests install a fixed one. Null restores the system clock.
typedef DateTime (*TodayProvider)();
void SetTodayProvider(TodayProvider provider);

}  // namespace Quorvane
