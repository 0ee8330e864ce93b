#include "ui/dialogs/details/WeekTable.h"

#include "app/missing/MissingItem.h"
#include "core/TextUtils.h"
#include "ui/dialogs/details/DialogSupport.h"

using htmlayout::dom::element;
using Quorvane::DateSpan;
using Quorvane::DateTime;
using Quorvane::FormatMinutes;

namespace {

const int kDaysPerWeek = 7;
const wchar_t kOutsidePeriod[] = L"This date is outside of the selected date range";

element AppendCell(element& tr, const std::wstring& text, const wchar_t* cssClass) {
    element td = AppendElement(tr, "td", text);
    if (cssClass)
        td.set_attribute("class", cssClass);
    return td;
}

const wchar_t* DayCellClass(PreviewCellState state, bool rowRemoved) {
    switch (state) {
    case DeletedCell: return L"deletedttcross texttbodytd";
    case KeptCell: return L"deletedtt texttbodytd";
    case BilledConflictCell: return L"conflicttt texttbodytd";
    default: return rowRemoved ? L"deletedtt texttbodytd" : L"texttbodytd";
    }
}

}  // namespace

WeekTableWriter::WeekTableWriter(const element& tbody, const Settings& settings,
                                 const Quorvane::MissingItemCollection& missing)
    : m_tbody(tbody), m_settings(settings), m_missing(missing) {}

void WeekTableWriter::BuildWeek(const PreviewWeek& week, const std::vector<KeyedEntry>& entries) {
    m_weekId = WeekId(week.start);
    BuildWeekHeader(week);
    DayTotals dayTotals(kDaysPerWeek, 0);
    const std::vector<CustomerJobPayroll> rows = CollectRows(entries);
    for (std::vector<CustomerJobPayroll>::const_iterator row = rows.begin(); row != rows.end(); ++row)
        BuildWeekRow(week, *row, entries, dayTotals);
    BuildWeekFooter(week, dayTotals);
}

void WeekTableWriter::BuildWeekHeader(const PreviewWeek& week) {
    element tr = AppendElement(m_tbody, "tr");
    tr.set_attribute("class", L"weekheader");
    tr.set_attribute("week", m_weekId.c_str());
    element toggle = AppendCell(tr, std::wstring(), L"weekheaderemployee");
    toggle.set_attribute("colspan", L"4");
    SetHtml(toggle, L"<img class=\"pointer\" src=\"IDR_EXPANDED.png\" value=\"false\"/>&nbsp;&nbsp;"
                    L"<span class=\"green\">Week Of</span>&nbsp;&nbsp;" +
                        FormatWeekRange(week.start, week.end));
    for (int i = 0; i < kDaysPerWeek; ++i)
        AppendCell(tr, std::to_wstring(week.start.Add(DateSpan::Days(i)).GetDay()), L"weekheaderdayofweek green");
    m_headerTotal = AppendCell(tr, L"0:00", L"weekheaderdayofweek");
    m_headerTotal.set_attribute("weekheadtotal", m_weekId.c_str());
    m_headerTotal.set_attribute("total", L"");
    AppendCell(tr, std::wstring(), L"weekheaderdayofweek");
}

void WeekTableWriter::BuildWeekRow(const PreviewWeek& week, const CustomerJobPayroll& row,
                                   const std::vector<KeyedEntry>& entries, DayTotals& dayTotals) {
    std::vector<PreviewCell> cells;
    for (int i = 0; i < kDaysPerWeek; ++i)
        cells.push_back(AggregateCell(row, entries, week.start.Add(DateSpan::Days(i))));
    const bool rowRemoved = m_settings.canRemove && IsRowAbsentOnServer(cells);
    element tr = AppendElement(m_tbody, "tr");
    tr.set_attribute("weekValue", m_weekId.c_str());
    if (rowRemoved)
        tr.set_attribute("class", L"deletedttheader");
    AppendTextCells(tr, row);
    int rowTotal = 0;
    for (int i = 0; i < kDaysPerWeek; ++i)
        rowTotal += AppendDayCell(tr, week.start.Add(DateSpan::Days(i)), cells[i], rowRemoved, dayTotals[i]);
    AppendCell(tr, FormatMinutes(rowTotal, L"0:00"), L"texttbodytd").set_attribute("total", L"");
    AppendBillableCell(tr, row.billableState, rowRemoved);
}

void WeekTableWriter::AppendTextCells(element& tr, const CustomerJobPayroll& row) {
    element customerJob = AppendCell(tr, row.customerJob, L"customerjob");
    if (IsMissing(row.customerJob))
        customerJob.set_attribute("missingItem", L"");
    element serviceItem = AppendCell(tr, row.serviceItem, nullptr);
    if (IsMissing(row.serviceItem))
        serviceItem.set_attribute("missingItem", L"");
    if (m_settings.usesTimeData)
        AppendCell(tr, row.payrollItem, nullptr);
    else
        serviceItem.set_attribute("colspan", L"2");
    AppendCell(tr, row.notes, nullptr);
}

int WeekTableWriter::AppendDayCell(element& tr, const DateTime& day, const PreviewCell& cell, bool rowRemoved,
                                   int& dayTotal) {
    element td = AppendCell(tr, std::wstring(), rowRemoved ? L"deletedtt texttbodytd" : L"texttbodytd");
    if (!IsInPeriod(day)) {
        td.set_attribute("title", kOutsidePeriod);
        td.set_attribute("total", L"");
    }
    if (cell.empty)
        return 0;
    const PreviewCellState state = GetCellState(cell, m_settings.canRemove);
    td.set_attribute("class", DayCellClass(state, rowRemoved));
    if (state == UnchangedCell)
        td.set_attribute("style", L"color: #A3A3A3;");
    const std::wstring shown = FormatMinutes(ShownMinutes(cell, state), std::wstring());
    if (state == BilledConflictCell)
        SetHtml(td, L"&nbsp;&nbsp;" + shown);
    else
        td.set_text(shown.c_str());
    td.set_attribute("title", DiffTooltip(cell, m_settings.canRemove).c_str());
    if (AddsToDayTotal(state))
        dayTotal += cell.serverMinutes;
    return AddsToRowTotal(state, rowRemoved) ? cell.serverMinutes : 0;
}

void WeekTableWriter::AppendBillableCell(element& tr, int billableState, bool rowRemoved) {
    element td = AppendCell(tr, std::wstring(), rowRemoved ? L"deletedtt texttbodytd" : L"texttbodytd");
    if (billableState == CustomerJobPayroll::Billed)
        SetHtml(td, L"<img src=\"IDR_PAGE.png\">");
    else if (billableState != CustomerJobPayroll::NotBillable)
        SetHtml(td, L"<img src=\"IDR_CHECK.png\">");
    else
        td.set_text(L"No");
}

void WeekTableWriter::BuildWeekFooter(const PreviewWeek& week, const DayTotals& dayTotals) {
    element tr = AppendElement(m_tbody, "tr");
    tr.set_attribute("class", L"weekfooter");
    tr.set_attribute("weekValue", m_weekId.c_str());
    AppendCell(tr, L"Totals:", L"weekfootertotal").set_attribute("colspan", L"4");
    int weekTotal = 0;
    for (int i = 0; i < kDaysPerWeek; ++i) {
        weekTotal += dayTotals[i];
        if (IsInPeriod(week.start.Add(DateSpan::Days(i))))
            AppendCell(tr, FormatMinutes(dayTotals[i], L"0:00"), L"texttbodytd");
        else
            AppendCell(tr, std::wstring(), L"texttbodytd").set_attribute("title", kOutsidePeriod);
    }
    const std::wstring total = FormatMinutes(weekTotal, L"0:00");
    AppendCell(tr, total, L"texttbodytd");
    m_headerTotal.set_text(total.c_str());
    AppendCell(tr, std::wstring(), nullptr);
}

bool WeekTableWriter::IsInPeriod(const DateTime& day) const {
    return IsWithin(day, m_settings.periodStart, m_settings.periodEnd);
}

bool WeekTableWriter::IsMissing(const std::wstring& name) const {
    return !name.empty() && m_missing.ContainsName(name);
}
