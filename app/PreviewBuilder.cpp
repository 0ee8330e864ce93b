#include "app/PreviewBuilder.h"

#include <boost/make_shared.hpp>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/TextCharset.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<TimeTrackDiff> DiffPtr;

bool IsBillable(const TimeTrackRecord& record)
{
    return record.GetBillable() != 0;
}

bool HasBillingState(const TimeTrackRecord& record, bool billed, bool billable)
{
    return (record.IsBilled() != 0) == billed && IsBillable(record) == billable;
}

PreviewBuilder::RecordPtr CopyWithMinutes(const TimeTrackRecord& record, int minutes)
{
    PreviewBuilder::RecordPtr copy = boost::make_shared<TimeTrackRecord>(record);
    copy->SetDuration(minutes);
    return copy;
}

DiffPtr NewDiff(const PreviewBuilder::RecordPtr& quickBooksSide, const PreviewBuilder::RecordPtr& importSide)
{
    return boost::make_shared<TimeTrackDiff>(quickBooksSide, importSide);
}

PreviewBuilder::DayRecords RecordsOf(const TimeTrackRecordCollection& records)
{
    return PreviewBuilder::DayRecords(records.begin(), records.end());
}

boost::shared_ptr<Config> RequireConfig(const MainModel& model)
{
    boost::shared_ptr<Config> config = model.GetConfig();
    if (!config)
        throw NotFoundException();
    return config;
}

}  // namespace

PreviewBuilder::PreviewBuilder(const boost::shared_ptr<MainModel>& model)
    : m_model(model), m_config(RequireConfig(*model)), m_leave(*model, *m_config)
{
    IndexWorkingTimePayrollNames();
}

boost::shared_ptr<EmployeeDiff> PreviewBuilder::CompareTimeTrack(const EmployeePtr& serverUser,
                                                                 const EmployeePtr& quickBooksEmployee,
                                                                 const DateTime& day)
{
    const DayRecords serverRecords = RecordsOf(*serverUser->GetTimeTrackRecords()->SelectByDate(day));
    const DayRecords entries =
        quickBooksEmployee ? RecordsOf(*quickBooksEmployee->GetTimeTrackRecords()->SelectByDate(day)) : DayRecords();
    DayDiffs diffs;
    CompareDay(*serverUser, quickBooksEmployee, serverRecords, entries, diffs);

    boost::shared_ptr<EmployeeDiff> result(new EmployeeDiff());
    result->SetServerUser(serverUser);
    result->SetTimeTrackDiffs(boost::make_shared<TimeTrackDiffCollection>(diffs.begin(), diffs.end()));
    return result;
}

void PreviewBuilder::CompareDay(const Employee& serverUser, const EmployeePtr& quickBooksEmployee,
                                const DayRecords& serverRecords, const DayRecords& entries, DayDiffs& diffs)
{
    diffs.clear();
    ReadDay(serverRecords, entries);
    static const std::wstring noPayrollItem;
    const std::wstring& payrollName = quickBooksEmployee ? WorkingTimePayrollName(serverUser) : noPayrollItem;
    for (size_t first = 0; first < m_serverRecords.size(); ++first) {
        if (!m_serverRecords[first].grouped)
            PairGroup(TakeGroup(first, serverUser), quickBooksEmployee, payrollName, diffs);
    }
    AddUnpairedEntries(diffs);
}

void PreviewBuilder::ReadDay(const DayRecords& serverRecords, const DayRecords& entries)
{
    const int mappingType = m_config->GetMappingType();
    m_serverRecords.resize(serverRecords.size());
    for (size_t n = 0; n < serverRecords.size(); ++n) {
        const TimeTrackRecord& record = *serverRecords[n];
        ServerRecord& server = m_serverRecords[n];
        server.record = &record;
        server.grouped = false;
        server.customerJob = record.GetCustomerJobName(mappingType);
        // QuickBooks keeps notes in code page 1252: records are grouped, and entries matched, by
        // the notes as QuickBooks will keep them, or an entry it wrote would never match again.
        server.description = ThroughCodePage1252(
            JoinNameParts(*m_config, record.GetProjectName(), record.GetTaskName(), record.GetNotes()));
        server.serviceItemNamed = false;
    }
    m_entries.resize(entries.size());
    for (size_t n = 0; n < entries.size(); ++n) {
        m_entries[n].record = entries[n];
        m_entries[n].paired = false;
        m_entries[n].namesRead = false;
    }
}

// The first record and every later one that becomes the same QuickBooks entry; the group's
// total is counted apart, so the model's records stay as the server sent them.
PreviewBuilder::Group PreviewBuilder::TakeGroup(size_t first, const Employee& serverUser)
{
    ServerRecord& head = m_serverRecords[first];
    Group group = { &head, 0 };
    for (size_t n = first; n < m_serverRecords.size(); ++n) {
        ServerRecord& record = m_serverRecords[n];
        if (!record.grouped && (n == first || IsLikeRecord(head, record, serverUser))) {
            record.grouped = true;
            group.minutes += record.record->GetDuration();
        }
    }
    return group;
}

// Leave of different types stays apart: each type becomes its own entry with its own payroll item.
bool PreviewBuilder::IsLikeRecord(ServerRecord& first, ServerRecord& other, const Employee& serverUser) const
{
    const TimeTrackRecord& head = *first.record;
    const TimeTrackRecord& record = *other.record;
    return other.customerJob == first.customerJob &&
           ServiceItemName(other, serverUser) == ServiceItemName(first, serverUser) &&
           other.description == first.description && IsBillable(record) == IsBillable(head) &&
           (record.IsLeave() != 0) == (head.IsLeave() != 0) && record.GetPayrollItemName() == head.GetPayrollItemName();
}

const std::wstring& PreviewBuilder::ServiceItemName(ServerRecord& record, const Employee& serverUser) const
{
    if (!record.serviceItemNamed) {
        record.serviceItem = MakeServiceItemName(*m_config, *record.record, serverUser);
        record.serviceItemNamed = true;
    }
    return record.serviceItem;
}

void PreviewBuilder::ReadNames(Entry& entry) const
{
    if (entry.namesRead)
        return;
    entry.customerJob = entry.record->GetCustomerJobName(m_config->GetMappingType());
    entry.serviceItem = entry.record->GetServiceItemName();
    entry.namesRead = true;
}

LeaveEntries::Kind PreviewBuilder::LeaveKind(Entry& entry) const
{
    ReadNames(entry);
    return m_leave.Classify(*entry.record, entry.customerJob.empty() && entry.serviceItem.empty());
}

void PreviewBuilder::PairGroup(const Group& group, const EmployeePtr& quickBooksEmployee,
                               const std::wstring& payrollName, DayDiffs& diffs)
{
    const TimeTrackRecord& record = *group.first->record;
    FindMatchingEntries(group, quickBooksEmployee, payrollName);
    if (m_matches.empty()) {
        diffs.push_back(NewDiff(RecordPtr(), CopyWithMinutes(record, group.minutes)));
        return;
    }
    for (Entry* match : m_matches)
        match->paired = true;
    if (record.IsLeave() && m_leave.ImportOf(record.GetLeaveTypeName()) != LeaveImported) {
        KeepEntries(diffs);
        return;
    }
    int remaining = group.minutes;
    if (IsBillable(record)) {
        AddBilledEntries(diffs, remaining);
        AddEntriesWithRemainder(true, diffs, remaining);
    } else {
        AddEntriesWithRemainder(false, diffs, remaining);
    }
    if (remaining > 0)
        diffs.push_back(NewDiff(RecordPtr(), CopyWithMinutes(record, remaining)));
}

void PreviewBuilder::FindMatchingEntries(const Group& group, const EmployeePtr& quickBooksEmployee,
                                         const std::wstring& payrollName)
{
    m_matches.clear();
    if (group.first->record->IsLeave())
        FindMatchingLeave(*group.first->record);
    else if (quickBooksEmployee)
        FindMatchingWorkingTime(group, *quickBooksEmployee, payrollName);
}

// Names compare without regard to case; the cheap tests come first, so an entry's names are
// read only when its payroll item, notes and billing already fit.
void PreviewBuilder::FindMatchingWorkingTime(const Group& group, const Employee& quickBooksEmployee,
                                             const std::wstring& payrollName)
{
    const TimeTrackRecord& record = *group.first->record;
    const bool billable = IsBillable(record);
    const std::wstring serviceItem = MakeServiceItemName(*m_config, record, quickBooksEmployee);
    for (Entry& entry : m_entries) {
        const TimeTrackRecord& candidate = *entry.record;
        if (entry.paired || candidate.GetPayrollItemName() != payrollName ||
            candidate.GetNotes() != group.first->description ||
            billable != (IsBillable(candidate) || candidate.IsBilled() != 0))
            continue;
        ReadNames(entry);
        if (EqualsIgnoringCase(entry.serviceItem, serviceItem) &&
            EqualsIgnoringCase(entry.customerJob, group.first->customerJob))
            m_matches.push_back(&entry);
    }
}

// The entries the program wrote for this leave name its type in their notes; which of them are
// leave of the type, LeaveEntries tells.
void PreviewBuilder::FindMatchingLeave(const TimeTrackRecord& group)
{
    const std::wstring& leaveTypeName = group.GetLeaveTypeName();
    for (Entry& entry : m_entries) {
        TimeTrackRecord& candidate = *entry.record;
        if (!entry.paired && candidate.GetNotes() == leaveTypeName && LeaveKind(entry) != LeaveEntries::NotLeave) {
            candidate.SetLeave(1);
            m_matches.push_back(&entry);
        }
    }
}

void PreviewBuilder::AddBilledEntries(DayDiffs& diffs, int& remaining) const
{
    for (const Entry* match : m_matches) {
        const RecordPtr& entry = match->record;
        if (!HasBillingState(*entry, true, false))
            continue;
        DiffPtr diff = NewDiff(entry, entry);
        remaining -= entry->GetDuration();
        if (remaining < 0) {
            diff->SetBilledConflict(1);
            remaining = 0;
        }
        diffs.push_back(diff);
    }
}

void PreviewBuilder::AddEntriesWithRemainder(bool billable, DayDiffs& diffs, int& remaining) const
{
    for (const Entry* match : m_matches) {
        const RecordPtr& entry = match->record;
        if (!HasBillingState(*entry, false, billable))
            continue;
        if (remaining == 0) {
            diffs.push_back(NewDiff(entry, RecordPtr()));
        } else {
            diffs.push_back(NewDiff(entry, CopyWithMinutes(*entry, remaining)));
            remaining = 0;
        }
    }
}

// Each entry stays as it stands in QuickBooks.
void PreviewBuilder::KeepEntries(DayDiffs& diffs) const
{
    for (const Entry* match : m_matches)
        diffs.push_back(NewDiff(match->record, boost::make_shared<TimeTrackRecord>(*match->record)));
}

// Leave of a type the import leaves alone is kept as it is whether or not the server has leave
// of that type on the day: it is never time absent on the server.
void PreviewBuilder::AddUnpairedEntries(DayDiffs& diffs)
{
    for (Entry& entry : m_entries) {
        if (entry.paired)
            continue;
        const LeaveEntries::Kind kind = LeaveKind(entry);
        if (kind != LeaveEntries::NotLeave)
            entry.record->SetLeave(1);
        DiffPtr diff = NewDiff(entry.record, boost::make_shared<TimeTrackRecord>(*entry.record));
        if (kind != LeaveEntries::LeaveLeftAlone) {
            diff->SetAbsentOnServer(1);
            diff->SetBilledConflict(entry.record->IsBilled() ? 1 : 0);
        }
        diffs.push_back(diff);
    }
}

// The first rule of each user counts, as GetBySource finds it. Each user's own rule, not that of
// the first user mapped to the same employee: the import writes a user's entries with the user's
// own payroll item, and only under that item are they found again.
void PreviewBuilder::IndexWorkingTimePayrollNames()
{
    boost::shared_ptr<PayRollCollection> items = m_model->GetPayrollItems();
    if (!items)
        return;
    for (const boost::shared_ptr<Mapping>& rule : *m_config->GetPayrollTypeMappings()) {
        if (m_payrollNames.count(rule->GetSource()))
            continue;
        std::wstring& name = m_payrollNames[rule->GetSource()];
        try {
            name = items->FindByListId(rule->GetTarget())->GetName();
        } catch (const NotFoundException&) {
        }
    }
}

const std::wstring& PreviewBuilder::WorkingTimePayrollName(const Employee& serverUser) const
{
    static const std::wstring none;
    std::map<std::wstring, std::wstring>::const_iterator name = m_payrollNames.find(serverUser.GetId());
    return name == m_payrollNames.end() ? none : name->second;
}
