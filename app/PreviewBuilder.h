#pragma once
// Compares one day of a server user's time-track with the QuickBooks entries of the employee it
// is mapped to, and says per entry what the import will add, change, keep or delete.
#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "core/DateTime.h"

class MainModel;

namespace Quorvane {
class Config;
class Employee;
class EmployeeDiff;
class TimeTrackDiffCollection;
class TimeTrackRecord;
class TimeTrackRecordCollection;
}  // namespace Quorvane

class PreviewBuilder {
public:
    typedef boost::shared_ptr<Quorvane::Employee> EmployeePtr;
    typedef boost::shared_ptr<Quorvane::TimeTrackRecord> RecordPtr;
    typedef boost::shared_ptr<Quorvane::TimeTrackRecordCollection> RecordsPtr;
    typedef boost::shared_ptr<Quorvane::TimeTrackDiffCollection> DiffsPtr;

    // Reads the model's settings once; fails with NotFoundException when there are none.
    explicit PreviewBuilder(const boost::shared_ptr<MainModel>& model);

    // quickBooksEmployee may be null: every server group is then an add.
    boost::shared_ptr<Quorvane::EmployeeDiff> CompareTimeTrack(const EmployeePtr& serverUser,
                                                               const EmployeePtr& quickBooksEmployee,
                                                               const Quorvane::DateTime& day);

    // The first record and every later one that becomes the same QuickBooks entry.
    RecordsPtr GroupLikeServerRecords(const Quorvane::TimeTrackRecordCollection& records,
                                      const Quorvane::Employee& serverUser) const;
    // The QuickBooks entries that the group total replaces; leave entries found get the leave flag.
    RecordsPtr FindMatchingQuickBooksRecords(const Quorvane::TimeTrackRecord& group,
                                             const Quorvane::TimeTrackRecordCollection& entries,
                                             const EmployeePtr& quickBooksEmployee);

    static RecordsPtr SelectByBillingState(const Quorvane::TimeTrackRecordCollection& records, int billed,
                                           int billable);
    // Removes by identity, not by value.
    static void RemoveRecords(Quorvane::TimeTrackRecordCollection& target,
                              const Quorvane::TimeTrackRecordCollection& toRemove);
    // Billed entries stay as they are; one that now holds more than the server total is a conflict.
    static void AddBilledRecords(const Quorvane::TimeTrackRecordCollection& records,
                                 Quorvane::TimeTrackDiffCollection& diffs, int& remaining);
    // The first entry takes what is left of the server total, every later one none.
    static void AddRecordsWithRemainder(const Quorvane::TimeTrackRecordCollection& records,
                                        Quorvane::TimeTrackDiffCollection& diffs, int& remaining);

private:
    bool IsLikeRecord(const Quorvane::TimeTrackRecord& first, const Quorvane::TimeTrackRecord& record,
                      const Quorvane::Employee& serverUser) const;
    RecordPtr TakeGroup(Quorvane::TimeTrackRecordCollection& serverRecords, const Quorvane::Employee& serverUser) const;
    void PairGroup(const RecordPtr& group, Quorvane::TimeTrackRecordCollection& entries,
                   const EmployeePtr& quickBooksEmployee, Quorvane::TimeTrackDiffCollection& diffs);
    void AddAbsentEntries(const Quorvane::TimeTrackRecordCollection& entries, Quorvane::TimeTrackDiffCollection& diffs);
    RecordsPtr FindMatchingLeave(const Quorvane::TimeTrackRecord& group,
                                 const Quorvane::TimeTrackRecordCollection& entries) const;
    // Leave of a type that is not imported, or that the server no longer lists.
    bool IsLeaveLeftAlone(const Quorvane::TimeTrackRecord& leave) const;
    static void KeepEntries(const Quorvane::TimeTrackRecordCollection& entries, Quorvane::TimeTrackDiffCollection& diffs);
    void RecogniseLeave(Quorvane::TimeTrackRecord& entry);

    bool ResolveLeavePayrollName(const std::wstring& leaveTypeName, std::wstring& payrollName) const;
    std::wstring WorkingTimePayrollName(const Quorvane::Employee& quickBooksEmployee) const;
    void IndexWorkingTimePayrollNames();
    std::wstring Description(const Quorvane::TimeTrackRecord& record) const;
    std::wstring CustomerJobName(const Quorvane::TimeTrackRecord& record) const;

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Quorvane::Config> m_config;
    // Working-time payroll item names by QuickBooks employee ListID, found once per build through
    // the employee rule that names the employee and that rule's user's payroll rule.
    std::map<std::wstring, std::wstring> m_payrollNames;
};
