#pragma once
// Compares one day of a server user's time-track with the QuickBooks entries of the employee it
// is mapped to, and says per entry what the import will add, change, keep or delete.
#include <map>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "app/LeaveEntries.h"
#include "core/DateTime.h"

class MainModel;

namespace Quorvane {
class Config;
class Employee;
class EmployeeDiff;
class TimeTrackDiff;
class TimeTrackRecord;
}  // namespace Quorvane

class PreviewBuilder {
public:
    typedef boost::shared_ptr<Quorvane::Employee> EmployeePtr;
    typedef boost::shared_ptr<Quorvane::TimeTrackRecord> RecordPtr;
    typedef std::vector<RecordPtr> DayRecords;
    typedef std::vector<boost::shared_ptr<Quorvane::TimeTrackDiff>> DayDiffs;

    // Reads the model's settings once; fails with NotFoundException when there are none.
    explicit PreviewBuilder(const boost::shared_ptr<MainModel>& model);

    // quickBooksEmployee may be null: every server group is then an add.
    boost::shared_ptr<Quorvane::EmployeeDiff> CompareTimeTrack(const EmployeePtr& serverUser,
                                                               const EmployeePtr& quickBooksEmployee,
                                                               const Quorvane::DateTime& day);

    // The same comparison over one day's records, already selected, in their loaded order.
    // Fills diffs (emptied first); on an exception they are incomplete and the day is to be
    // left out.
    void CompareDay(const Quorvane::Employee& serverUser, const EmployeePtr& quickBooksEmployee,
                    const DayRecords& serverRecords, const DayRecords& entries, DayDiffs& diffs);

private:
    // A server record of the day with what decides its group, named once per day rather than
    // once per pair of records compared.
    struct ServerRecord {
        const Quorvane::TimeTrackRecord* record;
        bool grouped;
        std::wstring customerJob;
        std::wstring description;
        std::wstring serviceItem;  // named on first use: an unknown name convention throws
        bool serviceItemNamed;
    };
    // A QuickBooks entry of the day; its names read on first use.
    struct Entry {
        RecordPtr record;
        bool paired;
        std::wstring customerJob;
        std::wstring serviceItem;
        bool namesRead;
    };
    // The first record of a group of like server records, and the group's total.
    struct Group {
        const ServerRecord* first;
        int minutes;
    };

    void ReadDay(const DayRecords& serverRecords, const DayRecords& entries);
    Group TakeGroup(size_t first, const Quorvane::Employee& serverUser);
    bool IsLikeRecord(ServerRecord& first, ServerRecord& record, const Quorvane::Employee& serverUser) const;
    const std::wstring& ServiceItemName(ServerRecord& record, const Quorvane::Employee& serverUser) const;
    void ReadNames(Entry& entry) const;
    LeaveEntries::Kind LeaveKind(Entry& entry) const;

    // payrollName: the server user's working-time payroll item.
    void PairGroup(const Group& group, const EmployeePtr& quickBooksEmployee, const std::wstring& payrollName,
                   DayDiffs& diffs);
    // Fills m_matches with the entries that the group total replaces, or that leave of a type not
    // imported keeps; leave entries found get the leave flag.
    void FindMatchingEntries(const Group& group, const EmployeePtr& quickBooksEmployee,
                             const std::wstring& payrollName);
    void FindMatchingWorkingTime(const Group& group, const Quorvane::Employee& quickBooksEmployee,
                                 const std::wstring& payrollName);
    void FindMatchingLeave(const Quorvane::TimeTrackRecord& group);
    // Billed entries stay as they are; one that now holds more than the server total is a conflict.
    void AddBilledEntries(DayDiffs& diffs, int& remaining) const;
    // The first entry of this billing state takes what is left of the server total, every later one none.
    void AddEntriesWithRemainder(bool billable, DayDiffs& diffs, int& remaining) const;
    void KeepEntries(DayDiffs& diffs) const;
    // Entries no server group took: absent on the server, except leave the import leaves alone.
    void AddUnpairedEntries(DayDiffs& diffs);

    const std::wstring& WorkingTimePayrollName(const Quorvane::Employee& serverUser) const;
    void IndexWorkingTimePayrollNames();

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Quorvane::Config> m_config;
    LeaveEntries m_leave;
    // Working-time payroll item names by server user id, found once per build through each
    // user's payroll rule.
    std::map<std::wstring, std::wstring> m_payrollNames;
    // The day being compared; kept between days so that their storage is reused.
    std::vector<ServerRecord> m_serverRecords;
    std::vector<Entry> m_entries;
    std::vector<Entry*> m_matches;
};
