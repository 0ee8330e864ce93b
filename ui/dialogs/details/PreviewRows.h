#pragma once
// The rows and cells under the preview's weekly timesheet, free of any markup: which row each
// previewed entry belongs to, the rows of a week in their order, and the sums of one row on one
// day.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "core/DateTime.h"

class MainModel;

namespace Quorvane {
class Config;
class Employee;
class TimeTrackDiff;
class TimeTrackDiffCollection;
class TimeTrackRecord;
}  // namespace Quorvane

// One row of the timesheet: what QuickBooks holds, or will hold after the import.
struct CustomerJobPayroll {
    enum { NotBillable = 0, Billable = 1, Billed = 2 };

    CustomerJobPayroll() : billableState(NotBillable) {}

    std::wstring customerJob;
    std::wstring serviceItem;
    std::wstring payrollItem;  // a payroll item's name, or a leave type's
    std::wstring notes;
    int billableState;
};

// Customer:job and service item ignore letter case; payroll item, billing and notes do not.
bool SameCustomerJobPayroll(const CustomerJobPayroll& a, const CustomerJobPayroll& b);
// By customer:job, code unit by code unit, then not billable, billable, billed.
bool CustomerJobPayrollLess(const CustomerJobPayroll& a, const CustomerJobPayroll& b);

// Why an entry's QuickBooks time stays although the server's differs.
enum EntryKeeping {
    FollowsServer,  // the import makes QuickBooks hold the server's time
    KeepsSurplus,  // nothing of the server total is left for it, and deletion is off
    KeepsLeaveNotImported,  // leave of a type the import leaves alone
    KeepsLeaveOfUnknownType  // leave of a type the server no longer lists
};

// A previewed entry with the row it belongs to.
struct KeyedEntry {
    KeyedEntry() : serverMinutes(0), keeping(FollowsServer), written(false) {}

    CustomerJobPayroll key;
    boost::shared_ptr<Quorvane::TimeTrackDiff> diff;
    // What QuickBooks holds after the import; on an entry absent on the server, its own time.
    int serverMinutes;
    EntryKeeping keeping;
    bool written;  // the import adds, changes or deletes it
};

// Works out the row of an entry for one employee. A row and its cells use the same key, so an
// entry's minutes always land in its own row.
class PreviewRowKeys {
public:
    // namingEmployee names the service items the import will create for server-only entries.
    PreviewRowKeys(const MainModel& model, const Quorvane::Config& config, const Quorvane::Employee& serverEmployee,
                   const Quorvane::Employee& namingEmployee);

    // False for leave that has no row and counts nowhere: all leave when leave import is off,
    // and leave only on the server whose type is not imported.
    bool MakeKey(const Quorvane::TimeTrackDiff& entry, KeyedEntry& keyed) const;
    // The entries that have a row, in their order.
    std::vector<KeyedEntry> KeyEntries(const Quorvane::TimeTrackDiffCollection& entries) const;

private:
    bool LeaveKey(const Quorvane::TimeTrackDiff& entry, KeyedEntry& keyed) const;
    bool ServerLeaveKey(const Quorvane::TimeTrackRecord& record, KeyedEntry& keyed) const;
    bool ImportedLeaveKey(const std::wstring& leaveType, CustomerJobPayroll& key) const;
    void ServerWorkKey(const Quorvane::TimeTrackRecord& record, CustomerJobPayroll& key) const;

    const MainModel& m_model;
    const Quorvane::Config& m_config;
    const Quorvane::Employee& m_namingEmployee;
    std::wstring m_defaultPayrollItem;
};

// The distinct rows of the entries, in CustomerJobPayrollLess order (stable, so ties keep the
// order of their first entries).
std::vector<CustomerJobPayroll> CollectRows(const std::vector<KeyedEntry>& entries);

// The sums of one row on one day.
struct PreviewCell {
    PreviewCell()
        : empty(true),
          quickBooksMinutes(0),
          serverMinutes(0),
          billed(false),
          billedConflict(false),
          absentOnServer(false),
          keeping(FollowsServer),
          written(false)
    {
    }

    bool empty;  // no entry of the row on that day
    int quickBooksMinutes;
    int serverMinutes;  // what the import leaves
    bool billed;
    bool billedConflict;
    bool absentOnServer;
    // The strongest reason why QuickBooks keeps time the server does not have.
    EntryKeeping keeping;
    // The import writes some of its entries, even where their total stays as it is.
    bool written;
};

PreviewCell AggregateCell(const CustomerJobPayroll& row, const std::vector<KeyedEntry>& entries,
                          const Quorvane::DateTime& day);
