#include "core/ImportLogDates.h"

#include <cwchar>

namespace Quorvane {
namespace Logging {

namespace {

const wchar_t kRangeLabel[] = L"Imported dates:   ";
const wchar_t kRangeSeparator[] = L" - ";
const wchar_t* const kMonths[] = { L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                   L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec" };
const int kMonthCount = sizeof(kMonths) / sizeof(kMonths[0]);

bool ParseLogDate(const std::wstring& text, DateTime& date)
{
    wchar_t month[4] = {};
    int day = 0;
    int year = 0;
    if (swscanf(text.c_str(), L"%3ls %d, %d", month, &day, &year) != 3)
        return false;
    for (int number = 1; number <= kMonthCount; ++number) {
        if (std::wcscmp(month, kMonths[number - 1]) != 0)
            continue;
        // Written back, it must give the same text: nothing before or after it, no leading zero.
        const DateTime parsed(day, number, year);
        if (!parsed.IsValid() || FormatLogDate(parsed) != text)
            return false;
        date = parsed;
        return true;
    }
    return false;
}

}  // namespace

std::wstring FormatLogDate(const DateTime& date)
{
    const int month = date.GetMonth();
    const std::wstring name = month >= 1 && month <= kMonthCount ? kMonths[month - 1] : L"";
    return name + L" " + std::to_wstring(date.GetDay()) + L", " + std::to_wstring(date.GetYear());
}

std::wstring FormatRangeLine(const DateTime& start, const DateTime& end)
{
    return kRangeLabel + FormatLogDate(start) + kRangeSeparator + FormatLogDate(end);
}

bool ParseRangeLine(const std::wstring& line, DateTime& start, DateTime& end)
{
    const std::wstring label = kRangeLabel;
    if (line.compare(0, label.size(), label) != 0)
        return false;
    const size_t separator = line.find(kRangeSeparator, label.size());
    if (separator == std::wstring::npos)
        return false;
    DateTime first;
    DateTime last;
    if (!ParseLogDate(line.substr(label.size(), separator - label.size()), first) ||
        !ParseLogDate(line.substr(separator + std::wcslen(kRangeSeparator)), last))
        return false;
    start = first;
    end = last;
    return true;
}

}  // namespace Logging
}  // namespace Quorvane
