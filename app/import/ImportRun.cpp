#include "app/import/ImportRun.h"

#include <boost/bind/bind.hpp>

#include "app/EntryOutcome.h"
#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "app/import/TimeTrackImporter.h"
#include "app/missing/MissingItemsController.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/ImportLogger.h"

namespace Quorvane {

namespace {

const wchar_t* const kUnexpectedError = L"Unexpected error occurred while importing data to QuickBooks";
const wchar_t* const kEmployeeFailedWarning =
    L"The time-track for some employees was not imported because of an unexpected error. Please see log for details.";

std::wstring DataConflictReason(const std::set<std::pair<int, std::wstring>>& missing, int kind, const wchar_t* heading)
{
    std::wstring list;
    for (std::set<std::pair<int, std::wstring>>::const_iterator it = missing.begin(); it != missing.end(); ++it)
        if (it->first == kind)
            list += L"<li>" + HtmlEscape(it->second) + L"</li>";
    return list.empty() ? list : heading + (L"<ul>" + list + L"</ul>");
}

}  // namespace

ImportRun::ImportRun(const ImportSnapshot& snapshot, bool checkAbsentTimeTrack,
                     const boost::shared_ptr<IMainView>& view, const CallPoster& post, const StopFlag& stopRequested,
                     const FormSearch& findOpenForms)
    : m_snapshot(snapshot),
      m_checkAbsentTimeTrack(checkAbsentTimeTrack),
      m_view(view),
      m_post(post),
      m_stopRequested(stopRequested),
      m_findOpenForms(findOpenForms),
      m_logFinished(false),
      m_finishedPosted(false),
      m_nextEmployee(0),
      m_imported(0),
      m_reportedEnd(0)
{
}

ImportRun::~ImportRun() {}

bool ImportRun::HasImported() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&m_imported), 0, 0) != 0;
}

bool ImportRun::HasReportedEnd() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&m_reportedEnd), 0, 0) != 0;
}

void ImportRun::RunImport()
{
    try {
        Post(boost::bind(&IMainView::OnImportStarted, m_view));
        RunSteps();
    } catch (...) {
        ReportUnexpectedFailure();
    }
}

void ImportRun::RunSteps()
{
    // Warnings of writes made before this run (the missing-data dialog's creations) are not its own.
    m_snapshot.connector->TakeWriteWarnings();
    if (!ProbeQuickBooks() || ReportDataConflicts())
        return;
    if (m_checkAbsentTimeTrack && HasAbsentTimeTrack()) {
        PostImportFinished();
        return;
    }
    OpenLog();
    PostTotals();
    if (CheckQuickBooksTimeTrackUnchanged()) {
        PostImportFinished();
        return;
    }
    SetTimeDataFlagOfSelectedEmployees();
    const int total = static_cast<int>(m_snapshot.selection.size());
    Post(boost::bind(&IMainView::SetImportProgress, m_view, 0, total));
    m_missingItems.reset(new MissingItemsController(m_snapshot.model, m_snapshot.config, m_snapshot.connector));
    m_importer.reset(new TimeTrackImporter(m_snapshot.model, m_snapshot.config, m_snapshot.connector));
    if (CheckTimeEntryWindowsClosed())
        return;
    InterlockedExchange(&m_imported, 1);
    if (!ImportEmployees())
        return;
    Finish();
}

// Any failure to ask QuickBooks counts as not connected.
bool ImportRun::ProbeQuickBooks()
{
    int firstDay = -1;
    try {
        firstDay = m_snapshot.connector->GetFirstDayOfWeek();
    } catch (const std::exception&) {
    }
    if (firstDay >= 0)
        return true;
    PostError(L"Cannot connect to QuickBooks", L"Pellworth cannot connect to QuickBooks", L"", L"", L"reload", 0);
    PostImportFinished();
    return false;
}

bool ImportRun::ReportDataConflicts()
{
    MissingDeclaredItems missing;
    PrepareImport(missing);
    if (missing.empty())
        return false;
    const std::wstring reason =
        L"Most probably original QB items were deleted or their names contain national characters that were "
        L"corrupted during data exchange with QuickBooks. In the latter case please rename these items both in "
        L"Quorvane and in QuickBooks.<br><br>" +
        DataConflictReason(missing, MissingItem::CustomerKind, L"Customers & Jobs:") +
        DataConflictReason(missing, MissingItem::ServiceItemKind, L"Service Items:");
    PostError(L"Data Conflict Detected", L"Cannot import data as declared items are missing in QuickBooks.", reason,
              L"", L"", 0);
    PostImportFinished();
    return true;
}

void ImportRun::OpenLog()
{
    const DateRange period = m_snapshot.config->GetPeriod();
    m_logger.reset(new Logging::ImportLogger(m_snapshot.companyName, period.GetStart(), period.GetEnd()));
    m_logger->WriteHeader(m_snapshot.config->GetConnectionOptions()->url);
}

void ImportRun::PostTotals()
{
    int leave = 0;
    int working = 0;
    CountImportTotals(leave, working);
    Post(boost::bind(&IMainView::ResetImportProgress, m_view));
    Post(boost::bind(&IMainView::SetImportedWorkingTime, m_view, working));
    Post(boost::bind(&IMainView::SetImportedLeaveTime, m_view, leave));
    Post(boost::bind(&IMainView::SetImportComment, m_view, std::wstring(L"Synchronizing with QuickBooks")));
    Post(boost::bind(&IMainView::ShowImportProgress, m_view));
}

// False when an error stopped the run; it has then been reported and finished. A stop is taken
// only here, between employees: an employee begun is always written to its last entry.
bool ImportRun::ImportEmployees()
{
    const size_t total = m_snapshot.selection.size();
    for (size_t i = 0; i < total; ++i) {
        if (m_stopRequested()) {
            m_logger->SetOutcome(Logging::ImportLogger::InterruptedByUser);
            SkipRemainingEmployees();
            return true;
        }
        m_nextEmployee = i + 1;
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (diff && !ImportEmployee(*diff))
            return false;
        Post(boost::bind(&IMainView::SetImportProgress, m_view, static_cast<int>(i + 1), static_cast<int>(total)));
    }
    return true;
}

bool ImportRun::ImportEmployee(const EmployeeDiff& diff)
{
    BeginEmployee(diff, Logging::EmployeeStatus::Ok);
    const std::wstring name = GetEmployeeNames(diff).quickBooksSide;
    Post(boost::bind(&IMainView::SetImportComment, m_view, L"Importing data for " + name));
    try {
        const bool creationFailed = CreateMissingItemsBeforeImport(diff, name);
        ReportQuickBooksWarnings(NULL);
        if (!creationFailed)
            return ImportEntries(diff, name);
        m_logger->RaiseCurrentEmployeeStatus(Logging::EmployeeStatus::Error);
        SkipRemainingEmployees();
        FinishLog();
        PostImportFinished();
        return false;
    } catch (...) {
        // A failure while the run was being closed must not let it go on writing.
        if (m_logFinished)
            throw;
        ReportEmployeeFailure(name);
        return true;
    }
}

bool ImportRun::ImportEntries(const EmployeeDiff& diff, const std::wstring& name)
{
    int working = 0;
    int leave = 0;
    const boost::shared_ptr<TimeTrackDiffCollection> entries =
        CollectTimeTrackDiffs(*m_snapshot.model, *diff.GetTimeTrackDiffs(), m_snapshot.config.get());
    for (TimeTrackDiffCollection::const_iterator it = entries->begin(); it != entries->end(); ++it) {
        if ((*it)->IsBilledConflict()) {
            ReportBilled(**it);
            continue;
        }
        if (CheckTimeEntryWindowsClosed())
            return false;
        const int status = m_importer->ImportEntry(diff.GetServerUser(), *it);
        ReportQuickBooksWarnings(it->get());
        if (!ActOnStatus(diff, **it, status, name, working, leave))
            return false;
    }
    return true;
}

// False when the status stopped the run.
bool ImportRun::ActOnStatus(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status, const std::wstring& name,
                            int& working, int& leave)
{
    switch (status) {
    case TimeTrackImporter::Done:
        if (IsRemoval(entry))
            ReportKept(entry);
        AddTimeAfterImport(entry, working, leave);
        m_logger->SetCurrentEmployeeTimes(working, leave);
        return true;
    case TimeTrackImporter::Deleted: ReportDeleted(entry); return true;
    case 3200:
    case 500: ReportChanged(entry); return true;
    case 3120:
        // An entry that vanished is a change made in QuickBooks, not a missing employee.
        if (entry.GetQuickBooksSide()) {
            ReportChanged(entry);
            return true;
        }
        break;
    }
    StopWithEntryError(diff, entry, status, name);
    return false;
}

// What QuickBooks holds of the entry once the run is over it, as the preview showed it.
void ImportRun::AddTimeAfterImport(const TimeTrackDiff& entry, int& working, int& leave) const
{
    const TimeTrackRecord& record = entry.GetQuickBooksSide() ? *entry.GetQuickBooksSide() : *entry.GetImportSide();
    (record.IsLeave() ? leave : working) +=
        MinutesAfterImport(entry, m_snapshot.config->GetCanRemoveExistingQBTimeTrack());
}

void ImportRun::Finish()
{
    FinishLog();
    PostImportFinished();
    if (m_warningText.empty())
        Post(boost::bind(&IMainView::ShowImportSucceeded, m_view));
    else
        Post(boost::bind(&IMainView::ShowImportFailed, m_view, m_warningText));
}

void ImportRun::ReportEmployeeFailure(const std::wstring& name)
{
    m_logger->AddProblem(Logging::ImportLogger::ErrorLevel, L"Cannot import data for " + name, kUnexpectedError);
    m_logger->RaiseCurrentEmployeeStatus(Logging::EmployeeStatus::Error);
    m_warningText = kEmployeeFailedWarning;
}

void ImportRun::ReportUnexpectedFailure()
{
    try {
        if (m_logger && !m_logFinished) {
            m_logger->SetOutcome(Logging::ImportLogger::InterruptedByError);
            m_logger->AddProblem(Logging::ImportLogger::ErrorLevel, kUnexpectedError, L"");
            FinishLog();
        }
        Post(boost::bind(&IMainView::HideImportProgress, m_view));
        PostError(L"Cannot import data", kUnexpectedError, L"", L"", L"reload", 0);
        PostImportFinished();
    } catch (...) {
        // Nothing is left to tell the user with; the thread must still end cleanly.
    }
}

}  // namespace Quorvane
