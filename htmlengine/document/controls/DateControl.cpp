#include "htmlengine/document/controls/DateControl.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <windows.h>

#include <cstdio>

namespace htmlengine {

namespace {

const unsigned kReturn = 0x0D;

std::optional<long long> FromParts(int year, int month, int day)
{
    SYSTEMTIME time = {};
    time.wYear = WORD(year);
    time.wMonth = WORD(month);
    time.wDay = WORD(day);
    FILETIME fileTime;
    if (year < 1601 || year > 30827 || !SystemTimeToFileTime(&time, &fileTime)) return std::nullopt;
    SYSTEMTIME check;
    FileTimeToSystemTime(&fileTime, &check);
    if (check.wDay != day || check.wMonth != month) return std::nullopt;  // 31 April and the like
    return (static_cast<long long>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

}  // namespace

std::optional<long long> ParseDate(const std::wstring& text)
{
    int a = 0, b = 0, c = 0;
    wchar_t tail = 0;
    if (swscanf(text.c_str(), L"%d-%d-%d%lc", &a, &b, &c, &tail) == 3) return FromParts(a, b, c);
    if (swscanf(text.c_str(), L"%d/%d/%d%lc", &a, &b, &c, &tail) == 3) return FromParts(c, a, b);
    return std::nullopt;
}

std::wstring FormatDate(long long fileTime)
{
    FILETIME ft = {DWORD(fileTime), DWORD(fileTime >> 32)};
    SYSTEMTIME time;
    if (!FileTimeToSystemTime(&ft, &time)) return std::wstring();
    wchar_t text[16];
    swprintf(text, 16, L"%04u-%02u-%02u", time.wYear, time.wMonth, time.wDay);
    return text;
}

DateControl::DateControl(Element& element) : EditControl(element, false), date_(ParseDate(Text()))
{
    Replace(date_ ? FormatDate(*date_) : std::wstring());
}

ControlValue DateControl::GetValue(Element&) const
{
    return date_ ? ControlValue::Date(*date_) : ControlValue::Undefined();
}

void DateControl::SetValue(Element&, const ControlValue& value)
{
    if (value.kind == ControlValue::Kind::Date)
        date_ = ParseDate(FormatDate(value.number));  // midnight of that day
    else
        date_.reset();
    Replace(date_ ? FormatDate(*date_) : std::wstring());
}

bool DateControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    if (key != kReturn) return EditControl::OnKeyDown(element, key, keyboardState);
    Commit(element);
    return true;
}

void DateControl::OnFocusLost(Element& element) { Commit(element); }

void DateControl::Commit(Element& element)
{
    std::optional<long long> typed = Text().empty() ? std::nullopt : ParseDate(Text());
    if (!Text().empty() && !typed) typed = date_;  // unreadable: back to the last date
    bool changed = typed != date_;
    date_ = typed;
    Replace(date_ ? FormatDate(*date_) : std::wstring());
    if (changed) SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
}

}  // namespace htmlengine
