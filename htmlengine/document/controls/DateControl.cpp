#include "htmlengine/document/controls/DateControl.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/CalendarGeometry.h"
#include "htmlengine/document/controls/OptionHighlight.h"
#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace htmlengine {

namespace {

std::optional<long long> FromParts(int year, int month, int day)
{
    SYSTEMTIME time = {};
    time.wYear = WORD(year);
    time.wMonth = WORD(month);
    time.wDay = WORD(day);
    FILETIME fileTime;
    if (year < 1601 || year > 30827 || !SystemTimeToFileTime(&time, &fileTime))
        return std::nullopt;
    SYSTEMTIME check;
    FileTimeToSystemTime(&fileTime, &check);
    if (check.wDay != day || check.wMonth != month)
        return std::nullopt;  // 31 April and the like
    return (static_cast<long long>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

std::optional<Day> DayOf(long long fileTime)
{
    FILETIME ft = { DWORD(fileTime), DWORD(fileTime >> 32) };
    SYSTEMTIME time;
    if (!FileTimeToSystemTime(&ft, &time))
        return std::nullopt;
    return Day { time.wYear, time.wMonth, time.wDay };
}

void Repaint(Element& element)
{
    if (Document* document = element.OwnerDocument())
        document->Host().Repaint(nullptr);
}

}  // namespace

Day Today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return { now.wYear, now.wMonth, now.wDay };
}

std::optional<long long> ParseDate(const std::wstring& text)
{
    int a = 0, b = 0, c = 0;
    wchar_t tail = 0;
    if (swscanf(text.c_str(), L"%d-%d-%d%lc", &a, &b, &c, &tail) == 3)
        return FromParts(a, b, c);
    if (swscanf(text.c_str(), L"%d/%d/%d%lc", &a, &b, &c, &tail) == 3)
        return FromParts(c, a, b);
    return std::nullopt;
}

std::wstring FormatDate(long long fileTime)
{
    std::optional<Day> day = DayOf(fileTime);
    if (!day)
        return std::wstring();
    wchar_t text[16];
    swprintf(text, 16, L"%04d-%02d-%02d", day->year, day->month, day->day);
    return text;
}

DateControl::DateControl(Element& element) : EditControl(element, false), date_(ParseDate(Text()))
{
    Replace(date_ ? FormatDate(*date_) : std::wstring());
}

ControlValue DateControl::GetValue(Element&) const
{
    if (refused_)
        return ControlValue::String(*refused_);
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

std::optional<Day> DateControl::Chosen() const
{
    return date_ ? DayOf(*date_) : std::nullopt;
}

int DateControl::FirstDayOfWeek(const Element& element)
{
    long day = std::wcstol(element.AttributeOr("firstDayOfWeek", L"0").c_str(), nullptr, 10);
    return day >= 0 && day <= 6 ? int(day) : 0;
}

bool DateControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    if (IsDropKey(key, keyboardState)) {
        OpenCalendar(element);
        return true;
    }
    if (key != VK_RETURN)
        return EditControl::OnKeyDown(element, key, keyboardState);
    Commit(element);
    return true;
}

void DateControl::OnFocusLost(Element& element)
{
    ClosePopup(element);
    Commit(element);
}

bool DateControl::OnMouse(Element& element, const MouseInput& input)
{
    if (input.kind == MouseInput::Kind::Down && input.x >= glyphLeft_) {
        if (open_)
            ClosePopup(element);
        else
            OpenCalendar(element);
        return true;
    }
    return EditControl::OnMouse(element, input);
}

void DateControl::OpenCalendar(Element& element)
{
    if (open_)
        return;
    Commit(element);  // the calendar starts from what was typed
    NotePopupOpened(element);
    open_ = true;
    Highlight(Chosen().value_or(Today()));
    area_ = Rect {};
    Repaint(element);
}

void DateControl::ClosePopup(Element& element)
{
    if (!open_)
        return;
    open_ = false;
    NotePopupClosed(element);
    Repaint(element);
}

void DateControl::Highlight(const Day& day)
{
    highlighted_ = day;
    shown_ = { day.year, day.month, 1 };
}

void DateControl::ChooseDay(Element& element, const Day& day)
{
    bool changed = Chosen() != day;
    date_ = FromParts(day.year, day.month, day.day);
    Replace(date_ ? FormatDate(*date_) : std::wstring());
    ClosePopup(element);
    if (changed)
        SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
}

bool DateControl::OnPopupKey(Element& element, unsigned key, unsigned keyboardState)
{
    if (!open_ || !OnCalendarKey(element, key, keyboardState))
        return false;
    Repaint(element);
    return true;
}

bool DateControl::OnCalendarKey(Element& element, unsigned key, unsigned keyboardState)
{
    switch (key) {
    case VK_LEFT: Highlight(AddDays(highlighted_, -1)); return true;
    case VK_RIGHT: Highlight(AddDays(highlighted_, 1)); return true;
    case VK_UP:
    case VK_DOWN:
        if (keyboardState & KEYBOARD_ALT)
            return ClosePopup(element), true;
        Highlight(AddDays(highlighted_, key == VK_UP ? -7 : 7));
        return true;
    case VK_PRIOR: Highlight(AddMonths(highlighted_, -1)); return true;
    case VK_NEXT: Highlight(AddMonths(highlighted_, 1)); return true;
    case VK_RETURN: ChooseDay(element, highlighted_); return true;
    case VK_ESCAPE:
    case VK_F4: ClosePopup(element); return true;
    case VK_TAB: ClosePopup(element); return false;  // the focus moves on as usual
    default: return false;
    }
}

bool DateControl::OnPopupPress(Element& element, int x, int y)
{
    if (!open_ || !area_.Contains({ x, y }))
        return false;
    Point at = { x - area_.x, y - area_.y };
    if (calendar::PreviousButton().Contains(at))
        shown_ = AddMonths(shown_, -1);
    if (calendar::NextButton().Contains(at))
        shown_ = AddMonths(shown_, 1);
    Day start = GridStart(shown_.year, shown_.month, FirstDayOfWeek(element));
    for (int row = 0; row < kCalendarRows; ++row)
        for (int column = 0; column < kCalendarColumns; ++column)
            if (calendar::DayCell(row, column).Contains(at))
                return ChooseDay(element, AddDays(start, row * kCalendarColumns + column)), true;
    Repaint(element);
    return true;
}

void DateControl::Commit(Element& element)
{
    std::optional<long long> typed = Text().empty() ? std::nullopt : ParseDate(Text());
    if (!Text().empty() && !typed)
        return Refuse(element);
    bool changed = typed != date_;
    date_ = typed;
    Replace(date_ ? FormatDate(*date_) : std::wstring());
    Show(element);
    if (changed)
        SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
}

// Back to the last date; the page hears which text was refused.
void DateControl::Refuse(Element& element)
{
    ElementHold hold(element);
    std::wstring refused = Text();
    Replace(date_ ? FormatDate(*date_) : std::wstring());
    Show(element);
    refused_ = refused;
    SendBehaviorEvent(element, element, EVENT_VALUE_REFUSED, 0);
    refused_.reset();
}

}  // namespace htmlengine
