#include "app/import/ImportRun.h"

#include <sstream>
#include <boost/bind/bind.hpp>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "app/missing/MissingItemsController.h"
#include "connectors/quickbooks/QBStatusMessage.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/EmployeeDiff.h"
#include "core/ImportLogger.h"
#include "core/PayRoll.h"
#include "core/TextUtils.h"

namespace Quorvane {

namespace {

typedef std::vector<std::wstring> Lines;

const wchar_t* const kRestartAdvice =
    L"Please review import parameters, make sure that nobody is modifying QuickBooks data, and restart the import.";

std::wstring Time(int minutes)
{
    return FormatMinutes(minutes, L"0:00");
}

void AddLine(Lines& lines, const wchar_t* label, const std::wstring& value)
{
    if (!value.empty())
        lines.push_back(label + value);
}

// The entry as it stood in QuickBooks; an add has only its import side.
const TimeTrackRecord& ShownSide(const TimeTrackDiff& entry)
{
    return entry.GetQuickBooksSide() ? *entry.GetQuickBooksSide() : *entry.GetImportSide();
}

Lines DescribeEntry(const TimeTrackRecord& record, int level)
{
    Lines lines(1, L"Date: " + record.GetDate().ToString());
    AddLine(lines, L"Customer:Job: ", record.GetCustomerJobName(level));
    AddLine(lines, L"Service Item: ", record.GetServiceItemName());
    AddLine(lines, L"Notes: ", record.GetNotes());
    return lines;
}

// The entry with its time before the import and the time it was to have.
Lines DescribeEntryTimes(const TimeTrackDiff& entry, int level, const wchar_t* importMark)
{
    Lines lines = DescribeEntry(ShownSide(entry), level);
    if (entry.GetQuickBooksSide())
        lines.push_back(L"QB Time before import: " + Time(entry.GetQuickBooksSide()->GetMinutes()));
    if (entry.GetImportSide())
        lines.push_back(L"Time to be imported: " + Time(entry.GetImportSide()->GetMinutes()) + importMark);
    return lines;
}

// The program's own status is no QuickBooks code: its text alone says what happened.
std::wstring StatusReason(int status)
{
    if (status == Connectors::kNotConfirmedStatus)
        return Connectors::QBStatusMessage(status);
    std::wostringstream reason;
    reason << L"Error code: " << status;
    const std::wstring message = Connectors::QBStatusMessage(status);
    if (!message.empty())
        reason << L", " << message;
    return reason.str();
}

}  // namespace

void ImportRun::ReportBilled(const TimeTrackDiff& entry)
{
    const TimeTrackRecord& record = ShownSide(entry);
    Lines lines(1, L"Date: " + record.GetDate().ToString());
    if (record.IsLeave()) {
        lines.push_back(L"Notes: " + record.GetNotes());
    } else {
        lines.push_back(L"Customer:Job: " + record.GetCustomerJobName(m_snapshot.config->GetMappingType()));
        lines.push_back(L"Service Item: " + record.GetServiceItemName());
    }
    lines.push_back(L"QB Time: " + Time(record.GetMinutes()));
    Warn(L"The following time entry was not synchronized with Quorvane as it is billed:", lines,
         L"The time-track for some employees was not synchronized with Quorvane as it is billed. "
         L"Please see log for details.");
}

void ImportRun::Warn(const std::wstring& heading, const Lines& lines, const std::wstring& warningText)
{
    m_logger->AddProblems(Logging::ImportLogger::WarningLevel, heading, lines);
    m_logger->RaiseCurrentEmployeeStatus(Logging::EmployeeStatus::Warning);
    m_warningText = warningText;
}

void ImportRun::ReportDeleted(const TimeTrackDiff& entry)
{
    const TimeTrackRecord& record = ShownSide(entry);
    Lines lines = DescribeEntry(record, m_snapshot.config->GetMappingType());
    lines.push_back(L"Time: " + Time(record.GetMinutes()));
    Warn(L"The following time entry was deleted as it is absent in Quorvane:", lines,
         L"Some of existing time-track was deleted from QB Timesheet during the import. "
         L"Please view import log for details.");
}

void ImportRun::ReportChanged(const TimeTrackDiff& entry)
{
    const Lines lines = DescribeEntryTimes(entry, m_snapshot.config->GetMappingType(), L" (WAS NOT IMPORTED!)");
    Warn(L"Import did not update the following time entry as it was changed in QB.", lines,
         L"The time-track for some employees was changed in QB during import. These changes were not "
         L"replaced with import. Please see log for details.");
}

// Deletion is off: the difference to the server stays, and the log says so.
void ImportRun::ReportKept(const TimeTrackDiff& entry)
{
    const TimeTrackRecord& record = ShownSide(entry);
    Lines lines = DescribeEntry(record, m_snapshot.config->GetMappingType());
    lines.push_back(L"QB Time: " + Time(record.GetMinutes()));
    Warn(L"The following time entry was kept in QB although Quorvane does not have it, as "
         L"removing existing time-track is turned off:",
         lines,
         L"Some of existing time-track was kept in QB Timesheet although Quorvane does not have it. "
         L"Please view import log for details.");
}

// QuickBooks did what was asked: the write counts as done, and the run ends with warnings.
void ImportRun::ReportQuickBooksWarnings(const TimeTrackDiff* entry)
{
    const Lines warnings = m_snapshot.connector->TakeWriteWarnings();
    if (warnings.empty())
        return;
    Lines lines = entry ? DescribeEntryTimes(*entry, m_snapshot.config->GetMappingType(), L"") : Lines();
    for (const std::wstring& warning : warnings)
        lines.push_back(L"QuickBooks: " + warning);
    Warn(entry ? L"QuickBooks accepted the following time entry with a warning:"
               : L"QuickBooks accepted a change with a warning:",
         lines, L"QuickBooks accepted some of the changes with warnings. Please see log for details.");
}

// The time is imported all the same; only the employee's paycheck setting stays as it was.
void ImportRun::ReportTimeDataFlagRefused(const Employee& employee, int status)
{
    Warn(L"QuickBooks did not switch off the use of time data to create paychecks for " +
             FormatEmployeeName(m_snapshot.config.get(), employee, false) + L":",
         Lines(1, StatusReason(status)),
         L"QuickBooks did not switch off the use of time data to create paychecks for some employees. "
         L"Please see log for details.");
}

void ImportRun::StopWithEntryError(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status,
                                   const std::wstring& name)
{
    const std::wstring title = L"Cannot import data for " + name;
    // The log names the entry that stopped the run, so the bookkeeper can find it.
    Lines details = DescribeEntryTimes(entry, m_snapshot.config->GetMappingType(), L"");
    if (status == 3120 || status == 3140 || status == 31201) {
        const std::wstring problem = MissingObjectProblem(diff, entry, status, name);
        details.insert(details.begin(), problem);
        StopWithError(title, problem, L"", kRestartAdvice, L"reload", details);
        return;
    }
    const wchar_t* const problem = L"Unexpected error occurred while importing data to QuickBooks";
    const std::wstring reason = StatusReason(status);
    details.insert(details.begin(), problem + (L" " + reason));
    StopWithError(title, problem, reason, L"", L"", details);
}

// The texts are plain: the title goes to the view as it is, the problem and reason escaped
// into markup, and all of them to the log as they are.
void ImportRun::StopWithError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                              const std::wstring& furtherActions, const std::wstring& customValue,
                              const Lines& logDetails)
{
    Post(boost::bind(&IMainView::HideImportProgress, m_view));
    PostError(title, HtmlEscape(problem), HtmlEscape(reason), furtherActions, customValue, 0);
    m_logger->SetOutcome(Logging::ImportLogger::InterruptedByError);
    m_logger->AddProblems(Logging::ImportLogger::ErrorLevel, title, logDetails);
    m_logger->RaiseCurrentEmployeeStatus(Logging::EmployeeStatus::Error);
    SkipRemainingEmployees();
    FinishLog();
    PostImportFinished();
}

std::wstring ImportRun::MissingObjectProblem(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status,
                                             const std::wstring& name)
{
    if (status == 3120)
        return L"The employee with name '" + name + L"' no longer exists";
    const TimeTrackRecord& record = ShownSide(entry);
    if (status == 31201)
        return L"The payroll with name '" + PayrollItemName(diff, record) + L"' no longer exists";
    return VanishedItemProblem(diff, record);
}

// Empty when the lookup itself fails: the error must still be reported.
std::wstring ImportRun::PayrollItemName(const EmployeeDiff& diff, const TimeTrackRecord& entry)
{
    try {
        const boost::shared_ptr<PayRoll> item =
            entry.IsLeave()
                ? FindPayrollItemForLeaveType(*m_snapshot.model, entry.GetLeaveTypeName(), m_snapshot.config.get())
                : FindPayrollItemForUser(*m_snapshot.model, diff.GetServerUser()->GetId(), m_snapshot.config.get());
        return item ? item->GetName() : std::wstring();
    } catch (...) {
        return std::wstring();
    }
}

// QuickBooks refused a reference: when the service item is still there, the customer:job went.
std::wstring ImportRun::VanishedItemProblem(const EmployeeDiff& diff, const TimeTrackRecord& entry)
{
    std::wstring serviceItem;
    bool serviceItemExists = false;
    try {
        const boost::shared_ptr<Employee> naming =
            FindNamingEmployee(*m_snapshot.model, *m_snapshot.config, diff.GetServerUser());
        serviceItem = MakeServiceItemName(*m_snapshot.config, entry, *naming);
        m_snapshot.connector->GetServiceItem()->GetByFullName(serviceItem);
        serviceItemExists = true;
    } catch (...) {
    }
    if (serviceItemExists)
        return L"The customer:job with name '" + entry.GetCustomerJobName(m_snapshot.config->GetMappingType()) +
               L"' no longer exists";
    return L"The service item with name '" + serviceItem + L"' no longer exists";
}

}  // namespace Quorvane
