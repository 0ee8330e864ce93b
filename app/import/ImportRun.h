#pragma once
// One import run: the pre-checks, then employee by employee every previewed entry written to
// QuickBooks, with progress, warnings and errors posted to the view and an import log.
#include <set>
#include <string>
#include <utility>
#include <vector>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <windows.h>
#include "app/import/ImportSnapshot.h"
#include "app/IMainView.h"

namespace Quorvane {

class Employee;
class EmployeeDiff;
class EmployeeDiffCollection;
class MissingItemsController;
class TimeTrackDiff;
class TimeTrackImporter;
class TimeTrackRecord;
namespace Logging {
class ImportLogger;
}

class ImportRun : private boost::noncopyable {
public:
    // Hands a call to the UI thread; false when it could not be queued.
    typedef boost::function<bool(const boost::function<void()>&)> CallPoster;
    typedef boost::function<std::vector<std::wstring>()> FormSearch;
    typedef boost::function<bool()> StopFlag;

    // findOpenForms gives the titles of the QuickBooks windows for entering time now open.
    ImportRun(const ImportSnapshot& snapshot, bool checkAbsentTimeTrack, const boost::shared_ptr<IMainView>& view,
              const CallPoster& post, const StopFlag& stopRequested, const FormSearch& findOpenForms);
    ~ImportRun();

    // Never throws: a failure is reported to the view and the log, and the view always gets
    // OnImportStarted first and OnImportFinished at the end.
    void RunImport();

    // The log path once the run has finished its log; empty before, or when none was made.
    std::wstring GetLogFilePath() const;
    // True once the run got past its checks to the entries: QuickBooks may hold them now, so
    // the preview the run worked on no longer tells what is left to import.
    bool HasImported() const;
    // True once the run has told the view it ended; its thread is then only finishing.
    bool HasReportedEnd() const;
    boost::shared_ptr<EmployeeDiffCollection> GetPreview() const { return m_snapshot.preview; }

private:
    typedef std::set<std::pair<int, std::wstring>> MissingDeclaredItems;
    struct EmployeeNames {
        std::wstring quickBooksSide;
        std::wstring serverSide;
    };

    // The steps (ImportRun.cpp).
    void RunSteps();
    bool ProbeQuickBooks();
    bool ReportDataConflicts();
    void OpenLog();
    void PostTotals();
    bool ImportEmployees();
    bool ImportEmployee(const EmployeeDiff& diff);
    bool ImportEntries(const EmployeeDiff& diff, const std::wstring& name);
    bool ActOnStatus(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status, const std::wstring& name,
                     int& working, int& leave);
    void AddTimeAfterImport(const TimeTrackDiff& entry, int& working, int& leave) const;
    void Finish();
    void ReportUnexpectedFailure();
    void ReportEmployeeFailure(const std::wstring& name);

    // The pre-checks (ImportPreChecks.cpp).
    void PrepareImport(MissingDeclaredItems& missing);
    bool HasAbsentTimeTrack();
    void CountImportTotals(int& leave, int& working);
    bool CheckQuickBooksTimeTrackUnchanged();
    bool HasTimeTrackChanged(const EmployeeDiff& diff);
    bool CheckTimeEntryWindowsClosed();
    bool CreateMissingItemsBeforeImport(const EmployeeDiff& diff, const std::wstring& name);
    void SetTimeDataFlagOfSelectedEmployees();

    // The reports (ImportReports.cpp).
    // A warning in the employee's log section; its text becomes the run's final text.
    void Warn(const std::wstring& heading, const std::vector<std::wstring>& lines, const std::wstring& warningText);
    void ReportBilled(const TimeTrackDiff& entry);
    void ReportDeleted(const TimeTrackDiff& entry);
    void ReportChanged(const TimeTrackDiff& entry);
    void ReportKept(const TimeTrackDiff& entry);
    // The warnings QuickBooks gave with the writes since the last report, with the entry written
    // when there is one.
    void ReportQuickBooksWarnings(const TimeTrackDiff* entry);
    void ReportTimeDataFlagRefused(const Employee& employee, int status);
    void StopWithEntryError(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status, const std::wstring& name);
    void StopWithError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                       const std::wstring& furtherActions, const std::wstring& customValue,
                       const std::vector<std::wstring>& logDetails);
    std::wstring MissingObjectProblem(const EmployeeDiff& diff, const TimeTrackDiff& entry, int status,
                                      const std::wstring& name);
    std::wstring PayrollItemName(const EmployeeDiff& diff, const TimeTrackRecord& entry);
    std::wstring VanishedItemProblem(const EmployeeDiff& diff, const TimeTrackRecord& entry);

    // Walks and the log (ImportRunSupport.cpp).
    boost::shared_ptr<EmployeeDiff> FindDiff(const std::wstring& userId) const;
    EmployeeNames GetEmployeeNames(const EmployeeDiff& diff) const;
    void BeginEmployee(const EmployeeDiff& diff, int status);
    void SkipRemainingEmployees();
    void FinishLog();
    void PostError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                   const std::wstring& furtherActions, const std::wstring& customValue, int buttons);
    void Post(const boost::function<void()>& call);
    // Once per run, whichever way it ends.
    void PostImportFinished();

    ImportSnapshot m_snapshot;
    bool m_checkAbsentTimeTrack;
    boost::shared_ptr<IMainView> m_view;
    CallPoster m_post;
    StopFlag m_stopRequested;
    FormSearch m_findOpenForms;

    boost::shared_ptr<Logging::ImportLogger> m_logger;
    bool m_logFinished;
    bool m_finishedPosted;
    boost::shared_ptr<MissingItemsController> m_missingItems;
    boost::shared_ptr<TimeTrackImporter> m_importer;
    // The last warning; the run ends with ShowImportFailed when it is set.
    std::wstring m_warningText;
    // The position in the selection of the first employee still to go.
    size_t m_nextEmployee;
    volatile LONG m_imported;
    volatile LONG m_reportedEnd;
};

}  // namespace Quorvane
