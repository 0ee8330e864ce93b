#pragma once
// The summary table's rows: one per previewed employee who is imported and has entries, in the
// order of the names shown, built as markup in pieces of a few rows.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "app/missing/MissingItem.h"
#include "core/Config.h"
#include "core/CustomerJob.h"
#include "core/Employee.h"
#include "core/EmployeeDiff.h"
#include "core/ServiceItem.h"

class MainModel;

// How badly an employee's missing items block the import; the values are the page's
// "missingType" and its sort order.
enum MissingItemLevel { MissingCannotBeCreated = 0, MissingManual = 1, MissingAutomatic = 2, NothingMissing = 3 };

// Examines the statuses in order until one cannot be created, or both a manual and an
// automatic one have been met.
MissingItemLevel GetMissingItemLevel(const Quorvane::MissingItemStatusList& statuses);

// One employee's entries, summed as the summary shows them.
class SummaryTotals {
public:
    explicit SummaryTotals(bool canRemove)
        : conflict(false), absent(false), billed(false), changed(false), after(0), before(0), canRemove(canRemove)
    {
    }
    void Add(const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry);

    bool conflict;
    bool absent;
    bool billed;
    bool changed;
    int after;
    int before;
    bool canRemove;
};

// What the summary needs of one previewed employee, worked out once per refresh: the rows,
// the hint and the "Review Missing Data" button all read it.
struct EmployeeSummary {
    boost::shared_ptr<Quorvane::EmployeeDiff> diff;
    int mappingState;  // 0 when the employee has no rule
    size_t missingItems;
    MissingItemLevel level;
    std::wstring name;  // shown: its QuickBooks employee's, else the server user's own
    bool inQuickBooks;
};

struct PreviewSummary {
    std::vector<EmployeeSummary> employees;  // in row order
};

// Every previewed employee in row order: by the names shown, lower-cased, compared by UTF-16
// units. The caller holds the model's lock.
PreviewSummary SummarizePreview(const boost::shared_ptr<MainModel>& model);

class SummaryTableBuilder {
public:
    explicit SummaryTableBuilder(const boost::shared_ptr<MainModel>& model) : m_model(model) {}
    // The rows' markup for the table body, in pieces of a few rows to be added in turn: under
    // Wine a large string, and each copy the engine makes of it, takes fresh pages from the
    // system every time. The caller holds the model's lock.
    std::vector<std::wstring> BuildRows(const PreviewSummary& preview);

private:
    // False when the employee has no row.
    bool AppendRow(const EmployeeSummary& employee, std::wstring& rows);

    boost::shared_ptr<MainModel> m_model;
};

// What the summary shows, worked out on any thread, with the employees and settings it was
// worked out from.
class PreparedSummary {
public:
    // The caller holds the model's lock.
    explicit PreparedSummary(const boost::shared_ptr<MainModel>& model);
    // Whether the model still holds the preview, settings and QuickBooks lists it was worked out
    // from (a created item replaces its list).
    bool Fits(const MainModel& model) const;

    PreviewSummary preview;
    std::vector<std::wstring> rows;  // markup, in pieces (SummaryTableBuilder::BuildRows)

private:
    boost::shared_ptr<Quorvane::EmployeeDiffCollection> m_diffs;
    boost::shared_ptr<Quorvane::Config> m_config;
    boost::shared_ptr<Quorvane::EmployeeCollection> m_employees;
    boost::shared_ptr<Quorvane::CustomerJobCollection> m_customerJobs;
    boost::shared_ptr<Quorvane::ServiceItemCollection> m_serviceItems;
};
