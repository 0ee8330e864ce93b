#pragma once
// Which QuickBooks entries hold leave. The program writes leave with no customer:job and no
// service item, not billable, its type named in the notes. An entry of that shape is leave when
// what the load and the settings know names its type:
// - a type the server lists: of a type the import takes, only on the type's payroll item (none
//   for a type imported without one); of a type it does not take, on any payroll item;
// - a type the server no longer lists but the load's leave records still name;
// - a type the server no longer lists whose rule maps it to the entry's payroll item (rules are
//   never removed, so the program's own leave of a vanished type is still known by them).
// The preview flags the entries found here, and everything after it goes by that flag.
#include <map>
#include <set>
#include <string>

#include "app/Resolvers.h"

namespace Quorvane {
class TimeTrackRecord;
}

class LeaveEntries {
public:
    enum Kind {
        NotLeave,
        ImportedLeave,  // the import takes it
        LeaveLeftAlone  // of a type not imported or no longer listed: QuickBooks keeps it as it is
    };

    LeaveEntries(const MainModel& model, const Quorvane::Config& config);

    // hasNoNames: the entry has neither a customer:job nor a service item (read by the caller,
    // who reads them once per entry).
    Kind Classify(const Quorvane::TimeTrackRecord& entry, bool hasNoNames) const;

    // What the import does with leave of this type (GetLeaveImport, looked up once per type).
    LeaveImport ImportOf(const std::wstring& leaveTypeName) const;

private:
    struct ListedType {
        LeaveImport import;
        bool payrollKnown;  // the payroll item of an imported type is still in QuickBooks
        std::wstring payrollName;  // empty for a type imported without one
    };

    void ReadListedTypes(const MainModel& model, const Quorvane::Config& config);
    void ReadRecordedTypes(const MainModel& model);
    void ReadVanishedTypesPayrollItems(const MainModel& model, const Quorvane::Config& config);

    std::map<std::wstring, ListedType> m_listed;  // by name; the first of a name counts
    std::set<std::wstring> m_recorded;  // types named by the load's leave records, not listed
    std::set<std::wstring> m_vanishedPayrollNames;  // payroll items of rules of unlisted types
};
