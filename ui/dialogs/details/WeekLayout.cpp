#include "ui/dialogs/details/WeekLayout.h"

#include "core/TextUtils.h"

using Quorvane::DateSpan;
using Quorvane::DateTime;

namespace {

const int kDaysPerWeek = 7;

// 0 = Monday to 6 = Sunday.
int MondayBasedWeekday(const DateTime& day)
{
    return (day.DayOfWeek() + kDaysPerWeek - 1) % kDaysPerWeek;
}

}  // namespace

void GetWeekBounds(const DateTime& periodStart, const DateTime& periodEnd, int firstDayOfWeek, DateTime& firstWeekStart,
                   DateTime& boundary)
{
    const int daysBack = (MondayBasedWeekday(periodStart) - firstDayOfWeek + kDaysPerWeek) % kDaysPerWeek;
    const int daysOn = (firstDayOfWeek - MondayBasedWeekday(periodEnd) + kDaysPerWeek) % kDaysPerWeek;
    firstWeekStart = periodStart.SubtractDays(DateSpan::Days(daysBack));
    boundary = periodEnd.Add(DateSpan::Days(daysOn));
}

std::vector<PreviewWeek> LayWeeks(const DateTime& periodStart, const DateTime& periodEnd, int firstDayOfWeek)
{
    DateTime start;
    DateTime boundary;
    GetWeekBounds(periodStart, periodEnd, firstDayOfWeek, start, boundary);
    if (boundary == periodEnd)
        boundary += DateSpan::Days(kDaysPerWeek);
    std::vector<PreviewWeek> weeks;
    for (; start < boundary; start += DateSpan::Days(kDaysPerWeek)) {
        PreviewWeek week;
        week.start = start;
        week.end = start.Add(DateSpan::Days(kDaysPerWeek - 1));
        weeks.push_back(week);
    }
    return weeks;
}

std::wstring FormatWeekRange(const DateTime& start, const DateTime& end)
{
    static const wchar_t* const kMonths[] = { L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                              L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec" };
    std::wstring text = kMonths[start.GetMonth() - 1] + (L" " + std::to_wstring(start.GetDay())) + L" - ";
    if (end.GetMonth() != start.GetMonth())
        text += kMonths[end.GetMonth() - 1] + std::wstring(L" ");
    return text + std::to_wstring(end.GetDay()) + L", " + std::to_wstring(end.GetYear());
}

std::wstring WeekId(const DateTime& start)
{
    return Quorvane::ReplaceAll(start.ToString(), L"-", L"_");
}

std::wstring DayHeaderName(int firstDayOfWeek, int offset)
{
    static const wchar_t* const kDays[] = { L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su" };
    return kDays[(firstDayOfWeek + offset) % kDaysPerWeek];
}

bool IsWithin(const DateTime& day, const DateTime& start, const DateTime& end)
{
    return !(day < start) && !(end < day);
}
