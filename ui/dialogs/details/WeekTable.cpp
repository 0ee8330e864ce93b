#include "ui/dialogs/details/WeekTable.h"

#include <numeric>

#include "app/missing/MissingItem.h"
#include "core/TextUtils.h"

using Quorvane::DateSpan;
using Quorvane::DateTime;
using Quorvane::FormatMinutes;

namespace {

const int kDaysPerWeek = 7;
const wchar_t kOutsidePeriod[] = L"This date is outside of the selected date range";

const wchar_t* DayCellClass(PreviewCellState state, bool rowRemoved)
{
    switch (state) {
    case DeletedCell: return L"deletedttcross texttbodytd";
    case KeptCell: return L"deletedtt texttbodytd";
    case BilledConflictCell: return L"conflicttt texttbodytd";
    default: return rowRemoved ? L"deletedtt texttbodytd" : L"texttbodytd";
    }
}

const wchar_t* PlainClass(bool rowRemoved)
{
    return rowRemoved ? L"deletedtt texttbodytd" : L"texttbodytd";
}

void WriteCell(MarkupWriter& markup, const wchar_t* cssClass, const std::wstring& text)
{
    markup.Open(L"td").Attribute(L"class", cssClass).Text(text).Close(L"td");
}

DateTime Day(const PreviewWeek& week, int offset)
{
    return week.start.Add(DateSpan::Days(offset));
}

}  // namespace

WeekTableWriter::WeekTableWriter(const Settings& settings, const Quorvane::MissingItemCollection& missing)
    : m_settings(settings), m_missing(missing)
{
}

void WeekTableWriter::WriteWeek(const PreviewWeek& week, const std::vector<KeyedEntry>& entries,
                                MarkupWriter& markup) const
{
    DayTotals dayTotals(kDaysPerWeek, 0);
    std::vector<WeekRow> rows;
    const std::vector<CustomerJobPayroll> keys = CollectRows(entries);
    for (std::vector<CustomerJobPayroll>::const_iterator key = keys.begin(); key != keys.end(); ++key)
        rows.push_back(CountRow(week, *key, entries, dayTotals));
    const int weekTotal = std::accumulate(dayTotals.begin(), dayTotals.end(), 0);
    const std::wstring weekId = WeekId(week.start);
    WriteHeader(week, weekId, weekTotal, markup);
    for (std::vector<WeekRow>::const_iterator row = rows.begin(); row != rows.end(); ++row)
        WriteRow(week, weekId, *row, markup);
    WriteFooter(week, weekId, dayTotals, weekTotal, markup);
}

WeekTableWriter::WeekRow WeekTableWriter::CountRow(const PreviewWeek& week, const CustomerJobPayroll& row,
                                                   const std::vector<KeyedEntry>& entries, DayTotals& dayTotals) const
{
    WeekRow counted;
    counted.row = row;
    for (int i = 0; i < kDaysPerWeek; ++i)
        counted.cells.push_back(AggregateCell(row, entries, Day(week, i)));
    counted.removed = m_settings.canRemove && IsRowAbsentOnServer(counted.cells);
    counted.total = 0;
    for (int i = 0; i < kDaysPerWeek; ++i) {
        const PreviewCell& cell = counted.cells[i];
        if (cell.empty)
            continue;
        const PreviewCellState state = GetCellState(cell, m_settings.canRemove);
        if (AddsToDayTotal(state))
            dayTotals[i] += cell.serverMinutes;
        if (AddsToRowTotal(state, counted.removed))
            counted.total += cell.serverMinutes;
    }
    return counted;
}

void WeekTableWriter::WriteHeader(const PreviewWeek& week, const std::wstring& weekId, int weekTotal,
                                  MarkupWriter& markup) const
{
    markup.Open(L"tr").Attribute(L"class", L"weekheader").Attribute(L"week", weekId);
    markup.Open(L"td").Attribute(L"colspan", L"4").Attribute(L"class", L"weekheaderemployee");
    markup.Markup(L"<img class=\"pointer\" tabindex=\"0\" src=\"IDR_EXPANDED.png\" value=\"false\"/>&nbsp;&nbsp;"
                  L"<span class=\"green\">Week Of</span>&nbsp;&nbsp;");
    markup.Text(FormatWeekRange(week.start, week.end)).Close(L"td");
    for (int i = 0; i < kDaysPerWeek; ++i)
        WriteCell(markup, L"weekheaderdayofweek green", std::to_wstring(Day(week, i).GetDay()));
    markup.Open(L"td").Attribute(L"class", L"weekheaderdayofweek").Attribute(L"weekheadtotal", weekId);
    markup.Attribute(L"total", L"").Text(FormatMinutes(weekTotal, L"0:00")).Close(L"td");
    WriteCell(markup, L"weekheaderdayofweek", std::wstring());
    markup.Close(L"tr");
}

void WeekTableWriter::WriteRow(const PreviewWeek& week, const std::wstring& weekId, const WeekRow& row,
                               MarkupWriter& markup) const
{
    markup.Open(L"tr").Attribute(L"weekValue", weekId);
    if (row.removed)
        markup.Attribute(L"class", L"deletedttheader");
    WriteTextCells(row.row, markup);
    for (int i = 0; i < kDaysPerWeek; ++i)
        WriteDayCell(Day(week, i), row.cells[i], row.removed, markup);
    markup.Open(L"td").Attribute(L"class", L"texttbodytd").Attribute(L"total", L"");
    markup.Text(FormatMinutes(row.total, L"0:00")).Close(L"td");
    WriteBillableCell(row.row.billableState, row.removed, markup);
    markup.Close(L"tr");
}

// The texts sit in blocks of their column's width, so that a long name ends in an ellipsis
// instead of widening the table.
void WeekTableWriter::WriteTextCells(const CustomerJobPayroll& row, MarkupWriter& markup) const
{
    markup.Open(L"td").Attribute(L"class", L"customerjob");
    if (IsMissing(row.customerJob))
        markup.Attribute(L"missingItem", L"");
    WriteClipped(row.customerJob, markup);
    markup.Open(L"td").Attribute(L"class", L"serviceitem");
    if (IsMissing(row.serviceItem))
        markup.Attribute(L"missingItem", L"");
    if (!m_settings.usesTimeData)
        markup.Attribute(L"colspan", L"2");
    WriteClipped(row.serviceItem, markup);
    if (m_settings.usesTimeData) {
        markup.Open(L"td").Attribute(L"class", L"payrollitem");
        WriteClipped(row.payrollItem, markup);
    }
    markup.Open(L"td").Attribute(L"class", L"notes");
    WriteClipped(row.notes, markup);
}

void WeekTableWriter::WriteClipped(const std::wstring& text, MarkupWriter& markup) const
{
    markup.Open(L"div").Attribute(L"class", L"clip").Text(text).Close(L"div").Close(L"td");
}

void WeekTableWriter::WriteDayCell(const DateTime& day, const PreviewCell& cell, bool rowRemoved,
                                   MarkupWriter& markup) const
{
    const PreviewCellState state = GetCellState(cell, m_settings.canRemove);
    markup.Open(L"td").Attribute(L"class", cell.empty ? PlainClass(rowRemoved) : DayCellClass(state, rowRemoved));
    if (!cell.empty)
        markup.Attribute(L"title", DiffTooltip(cell, m_settings.canRemove));
    else if (!IsInPeriod(day))
        markup.Attribute(L"title", kOutsidePeriod);
    if (!IsInPeriod(day))
        markup.Attribute(L"total", L"");
    if (cell.empty) {
        markup.Close(L"td");
        return;
    }
    if (state == UnchangedCell)
        markup.Attribute(L"style", L"color: #A3A3A3;");
    if (state == BilledConflictCell)
        markup.Markup(L"&nbsp;&nbsp;");
    markup.Text(FormatMinutes(ShownMinutes(cell, state), std::wstring())).Close(L"td");
}

void WeekTableWriter::WriteBillableCell(int billableState, bool rowRemoved, MarkupWriter& markup) const
{
    markup.Open(L"td").Attribute(L"class", PlainClass(rowRemoved));
    if (billableState == CustomerJobPayroll::Billed)
        markup.Markup(L"<img src=\"IDR_PAGE.png\">");
    else if (billableState != CustomerJobPayroll::NotBillable)
        markup.Markup(L"<img src=\"IDR_CHECK.png\">");
    else
        markup.Text(L"No");
    markup.Close(L"td");
}

void WeekTableWriter::WriteFooter(const PreviewWeek& week, const std::wstring& weekId, const DayTotals& dayTotals,
                                  int weekTotal, MarkupWriter& markup) const
{
    markup.Open(L"tr").Attribute(L"class", L"weekfooter").Attribute(L"weekValue", weekId);
    markup.Open(L"td").Attribute(L"colspan", L"4").Attribute(L"class", L"weekfootertotal").Text(L"Totals:");
    markup.Close(L"td");
    for (int i = 0; i < kDaysPerWeek; ++i) {
        if (IsInPeriod(Day(week, i))) {
            WriteCell(markup, L"texttbodytd", FormatMinutes(dayTotals[i], L"0:00"));
            continue;
        }
        markup.Open(L"td").Attribute(L"class", L"texttbodytd").Attribute(L"title", kOutsidePeriod).Close(L"td");
    }
    WriteCell(markup, L"texttbodytd", FormatMinutes(weekTotal, L"0:00"));
    markup.Open(L"td").Close(L"td").Close(L"tr");
}

bool WeekTableWriter::IsInPeriod(const DateTime& day) const
{
    return IsWithin(day, m_settings.periodStart, m_settings.periodEnd);
}

bool WeekTableWriter::IsMissing(const std::wstring& name) const
{
    return !name.empty() && m_missing.ContainsName(name);
}
