#include "app/import/TimeTrackImporter.h"

#include "app/EntryOutcome.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/PayRoll.h"
#include "core/TimeTrackDiff.h"

namespace Quorvane {

namespace {

// QuickBooks's own statuses for an entry that is gone and for one changed since it was read.
const int kEntryGone = 3120;
const int kEntryChanged = 3200;

std::wstring ListIdOf(const boost::shared_ptr<PayRoll>& item)
{
    return item ? item->GetListId() : std::wstring();
}

std::wstring LeavePayrollItem(const MainModel& model, const Config& config, const std::wstring& leaveType)
{
    try {
        return ListIdOf(FindPayrollItemForLeaveType(model, leaveType, &config));
    } catch (const NotFoundException&) {
        // Leave whose type maps to no payroll item goes in without one.
        return std::wstring();
    }
}

}  // namespace

const int TimeTrackImporter::Done;
const int TimeTrackImporter::Deleted;
const int TimeTrackImporter::InvalidDuration;

TimeTrackImporter::TimeTrackImporter(const boost::shared_ptr<MainModel>& model, const boost::shared_ptr<Config>& config,
                                     const boost::shared_ptr<IImportConnector>& connector)
    : m_model(model), m_config(config), m_connector(connector)
{
}

int TimeTrackImporter::ImportEntry(const boost::shared_ptr<Employee>& serverUser,
                                   const boost::shared_ptr<TimeTrackDiff>& diff)
{
    const boost::shared_ptr<TimeTrackRecord> entry = diff->GetImportSide();
    if (entry && entry->GetMinutes() < 0)
        return InvalidDuration;
    const boost::shared_ptr<Employee> employee = FindQuickBooksEmployee(*m_model, serverUser->GetId(), m_config.get());
    if (!diff->GetQuickBooksSide() && entry)
        return entry->GetMinutes() == 0 ? Done : Add(*serverUser, *employee, *entry);
    return Update(*diff, *employee);
}

int TimeTrackImporter::Add(const Employee& serverUser, const Employee& quickBooksEmployee, const TimeTrackRecord& entry)
{
    std::wstring payrollItem, serviceItem, description;
    if (entry.IsLeave()) {
        payrollItem = LeavePayrollItem(*m_model, *m_config, entry.GetLeaveTypeName());
        description = entry.GetLeaveTypeName();
    } else {
        payrollItem = ListIdOf(FindPayrollItemForUser(*m_model, serverUser.GetId(), m_config.get()));
        serviceItem = MakeServiceItemName(*m_config, entry, quickBooksEmployee);
        description = JoinNameParts(*m_config, entry.GetProjectName(), entry.GetTaskName(), entry.GetNotes());
    }
    return m_connector->AddTimeTrack(quickBooksEmployee.GetId(), entry.GetCustomerJobName(m_config->GetMappingType()),
                                     serviceItem, payrollItem, description, entry.GetBillable(), entry.GetDate(),
                                     entry.GetMinutes());
}

int TimeTrackImporter::Update(const TimeTrackDiff& diff, const Employee& quickBooksEmployee)
{
    const boost::shared_ptr<TimeTrackRecord> existing = diff.GetQuickBooksSide();
    const boost::shared_ptr<TimeTrackRecord> entry = diff.GetImportSide();
    if (!existing)
        return Done;
    if (IsRemoval(diff))
        return Delete(*existing, quickBooksEmployee);
    if (existing->GetMinutes() == entry->GetMinutes())
        return Done;
    if (const int refusal = ChangedSincePreview(*existing, quickBooksEmployee))
        return refusal;
    return m_connector->ChangeTimeTrack(entry->GetTxnId(), quickBooksEmployee.GetId(), entry->GetEditSequence(),
                                        entry->GetMinutes());
}

int TimeTrackImporter::Delete(const TimeTrackRecord& entry, const Employee& quickBooksEmployee)
{
    if (!m_config->GetCanRemoveExistingQBTimeTrack())
        return Done;
    if (const int refusal = ChangedSincePreview(entry, quickBooksEmployee))
        return refusal;
    const int status = m_connector->DeleteTimeTrack(entry.GetTxnId());
    return status == 0 ? Deleted : status;
}

// QuickBooks takes a delete, which carries no EditSequence, and a change of an entry billed
// since the preview: the entry is read again, and only one still as previewed and unbilled is
// changed or deleted.
int TimeTrackImporter::ChangedSincePreview(const TimeTrackRecord& entry, const Employee& quickBooksEmployee)
{
    const boost::shared_ptr<TimeTrackRecordCollection> fresh =
        m_connector->GetTimeTrack(quickBooksEmployee.GetId(), entry.GetDate(), entry.GetDate());
    if (!fresh)
        return kEntryGone;
    for (TimeTrackRecordCollection::const_iterator it = fresh->begin(); it != fresh->end(); ++it) {
        if ((*it)->GetTxnId() != entry.GetTxnId())
            continue;
        return (*it)->GetEditSequence() == entry.GetEditSequence() && !(*it)->IsBilled() ? Done : kEntryChanged;
    }
    return kEntryGone;
}

}  // namespace Quorvane
