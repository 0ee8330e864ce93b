// The view's side of the date-range widget "cal".
#include "ui/main/DateRangeView.h"

#include "app/MainModel.h"
#include "core/DateRange.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;

namespace {

json::value DateValue(const Quorvane::DateTime& date)
{
    FILETIME time = date.ToFileTime();
    return json::value::make_date(
        static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime));
}

// Zero when the input holds no date.
int64_t FileTimeOf(const element& input)
{
    return input.get_value().get_int64();
}

Quorvane::DateTime DateOf(int64_t fileTime)
{
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(fileTime);
    time.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(fileTime) >> 32);
    return Quorvane::DateTime::FromFileTime(time);
}

// Beside "Import period": why the dates just entered were not taken. Empty hides it.
void ShowPeriodProblem(const element& root, const std::wstring& text)
{
    element problem = root.get_element_by_id("periodProblem");
    mainpage::SetPlainText(problem, text);
    mainpage::SetShown(problem, !text.empty());
}

// Longer text would not fit beside the period; the message then does without it.
const size_t kLongestNamedText = 20;

std::wstring RefusedDateMessage(const std::wstring& typed)
{
    const wchar_t kNotChanged[] = L" is not a date; the period was not changed.";
    if (typed.size() > kLongestNamedText)
        return std::wstring(L"The text typed") + kNotChanged;
    return L"\"" + typed + L"\"" + kNotChanged;
}

}  // namespace

const wchar_t* GetDateRangeName(int type)
{
    static const wchar_t* const kNames[] = { L"Current month",
                                             L"Current month till today",
                                             L"Previous month",
                                             L"Current & previous week",
                                             L"Current & 2 previous weeks",
                                             L"Last 7 days",
                                             L"Last 14 days",
                                             L"Last 21 days",
                                             L"First half of the current month",
                                             L"Second half of the current month",
                                             L"First half of the previous month",
                                             L"Second half of the previous month",
                                             L"Current week",
                                             L"Current week till today",
                                             L"Previous week",
                                             L"2 previous weeks" };
    if (type >= 1 && type <= 16)
        return kNames[type - 1];
    return type == Quorvane::DateRange::CustomType ? L"Custom date range" : L"";
}

void MainView::SetDateRange(const Quorvane::DateRange& range)
{
    element root = Root();
    element calendar = root.get_element_by_id("cal");
    if (!calendar.is_valid())
        return;
    calendar.set_attribute("startDate", range.GetStart().ToString().c_str());
    calendar.set_attribute("endDate", range.GetEnd().ToString().c_str());
    // Kept in step, so a value-changed event never reads the type of an older choice.
    calendar.set_attribute("rangeType", std::to_wstring(range.GetRangeType()).c_str());
    ShowPeriodProblem(root, std::wstring());
    element start = root.get_element_by_id("dateStart");
    element end = root.get_element_by_id("dateEnd");
    element header = root.get_element_by_id("calendarHeader");
    if (!start.is_valid() || !end.is_valid() || !header.is_valid())
        return;
    start.set_value(DateValue(range.GetStart()));
    end.set_value(DateValue(range.GetEnd()));
    mainpage::SetPlainText(header, GetDateRangeName(range.GetRangeType()));
}

void MainView::SetFirstDayOfWeek(int day)
{
    element root = Root();
    if (!root.get_element_by_id("cal").is_valid())
        return;
    std::wstring text = std::to_wstring(day);
    root.get_element_by_id("dateStart").set_attribute("firstDayOfWeek", text.c_str());
    root.get_element_by_id("dateEnd").set_attribute("firstDayOfWeek", text.c_str());
}

void MainView::DateRangeUpdated()
{
    element root = Root();
    element start = root.get_element_by_id("dateStart");
    element end = root.get_element_by_id("dateEnd");
    const wchar_t* typeText = root.get_element_by_id("cal").get_attribute("rangeType");
    if (!typeText || !start.is_valid() || !end.is_valid())
        return;
    int type = htmlayout::wtoi(typeText, 0);
    int64_t startTime = FileTimeOf(start);
    int64_t endTime = FileTimeOf(end);
    // A custom range with an empty input would load everything since 1601.
    if (type == Quorvane::DateRange::CustomType && (startTime == 0 || endTime == 0))
        return;
    Quorvane::DateRange range;
    range.SetStart(DateOf(startTime));
    range.SetEnd(DateOf(endTime));
    range.SetRangeType(type);
    // The controller never hears of an upside-down range; the box shows the period in force.
    if (range.GetStart() > range.GetEnd()) {
        ShowPeriodInForce();
        ShowPeriodProblem(root, L"The start date is after the end date; the period was not changed.");
        return;
    }
    ShowPeriodProblem(root, std::wstring());
    Sink()->ChangeDateRange(range);
}

void MainView::DateTextRefused(const element& input)
{
    ShowPeriodProblem(Root(), RefusedDateMessage(input.get_value().get_string(L"").c_str()));
}

void MainView::ShowPeriodInForce()
{
    if (!m_model)
        return;
    const boost::shared_ptr<Quorvane::Config> config = m_model->GetConfig();
    if (config)
        SetDateRange(config->GetPeriod());
}
