#include "app/PreviewBuilder.h"

#include <algorithm>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

// What a QuickBooks entry must carry to stand for a working-time group, worked out once per group.
struct WorkingTimeKey {
    std::wstring payrollName;
    std::wstring notes;
    bool billable;
    std::wstring lowerServiceItem;
    std::wstring lowerCustomerJob;
};

bool IsBillable(const TimeTrackRecord& record)
{
    return record.GetBillable() != 0;
}

bool HasNoCustomerJobOrServiceItem(const TimeTrackRecord& entry, int mappingType)
{
    return entry.GetCustomerJobName(mappingType).empty() && entry.GetServiceItemName().empty();
}

bool MatchesWorkingTime(const WorkingTimeKey& key, const TimeTrackRecord& entry, int mappingType)
{
    return entry.GetPayrollItemName() == key.payrollName && entry.GetNotes() == key.notes &&
           key.billable == (entry.GetBillable() != 0 || entry.IsBilled() != 0) &&
           ToLower(entry.GetServiceItemName()) == key.lowerServiceItem &&
           ToLower(entry.GetCustomerJobName(mappingType)) == key.lowerCustomerJob;
}

PreviewBuilder::RecordPtr CopyWithMinutes(const TimeTrackRecord& record, int minutes)
{
    PreviewBuilder::RecordPtr copy(new TimeTrackRecord(record));
    copy->SetDuration(minutes);
    return copy;
}

boost::shared_ptr<TimeTrackDiff> NewDiff(const PreviewBuilder::RecordPtr& quickBooksSide,
                                         const PreviewBuilder::RecordPtr& importSide)
{
    return boost::shared_ptr<TimeTrackDiff>(new TimeTrackDiff(quickBooksSide, importSide));
}

}  // namespace

PreviewBuilder::PreviewBuilder(const boost::shared_ptr<MainModel>& model) : m_model(model), m_config(model->GetConfig())
{
    if (!m_config)
        throw NotFoundException();
    IndexWorkingTimePayrollNames();
}

boost::shared_ptr<EmployeeDiff> PreviewBuilder::CompareTimeTrack(const EmployeePtr& serverUser,
                                                                 const EmployeePtr& quickBooksEmployee,
                                                                 const DateTime& day)
{
    RecordsPtr serverRecords = serverUser->GetTimeTrackRecords()->SelectByDate(day);
    RecordsPtr entries = quickBooksEmployee ? quickBooksEmployee->GetTimeTrackRecords()->SelectByDate(day)
                                            : RecordsPtr(new TimeTrackRecordCollection());
    DiffsPtr diffs(new TimeTrackDiffCollection());
    while (serverRecords->Count() != 0)
        PairGroup(TakeGroup(*serverRecords, *serverUser), *entries, quickBooksEmployee, *diffs);
    AddAbsentEntries(*entries, *diffs);

    boost::shared_ptr<EmployeeDiff> result(new EmployeeDiff());
    result->SetServerUser(serverUser);
    result->SetTimeTrackDiffs(diffs);
    return result;
}

// The group's total goes into a copy: the model's own record stays as the server sent it, so a
// second comparison over the same records does not count the total twice.
PreviewBuilder::RecordPtr PreviewBuilder::TakeGroup(TimeTrackRecordCollection& serverRecords,
                                                    const Employee& serverUser) const
{
    RecordsPtr group = GroupLikeServerRecords(serverRecords, serverUser);
    int total = 0;
    for (const RecordPtr& record : *group)
        total += record->GetDuration();
    RemoveRecords(serverRecords, *group);
    return CopyWithMinutes(**group->begin(), total);
}

void PreviewBuilder::PairGroup(const RecordPtr& group, TimeTrackRecordCollection& entries,
                               const EmployeePtr& quickBooksEmployee, TimeTrackDiffCollection& diffs)
{
    RecordsPtr matches = FindMatchingQuickBooksRecords(*group, entries, quickBooksEmployee);
    if (matches->Count() == 0) {
        diffs.Add(NewDiff(RecordPtr(), group));
        return;
    }
    RemoveRecords(entries, *matches);
    if (group->IsLeave() && IsLeaveLeftAlone(*group)) {
        KeepEntries(*matches, diffs);
        return;
    }
    int remaining = group->GetDuration();
    if (IsBillable(*group)) {
        AddBilledRecords(*SelectByBillingState(*matches, 1, 0), diffs, remaining);
        AddRecordsWithRemainder(*SelectByBillingState(*matches, 0, 1), diffs, remaining);
    } else {
        AddRecordsWithRemainder(*SelectByBillingState(*matches, 0, 0), diffs, remaining);
    }
    if (remaining > 0)
        diffs.Add(NewDiff(RecordPtr(), CopyWithMinutes(*group, remaining)));
}

void PreviewBuilder::AddAbsentEntries(const TimeTrackRecordCollection& entries, TimeTrackDiffCollection& diffs)
{
    for (const RecordPtr& entry : entries) {
        if (HasNoCustomerJobOrServiceItem(*entry, m_config->GetMappingType()))
            RecogniseLeave(*entry);
        boost::shared_ptr<TimeTrackDiff> diff = NewDiff(entry, RecordPtr(new TimeTrackRecord(*entry)));
        diff->SetAbsentOnServer(1);
        diff->SetBilledConflict(entry->IsBilled() ? 1 : 0);
        diffs.Add(diff);
    }
}

// A QuickBooks entry that the program once wrote for leave names the leave type in its notes.
void PreviewBuilder::RecogniseLeave(TimeTrackRecord& entry)
{
    std::wstring payrollName;
    if (ResolveLeavePayrollName(entry.GetNotes(), payrollName) && payrollName == entry.GetPayrollItemName())
        entry.SetLeave(1);
}

PreviewBuilder::RecordsPtr PreviewBuilder::GroupLikeServerRecords(const TimeTrackRecordCollection& records,
                                                                  const Employee& serverUser) const
{
    RecordsPtr group(new TimeTrackRecordCollection());
    const RecordPtr& first = *records.begin();
    for (const RecordPtr& record : records) {
        if (record == first || IsLikeRecord(*first, *record, serverUser))
            group->Add(record);
    }
    return group;
}

// Leave of different types stays apart: each type becomes its own entry with its own payroll item.
bool PreviewBuilder::IsLikeRecord(const TimeTrackRecord& first, const TimeTrackRecord& record,
                                  const Employee& serverUser) const
{
    return CustomerJobName(record) == CustomerJobName(first) &&
           MakeServiceItemName(*m_config, record, serverUser) == MakeServiceItemName(*m_config, first, serverUser) &&
           Description(record) == Description(first) && IsBillable(record) == IsBillable(first) &&
           (record.IsLeave() != 0) == (first.IsLeave() != 0) &&
           record.GetPayrollItemName() == first.GetPayrollItemName();
}

PreviewBuilder::RecordsPtr PreviewBuilder::FindMatchingQuickBooksRecords(const TimeTrackRecord& group,
                                                                         const TimeTrackRecordCollection& entries,
                                                                         const EmployeePtr& quickBooksEmployee)
{
    if (group.IsLeave())
        return FindMatchingLeave(group, entries);
    RecordsPtr matches(new TimeTrackRecordCollection());
    const int mappingType = m_config->GetMappingType();
    if (!quickBooksEmployee)
        return matches;
    WorkingTimeKey key;
    key.payrollName = WorkingTimePayrollName(*quickBooksEmployee);
    key.notes = Description(group);
    key.billable = IsBillable(group);
    key.lowerServiceItem = ToLower(MakeServiceItemName(*m_config, group, *quickBooksEmployee));
    key.lowerCustomerJob = ToLower(CustomerJobName(group));
    for (const RecordPtr& entry : entries) {
        if (MatchesWorkingTime(key, *entry, mappingType))
            matches->Add(entry);
    }
    return matches;
}

// The entries the program wrote for this leave name its type in their notes. Leave that the
// import leaves alone is found by its notes whatever its payroll item: its entries are kept, and
// must neither pass for working time absent on the server nor be counted as such. Leave is never
// billable: a billable or billed entry is no leave the import may change, and stays apart as time
// absent on the server.
PreviewBuilder::RecordsPtr PreviewBuilder::FindMatchingLeave(const TimeTrackRecord& group,
                                                             const TimeTrackRecordCollection& entries) const
{
    RecordsPtr matches(new TimeTrackRecordCollection());
    const bool anyPayrollItem = IsLeaveLeftAlone(group);
    std::wstring payrollName;
    if (!anyPayrollItem && !ResolveLeavePayrollName(group.GetLeaveTypeName(), payrollName))
        return matches;
    for (const RecordPtr& entry : entries) {
        if (HasNoCustomerJobOrServiceItem(*entry, m_config->GetMappingType()) && !IsBillable(*entry) &&
            !entry->IsBilled() &&
            entry->GetNotes() == group.GetLeaveTypeName() &&
            (anyPayrollItem || entry->GetPayrollItemName() == payrollName)) {
            entry->SetLeave(1);
            matches->Add(entry);
        }
    }
    return matches;
}

bool PreviewBuilder::IsLeaveLeftAlone(const TimeTrackRecord& leave) const
{
    return GetLeaveImport(*m_model, *m_config, leave.GetLeaveTypeName()) != LeaveImported;
}

// Each entry stays as it stands in QuickBooks.
void PreviewBuilder::KeepEntries(const TimeTrackRecordCollection& entries, TimeTrackDiffCollection& diffs)
{
    for (const RecordPtr& entry : entries)
        diffs.Add(NewDiff(entry, RecordPtr(new TimeTrackRecord(*entry))));
}

// Leave to import without a payroll item was written with none, so it is found by having none.
bool PreviewBuilder::ResolveLeavePayrollName(const std::wstring& leaveTypeName, std::wstring& payrollName) const
{
    try {
        boost::shared_ptr<Mapping> rule = FindLeaveTypeMapping(*m_model, *m_config, leaveTypeName);
        if (rule->GetState() == Mapping::ImportWithoutPayrollItem) {
            payrollName.clear();
            return true;
        }
        payrollName = FindPayrollItemForLeaveType(*m_model, leaveTypeName, m_config.get())->GetName();
        return true;
    } catch (const NotFoundException&) {
        return false;
    }
}

// The first rule of each employee and of each user counts, as GetByTarget and GetBySource find them.
void PreviewBuilder::IndexWorkingTimePayrollNames()
{
    boost::shared_ptr<PayRollCollection> items = m_model->GetPayrollItems();
    if (!items)
        return;
    std::map<std::wstring, std::wstring> payrollTargets;
    for (const boost::shared_ptr<Mapping>& rule : *m_config->GetPayrollTypeMappings())
        payrollTargets.insert(std::make_pair(rule->GetSource(), rule->GetTarget()));
    for (const boost::shared_ptr<Mapping>& rule : *m_config->GetEmployeeMappings()) {
        if (m_payrollNames.count(rule->GetTarget()))
            continue;
        std::wstring& name = m_payrollNames[rule->GetTarget()];
        std::map<std::wstring, std::wstring>::const_iterator target = payrollTargets.find(rule->GetSource());
        try {
            if (target != payrollTargets.end())
                name = items->FindByListId(target->second)->GetName();
        } catch (const NotFoundException&) {
        }
    }
}

std::wstring PreviewBuilder::WorkingTimePayrollName(const Employee& quickBooksEmployee) const
{
    std::map<std::wstring, std::wstring>::const_iterator name = m_payrollNames.find(quickBooksEmployee.GetId());
    return name == m_payrollNames.end() ? std::wstring() : name->second;
}

std::wstring PreviewBuilder::Description(const TimeTrackRecord& record) const
{
    return JoinNameParts(*m_config, record.GetProjectName(), record.GetTaskName(), record.GetNotes());
}

std::wstring PreviewBuilder::CustomerJobName(const TimeTrackRecord& record) const
{
    return record.GetCustomerJobName(m_config->GetMappingType());
}

PreviewBuilder::RecordsPtr PreviewBuilder::SelectByBillingState(const TimeTrackRecordCollection& records, int billed,
                                                                int billable)
{
    RecordsPtr selected(new TimeTrackRecordCollection());
    for (const RecordPtr& record : records) {
        if ((record->IsBilled() != 0) == (billed != 0) && (record->GetBillable() != 0) == (billable != 0))
            selected->Add(record);
    }
    return selected;
}

void PreviewBuilder::RemoveRecords(TimeTrackRecordCollection& target, const TimeTrackRecordCollection& toRemove)
{
    for (const RecordPtr& record : toRemove) {
        TimeTrackRecordCollection::iterator found = std::find(target.begin(), target.end(), record);
        if (found != target.end())
            target.Erase(found);
    }
}

void PreviewBuilder::AddBilledRecords(const TimeTrackRecordCollection& records, TimeTrackDiffCollection& diffs,
                                      int& remaining)
{
    for (const RecordPtr& record : records) {
        boost::shared_ptr<TimeTrackDiff> diff = NewDiff(record, record);
        remaining -= record->GetDuration();
        if (remaining < 0) {
            diff->SetBilledConflict(1);
            remaining = 0;
        }
        diffs.Add(diff);
    }
}

void PreviewBuilder::AddRecordsWithRemainder(const TimeTrackRecordCollection& records, TimeTrackDiffCollection& diffs,
                                             int& remaining)
{
    for (const RecordPtr& record : records) {
        if (remaining == 0) {
            diffs.Add(NewDiff(record, RecordPtr()));
        } else {
            diffs.Add(NewDiff(record, CopyWithMinutes(*record, remaining)));
            remaining = 0;
        }
    }
}
