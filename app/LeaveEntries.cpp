#include "app/LeaveEntries.h"

#include "app/MainModel.h"
#include "core/Config.h"
#include "core/Exceptions.h"

using namespace Quorvane;

LeaveEntries::LeaveEntries(const MainModel& model, const Config& config)
{
    ReadListedTypes(model, config);
    ReadRecordedTypes(model);
    ReadVanishedTypesPayrollItems(model, config);
}

LeaveEntries::Kind LeaveEntries::Classify(const TimeTrackRecord& entry, bool hasNoNames) const
{
    if (!hasNoNames || entry.GetBillable() != 0 || entry.IsBilled() != 0)
        return NotLeave;
    std::map<std::wstring, ListedType>::const_iterator listed = m_listed.find(entry.GetNotes());
    if (listed != m_listed.end()) {
        const ListedType& type = listed->second;
        if (type.import != LeaveImported)
            return LeaveLeftAlone;
        return type.payrollKnown && type.payrollName == entry.GetPayrollItemName() ? ImportedLeave : NotLeave;
    }
    if (m_recorded.count(entry.GetNotes()) || m_vanishedPayrollNames.count(entry.GetPayrollItemName()))
        return LeaveLeftAlone;
    return NotLeave;
}

LeaveImport LeaveEntries::ImportOf(const std::wstring& leaveTypeName) const
{
    std::map<std::wstring, ListedType>::const_iterator listed = m_listed.find(leaveTypeName);
    return listed == m_listed.end() ? LeaveTypeUnknown : listed->second.import;
}

void LeaveEntries::ReadListedTypes(const MainModel& model, const Config& config)
{
    const boost::shared_ptr<PayRollCollection> leaveTypes = model.GetLeaveTypes();
    if (!leaveTypes)
        return;
    for (const boost::shared_ptr<PayRoll>& leaveType : *leaveTypes) {
        const std::wstring name = leaveType->GetName();
        if (m_listed.count(name))
            continue;
        ListedType& type = m_listed[name];
        type.import = GetLeaveImport(model, config, name);
        type.payrollKnown = true;
        if (type.import != LeaveImported)
            continue;
        // Leave to import without a payroll item was written with none.
        if (FindLeaveTypeMapping(model, config, name)->GetState() == Mapping::ImportWithoutPayrollItem)
            continue;
        try {
            type.payrollName = FindPayrollItemForLeaveType(model, name, &config)->GetName();
        } catch (const NotFoundException&) {
            type.payrollKnown = false;
        }
    }
}

void LeaveEntries::ReadRecordedTypes(const MainModel& model)
{
    const boost::shared_ptr<EmployeeCollection> users = model.GetServerEmployees();
    if (!users)
        return;
    for (const boost::shared_ptr<Employee>& user : *users) {
        for (const boost::shared_ptr<TimeTrackRecord>& record : *user->GetTimeTrackRecords()) {
            if (record->IsLeave() && !m_listed.count(record->GetLeaveTypeName()))
                m_recorded.insert(record->GetLeaveTypeName());
        }
    }
}

void LeaveEntries::ReadVanishedTypesPayrollItems(const MainModel& model, const Config& config)
{
    const boost::shared_ptr<PayRollCollection> leaveTypes = model.GetLeaveTypes();
    const boost::shared_ptr<PayRollCollection> payrollItems = model.GetPayrollItems();
    if (!payrollItems)
        return;
    for (const boost::shared_ptr<Mapping>& rule : *config.GetLeaveTypeMappings()) {
        if (rule->GetState() != Mapping::Mapped || (leaveTypes && leaveTypes->ContainsListId(rule->GetSource())))
            continue;
        try {
            m_vanishedPayrollNames.insert(payrollItems->FindByListId(rule->GetTarget())->GetName());
        } catch (const NotFoundException&) {
            // The payroll item is gone too: nothing in QuickBooks can be booked on it.
        }
    }
}
