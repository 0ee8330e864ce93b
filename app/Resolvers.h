#pragma once
// From a server user, a leave type or a time entry to the QuickBooks employee, payroll item and
// service item name it stands for. The preview, the import and the dialogs all resolve through
// these, so that they agree.
#include <string>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {
class Config;
class Employee;
class EmployeeCollection;
class Mapping;
class PayRoll;
class TimeTrackDiff;
class TimeTrackDiffCollection;
class TimeTrackRecord;
}  // namespace Quorvane

// With service item grouping on, the record's own service item; otherwise the employee's name by
// the name convention. An unknown convention throws the wide text "Invalid 'name convetion' settings".
std::wstring MakeServiceItemName(const Quorvane::Config& config, const Quorvane::TimeTrackRecord& record,
                                 const Quorvane::Employee& employee);

// The QuickBooks employee the server user is mapped to. A null config means the model's.
// Throws NotFoundException when the rule or the employee is missing.
boost::shared_ptr<Quorvane::Employee> FindQuickBooksEmployee(const MainModel& model, const std::wstring& serverUserId,
                                                             const Quorvane::Config* config = 0);

// The working-time payroll item of a server user; null when the rule names none. A null config
// means the model's. Throws NotFoundException when the rule or the payroll item is missing.
boost::shared_ptr<Quorvane::PayRoll> FindPayrollItemForUser(const MainModel& model, const std::wstring& serverUserId,
                                                            const Quorvane::Config* config = 0);

// True when the user's employee rule says "do not import": such a user is never selected or imported.
bool IsExcludedFromImport(const Quorvane::Config& config, const std::wstring& serverUserId);

// The rule of the server leave type with this name. Throws NotFoundException.
boost::shared_ptr<Quorvane::Mapping> FindLeaveTypeMapping(const MainModel& model, const Quorvane::Config& config,
                                                          const std::wstring& leaveTypeName);

// The payroll item mapped to the leave type with this name. Throws NotFoundException.
boost::shared_ptr<Quorvane::PayRoll> FindPayrollItemForLeaveType(const MainModel& model,
                                                                 const std::wstring& leaveTypeName,
                                                                 const Quorvane::Config* config = 0);

// What the import does with leave of one type.
enum LeaveImport {
    LeaveImported,  // leave is imported and the type's rule fits what QuickBooks offers
    LeaveNotImported,  // leave import is off, or the rule says not to or does not fit
    LeaveTypeUnknown  // the server no longer lists the type: it has no rule and stays as it is
};

// Mapped while QuickBooks has payroll items, "import without one" while it has none.
LeaveImport GetLeaveImport(const MainModel& model, const Quorvane::Config& config, const std::wstring& leaveTypeName);

// Whether the import takes the diff: working time always, leave only when its type is imported
// (GetLeaveImport). A null config: no leave is taken.
bool IsTakenByImport(const MainModel& model, const Quorvane::TimeTrackDiff& diff, const Quorvane::Config* config);

// The diffs the import takes (IsTakenByImport). A null config means the model's.
boost::shared_ptr<Quorvane::TimeTrackDiffCollection>
CollectTimeTrackDiffs(const MainModel& model, const Quorvane::TimeTrackDiffCollection& diffs,
                      const Quorvane::Config* config = 0);

// Exactly the same first, middle and last name: the one test of a namesake, for the automatic
// mapping and the list of namesakes alike.
bool HasSameNames(const Quorvane::Employee& one, const Quorvane::Employee& other);

// The other server users with exactly the same first, middle and last name.
boost::shared_ptr<Quorvane::EmployeeCollection> CollectServerUsersForMapping(const MainModel& model,
                                                                             const Quorvane::Employee& user);
