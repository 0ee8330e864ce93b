#include "core/DateTime.h"

#include <cwctype>
#include <algorithm>
#include <cstdio>

namespace Quorvane {

namespace {

const ULONGLONG kFileTimeUnitsPerDay = 864000000000ULL;

TodayProvider g_todayProvider = 0;

ULONGLONG FileTimeToUnits(const FILETIME& fileTime)
{
    ULARGE_INTEGER value;
    value.LowPart = fileTime.dwLowDateTime;
    value.HighPart = fileTime.dwHighDateTime;
    return value.QuadPart;
}

FILETIME UnitsToFileTime(ULONGLONG units)
{
    ULARGE_INTEGER value;
    value.QuadPart = units;
    FILETIME fileTime;
    fileTime.dwLowDateTime = value.LowPart;
    fileTime.dwHighDateTime = value.HighPart;
    return fileTime;
}

SYSTEMTIME DateOnlySystemTime(int year, int month, int day)
{
    SYSTEMTIME systemTime = {};
    systemTime.wYear = static_cast<WORD>(year);
    systemTime.wMonth = static_cast<WORD>(month);
    systemTime.wDay = static_cast<WORD>(day);
    return systemTime;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Checked here rather than left to SystemTimeToFileTime, which under Wine takes 29 February
// of any year; the program must treat an invalid date alike everywhere.
bool IsValidDate(int year, int month, int day)
{
    return year >= 1601 && year <= 30827 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

// Zero on failure: Wine leaves the output untouched when the conversion fails.
FILETIME FileTimeOf(const SYSTEMTIME& systemTime)
{
    FILETIME fileTime = {};
    if (!SystemTimeToFileTime(&systemTime, &fileTime)) {
        FILETIME zero = {};
        return zero;
    }
    return fileTime;
}

DateTime DateOf(const SYSTEMTIME& systemTime)
{
    return DateTime(systemTime.wDay, systemTime.wMonth, systemTime.wYear);
}

// An optionally signed decimal integer after blanks; false, and nothing taken, without one.
bool ReadInteger(const wchar_t*& at, const wchar_t* end, int& value)
{
    const wchar_t* cursor = at;
    while (cursor < end && std::iswspace(*cursor))
        ++cursor;
    bool negative = cursor < end && *cursor == L'-';
    if (cursor < end && (*cursor == L'-' || *cursor == L'+'))
        ++cursor;
    if (cursor == end || *cursor < L'0' || *cursor > L'9')
        return false;
    long long magnitude = 0;
    for (; cursor < end && *cursor >= L'0' && *cursor <= L'9'; ++cursor) {
        if (magnitude <= 0x7FFFFFFFLL)
            magnitude = magnitude * 10 + (*cursor - L'0');
    }
    if (magnitude > 0x7FFFFFFFLL)
        return false;  // out of range, as a stream refuses it
    value = static_cast<int>(negative ? -magnitude : magnitude);
    at = cursor;
    return true;
}

DateTime SystemToday()
{
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    return DateTime::FromSystemTimeFields(now);
}

}  // namespace

DateSpan DateSpan::Days(int days)
{
    DateSpan span;
    span.m_days = days;
    return span;
}

DateSpan DateSpan::Months(int months)
{
    DateSpan span;
    span.m_months = months;
    return span;
}

bool DateTime::operator==(const DateTime& other) const
{
    return m_year == other.m_year && m_month == other.m_month && m_day == other.m_day;
}

bool DateTime::operator<(const DateTime& other) const
{
    if (m_year != other.m_year)
        return m_year < other.m_year;
    if (m_month != other.m_month)
        return m_month < other.m_month;
    return m_day < other.m_day;
}

bool DateTime::IsValid() const
{
    return IsValidDate(m_year, m_month, m_day);
}

SYSTEMTIME DateTime::ToSystemTime() const
{
    SYSTEMTIME zero = {};
    if (!IsValidDate(m_year, m_month, m_day))
        return zero;
    FILETIME fileTime = {};
    SYSTEMTIME input = DateOnlySystemTime(m_year, m_month, m_day);
    if (!SystemTimeToFileTime(&input, &fileTime))
        return zero;
    SYSTEMTIME normalised = {};
    if (!FileTimeToSystemTime(&fileTime, &normalised))
        return zero;
    return normalised;
}

FILETIME DateTime::ToFileTime() const
{
    SYSTEMTIME systemTime = ToSystemTime();
    if (systemTime.wYear == 0) {
        FILETIME zero = {};
        return zero;
    }
    return FileTimeOf(systemTime);
}

double DateTime::ToVariantDate() const
{
    SYSTEMTIME systemTime = ToSystemTime();
    double oleDate = 0.0;
    if (systemTime.wYear == 0 || !SystemTimeToVariantTime(&systemTime, &oleDate))
        return 0.0;
    return oleDate;
}

DateTime DateTime::FromVariantDate(double oleDate)
{
    SYSTEMTIME systemTime = {};
    if (!VariantTimeToSystemTime(oleDate, &systemTime))
        return DateTime();
    return DateOf(systemTime);
}

DateTime DateTime::FromFileTime(const FILETIME& fileTime)
{
    SYSTEMTIME systemTime = {};
    if (!FileTimeToSystemTime(&fileTime, &systemTime))
        return DateTime();
    return DateOf(systemTime);
}

DateTime DateTime::FromSystemTimeFields(const SYSTEMTIME& systemTime)
{
    SYSTEMTIME dateOnly = DateOnlySystemTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay);
    FILETIME fileTime = {};
    if (!SystemTimeToFileTime(&dateOnly, &fileTime))
        return DateTime();
    return FromFileTime(fileTime);
}

DateTime DateTime::Today()
{
    return g_todayProvider ? g_todayProvider() : SystemToday();
}

int DateTime::DayOfWeek() const
{
    return ToSystemTime().wDayOfWeek;
}

DateTime DateTime::Add(const DateSpan& span) const
{
    SYSTEMTIME start = ToSystemTime();
    if (start.wYear == 0)
        return DateTime();
    int month = start.wMonth + span.GetMonths() % 12;
    int year = start.wYear + span.GetMonths() / 12 + span.GetYears();
    if (month > 12) {
        year += month / 12;
        month %= 12;
    }
    // Clamp the day so that 31 January plus a month is the end of February, not a failure.
    int day = month >= 1 && month <= 12 ? std::min<int>(start.wDay, DaysInMonth(month, year)) : start.wDay;
    FILETIME fileTime = DateTime(day, month, year).ToFileTime();
    if (FileTimeToUnits(fileTime) == 0)
        return DateTime();
    return FromFileTime(UnitsToFileTime(FileTimeToUnits(fileTime) + span.GetDays() * kFileTimeUnitsPerDay));
}

DateTime& DateTime::operator+=(const DateSpan& span)
{
    *this = Add(span);
    return *this;
}

DateTime DateTime::SubtractDays(const DateSpan& span) const
{
    ULONGLONG units = FileTimeToUnits(ToFileTime());
    ULONGLONG offset = span.GetDays() * kFileTimeUnitsPerDay;
    if (units == 0 || units < offset)
        return DateTime();
    return FromFileTime(UnitsToFileTime(units - offset));
}

std::wstring DateTime::ToString() const
{
    wchar_t text[40];
    swprintf(text, sizeof(text) / sizeof(text[0]), L"%d-%02d-%02d", m_year, m_month, m_day);
    return text;
}

void DateTime::Parse(const std::wstring& text)
{
    Parse(text.data(), text.size());
}

void DateTime::Parse(const wchar_t* text, size_t length)
{
    m_year = m_month = m_day = 0;
    // Read as a stream would: blanks skipped before each number, one character after it
    // skipped whatever it is, and nothing more read once a number is missing. Done by hand
    // because a wide string stream costs more than the rest of reading a server record.
    const wchar_t* at = text;
    const wchar_t* end = text + length;
    int* const fields[] = { &m_year, &m_month, &m_day };
    for (int* field : fields) {
        if (!ReadInteger(at, end, *field))
            return;
        if (at < end)
            ++at;
    }
}

void SetTodayProvider(TodayProvider provider)
{
    g_todayProvider = provider;
}

}  // namespace Quorvane
