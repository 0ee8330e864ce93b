#include "ui/dialogs/details/PreviewRows.h"

#include <algorithm>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
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
bool PreviewRowKeys::MakeKey(const TimeTrackDiff& entry, CustomerJobPayroll& key) const
{
    const boost::shared_ptr<TimeTrackRecord> quickBooksSide = entry.GetQuickBooksSide();
    const TimeTrackRecord& record = quickBooksSide ? *quickBooksSide : *entry.GetImportSide();
    key = CustomerJobPayroll();
    key.billableState = BillableState(record);
    if (record.IsLeave()) {
        if (!m_config.GetImportLeaveType())
            return false;
        if (!quickBooksSide)
            return ServerLeaveKey(record, key);
        key.payrollItem = record.GetPayrollItemName();
        key.notes = record.GetNotes();
        return true;
    }
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

// Leave goes in under its mapped payroll item with the leave type as its notes, as the import
// writes it; leave whose rule says neither is not imported.
bool PreviewRowKeys::ServerLeaveKey(const TimeTrackRecord& record, CustomerJobPayroll& key) const
{
    const std::wstring leaveType = record.GetLeaveTypeName();
    try {
        const boost::shared_ptr<Mapping> rule = FindLeaveTypeMapping(m_model, m_config, leaveType);
        if (rule->GetState() == Mapping::Mapped)
            key.payrollItem = m_model.GetPayrollItems()->FindByListId(rule->GetTarget())->GetName();
        else if (rule->GetState() != Mapping::ImportWithoutPayrollItem)
            return false;
        key.notes = leaveType;
    } catch (const NotFoundException&) {
        key.payrollItem = leaveType;
        key.notes = record.GetNotes();
    }
    return true;
}

void PreviewRowKeys::ServerWorkKey(const TimeTrackRecord& record, CustomerJobPayroll& key) const
{
    key.serviceItem = MakeServiceItemName(m_config, record, m_namingEmployee);
    key.payrollItem = m_defaultPayrollItem;
    key.notes = JoinNameParts(m_config, record.GetProjectName(), record.GetTaskName(), record.GetNotes());
}

std::vector<KeyedEntry> PreviewRowKeys::KeyEntries(const TimeTrackDiffCollection& entries) const
{
    std::vector<KeyedEntry> keyed;
    for (TimeTrackDiffCollection::const_iterator it = entries.begin(); it != entries.end(); ++it) {
        KeyedEntry entry;
        entry.diff = *it;
        if ((*it)->HasDate() && MakeKey(**it, entry.key))
            keyed.push_back(entry);
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
        cell.serverMinutes += Minutes(importSide);
        cell.billed = cell.billed || (importSide && importSide->IsBilled());
        cell.billedConflict = cell.billedConflict || diff.IsBilledConflict();
        cell.absentOnServer = cell.absentOnServer || diff.IsAbsentOnServer();
    }
    return cell;
}
