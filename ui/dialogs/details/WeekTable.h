#pragma once
// Writes the week blocks of the preview's timesheet into its table body: a header with the
// week's days and total, one row per customer:job, service item, payroll item, notes and
// billing with a cell per day, and a footer with the day totals.
#include <vector>

#include "ui/dialogs/details/PreviewCells.h"
#include "ui/dialogs/details/WeekLayout.h"
#include "ui/toolkit/Element.h"

namespace Quorvane {
class MissingItemCollection;
}

class WeekTableWriter {
public:
    struct Settings {
        bool usesTimeData;  // shows the payroll item column
        bool canRemove;     // the import deletes QuickBooks time absent on the server
        Quorvane::DateTime periodStart;
        Quorvane::DateTime periodEnd;
    };

    // missing: the employee's items QuickBooks lacks; their names show in red.
    WeekTableWriter(const htmlayout::dom::element& tbody, const Settings& settings,
                    const Quorvane::MissingItemCollection& missing);

    void BuildWeek(const PreviewWeek& week, const std::vector<KeyedEntry>& entries);

private:
    typedef std::vector<int> DayTotals;

    void BuildWeekHeader(const PreviewWeek& week);
    void BuildWeekRow(const PreviewWeek& week, const CustomerJobPayroll& row, const std::vector<KeyedEntry>& entries,
                      DayTotals& dayTotals);
    void AppendTextCells(htmlayout::dom::element& tr, const CustomerJobPayroll& row);
    // Returns what the cell adds to the row total.
    int AppendDayCell(htmlayout::dom::element& tr, const Quorvane::DateTime& day, const PreviewCell& cell,
                      bool rowRemoved, int& dayTotal);
    void AppendBillableCell(htmlayout::dom::element& tr, int billableState, bool rowRemoved);
    void BuildWeekFooter(const PreviewWeek& week, const DayTotals& dayTotals);
    bool IsInPeriod(const Quorvane::DateTime& day) const;
    bool IsMissing(const std::wstring& name) const;

    htmlayout::dom::element m_tbody;
    Settings m_settings;
    const Quorvane::MissingItemCollection& m_missing;
    std::wstring m_weekId;
    htmlayout::dom::element m_headerTotal;
};
