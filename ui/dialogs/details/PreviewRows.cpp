#include "ui/dialogs/details/PreviewRows.h"

#include <algorithm>

#include "app/EntryOutcome.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/TextCharset.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

int BillableState(const TimeTrackRecord& record)
{
    if (record.IsBilled())
        return CustomerJobPayroll::Billed;
    return record.GetBillable() ? CustomerJobPayroll::Billable : CustomerJobPayroll::NotBillable;
}

// An employee without a working-time payroll item, or with one QuickBooks no longer has, is
// shown without one rather than not at all.
std::wstring DefaultPayrollItem(const MainModel& model, const Employee& serverEmployee)
{
    try {
        const boost::shared_ptr<PayRoll> item = FindPayrollItemForUser(model, serverEmployee.GetId());
        return item ? item->GetName() : std::wstring();
    } catch (const NotFoundException&) {
        return std::wstring();
    }
}

int Minutes(const boost::shared_ptr<TimeTrackRecord>& record)
{
    return record ? record->GetMinutes() : 0;
}

// Whether the import sends QuickBooks an add, a change or a delete for the entry.
bool IsWritten(const TimeTrackDiff& entry, bool canRemove)
{
    if (entry.IsBilledConflict())
        return false;
    if (IsRemoval(entry))
        return canRemove;
    return Minutes(entry.GetQuickBooksSide()) != Minutes(entry.GetImportSide());
}

}  // namespace

bool SameCustomerJobPayroll(const CustomerJobPayroll& a, const CustomerJobPayroll& b)
{
    return ToLower(a.customerJob) == ToLower(b.customerJob) && ToLower(a.serviceItem) == ToLower(b.serviceItem) &&
           a.payrollItem == b.payrollItem && a.billableState == b.billableState && a.notes == b.notes;
}

bool CustomerJobPayrollLess(const CustomerJobPayroll& a, const CustomerJobPayroll& b)
{
    if (a.customerJob != b.customerJob)
        return a.customerJob < b.customerJob;
    return a.billableState < b.billableState;
}

PreviewRowKeys::PreviewRowKeys(const MainModel& model, const Config& config, const Employee& serverEmployee,
                               const Employee& namingEmployee)
    : m_model(model),
      m_config(config),
      m_namingEmployee(namingEmployee),
      m_defaultPayrollItem(DefaultPayrollItem(model, serverEmployee))
{
}

// An entry with a QuickBooks side shows what QuickBooks holds; a server-only entry shows what
// the import will write.
bool PreviewRowKeys::MakeKey(const TimeTrackDiff& entry, KeyedEntry& keyed) const
{
    const boost::shared_ptr<TimeTrackRecord> quickBooksSide = entry.GetQuickBooksSide();
    const TimeTrackRecord& record = quickBooksSide ? *quickBooksSide : *entry.GetImportSide();
    CustomerJobPayroll& key = keyed.key;
    key = CustomerJobPayroll();
    key.billableState = BillableState(record);
    const bool canRemove = m_config.GetCanRemoveExistingQBTimeTrack();
    keyed.serverMinutes =
        entry.IsAbsentOnServer() ? Minutes(entry.GetImportSide()) : MinutesAfterImport(entry, canRemove);
    keyed.keeping = IsRemoval(entry) && !entry.IsAbsentOnServer() && !canRemove ? KeepsSurplus : FollowsServer;
    keyed.written = IsWritten(entry, canRemove);
    if (record.IsLeave())
        return LeaveKey(entry, keyed);
    key.customerJob = record.GetCustomerJobName(m_config.GetMappingType());
    if (!quickBooksSide) {
        ServerWorkKey(record, key);
        return true;
    }
    key.serviceItem = record.GetServiceItemName();
    key.payrollItem = record.GetPayrollItemName();
    key.notes = record.GetNotes();
    return true;
}

// Leave the import leaves alone keeps what QuickBooks holds, which is nothing for leave only on
// the server.
bool PreviewRowKeys::LeaveKey(const TimeTrackDiff& entry, KeyedEntry& keyed) const
{
    if (!m_config.GetImportLeaveType())
        return false;
    const boost::shared_ptr<TimeTrackRecord> quickBooksSide = entry.GetQuickBooksSide();
    const TimeTrackRecord& record = quickBooksSide ? *quickBooksSide : *entry.GetImportSide();
    const LeaveImport leaveImport = GetLeaveImport(m_model, m_config, record.GetLeaveTypeName());
    if (leaveImport != LeaveImported) {
        keyed.keeping = leaveImport == LeaveTypeUnknown ? KeepsLeaveOfUnknownType : KeepsLeaveNotImported;
        keyed.serverMinutes = Minutes(quickBooksSide);
        keyed.written = false;
    }
    if (!quickBooksSide)
        return ServerLeaveKey(record, keyed);
    keyed.key.payrollItem = record.GetPayrollItemName();
    keyed.key.notes = record.GetNotes();
    return true;
}

// Leave goes in under its mapped payroll item with the leave type as its notes, as the import
// writes it; leave whose rule says neither is not imported and has no row. Leave of a type the
// server no longer lists shows under that type, so that the bookkeeper sees it is left out.
bool PreviewRowKeys::ServerLeaveKey(const TimeTrackRecord& record, KeyedEntry& keyed) const
{
    CustomerJobPayroll& key = keyed.key;
    const std::wstring leaveType = record.GetLeaveTypeName();
    if (keyed.keeping == KeepsLeaveNotImported)
        return false;
    if (keyed.keeping == KeepsLeaveOfUnknownType || !ImportedLeaveKey(leaveType, key)) {
        key.payrollItem = leaveType;
        key.notes = record.GetNotes();
    }
    return true;
}

// False when the rule's payroll item is gone from QuickBooks.
bool PreviewRowKeys::ImportedLeaveKey(const std::wstring& leaveType, CustomerJobPayroll& key) const
{
    try {
        const boost::shared_ptr<Mapping> rule = FindLeaveTypeMapping(m_model, m_config, leaveType);
        if (rule->GetState() == Mapping::Mapped)
            key.payrollItem = m_model.GetPayrollItems()->FindByListId(rule->GetTarget())->GetName();
        key.notes = leaveType;
        return true;
    } catch (const NotFoundException&) {
        return false;
    }
}

void PreviewRowKeys::ServerWorkKey(const TimeTrackRecord& record, CustomerJobPayroll& key) const
{
    key.serviceItem = MakeServiceItemName(m_config, record, m_namingEmployee);
    key.payrollItem = m_defaultPayrollItem;
    // The row names the notes QuickBooks will keep, so an entry to add shares the row of the
    // entries the server's time already has there.
    key.notes =
        ThroughCodePage1252(JoinNameParts(m_config, record.GetProjectName(), record.GetTaskName(), record.GetNotes()));
}

std::vector<KeyedEntry> PreviewRowKeys::KeyEntries(const TimeTrackDiffCollection& entries) const
{
    std::vector<KeyedEntry> keyed;
    for (TimeTrackDiffCollection::const_iterator it = entries.begin(); it != entries.end(); ++it) {
        KeyedEntry entry;
        if ((*it)->HasDate() && MakeKey(**it, entry)) {
            entry.diff = *it;
            keyed.push_back(entry);
        }
    }
    return keyed;
}

std::vector<CustomerJobPayroll> CollectRows(const std::vector<KeyedEntry>& entries)
{
    std::vector<CustomerJobPayroll> rows;
    for (std::vector<KeyedEntry>::const_iterator entry = entries.begin(); entry != entries.end(); ++entry) {
        std::vector<CustomerJobPayroll>::const_iterator row = rows.begin();
        while (row != rows.end() && !SameCustomerJobPayroll(*row, entry->key))
            ++row;
        if (row == rows.end())
            rows.push_back(entry->key);
    }
    std::stable_sort(rows.begin(), rows.end(), CustomerJobPayrollLess);
    return rows;
}

PreviewCell AggregateCell(const CustomerJobPayroll& row, const std::vector<KeyedEntry>& entries, const DateTime& day)
{
    PreviewCell cell;
    for (std::vector<KeyedEntry>::const_iterator entry = entries.begin(); entry != entries.end(); ++entry) {
        const TimeTrackDiff& diff = *entry->diff;
        if (diff.GetDate() != day || !SameCustomerJobPayroll(row, entry->key))
            continue;
        const boost::shared_ptr<TimeTrackRecord> importSide = diff.GetImportSide();
        cell.empty = false;
        cell.quickBooksMinutes += Minutes(diff.GetQuickBooksSide());
        cell.serverMinutes += entry->serverMinutes;
        cell.keeping = std::max(cell.keeping, entry->keeping);
        cell.written = cell.written || entry->written;
        cell.billed = cell.billed || (importSide && importSide->IsBilled());
        cell.billedConflict = cell.billedConflict || diff.IsBilledConflict();
        cell.absentOnServer = cell.absentOnServer || diff.IsAbsentOnServer();
    }
    return cell;
}
