#pragma once
// The log of one import run, which a bookkeeper reads to see what was carried into QuickBooks,
// what went wrong and for whom. It is written line by line to a temporary file in the
// company's log folder and renamed at the end after the range, a counter and the outcome.
#include <map>
#include <string>
#include <vector>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include "core/DateTime.h"
#include "core/File.h"
#include "core/Logger.h"

namespace Quorvane {
namespace Logging {

struct EmployeeStatus {
    enum { Ok = 0, Warning = 1, Error = 2, Skipped = 3 };

    EmployeeStatus(int status, const std::wstring& userName)
        : status(status), userName(userName), workingMinutes(0), leaveMinutes(0)
    {
    }

    int status;
    // Shown in the employee's heading.
    std::wstring userName;
    int workingMinutes;
    int leaveMinutes;
};

class ImportLogger : private boost::noncopyable {
public:
    enum Outcome { Finished = 0, InterruptedByUser = 1, InterruptedByError = 2 };
    enum ProblemLevel { WarningLevel = 1, ErrorLevel = 2 };
    // The summary's heading, and the start of its last line: a log that has it was finished.
    static const wchar_t kSummaryHeading[];
    static const wchar_t kTotalsLineStart[];

    // Sets up at once; when that fails, every writing operation does nothing.
    ImportLogger(const std::wstring& companyName, const DateTime& start, const DateTime& end);

    void WriteHeader(const std::wstring& serverAddress);
    // Sections are keyed by display name and server user id, so that two employees shown with
    // one name keep their own sections and times. A key already begun keeps its record.
    void BeginEmployee(const std::wstring& displayName, const std::wstring& userId, const std::wstring& serverUserName,
                       int status);
    // Only ever raises the current employee's status.
    void RaiseCurrentEmployeeStatus(int status);
    void SetCurrentEmployeeTimes(int workingMinutes, int leaveMinutes);
    // Levels other than warning and error throw the int 1 and write nothing.
    void AddProblem(int level, const std::wstring& message, const std::wstring& detail);
    void AddProblems(int level, const std::wstring& message, const std::vector<std::wstring>& details);

    void SetOutcome(int outcome) { m_outcome = outcome; }

    // Writes the summary and gives the log its final name. The log stays reachable even when
    // the rename fails: its path is then the temporary file's. An employee status outside
    // 0-3 is left out of the summary and reported by throwing the int 1 once the log is in
    // place. Writes nothing more afterwards.
    void Finish();
    // Empty until Finish.
    std::wstring GetLogFilePath() const { return m_finalPath; }

private:
    struct EmployeeKey {
        std::wstring displayName;
        std::wstring userId;
        bool operator<(const EmployeeKey& other) const;
    };
    typedef std::map<EmployeeKey, boost::shared_ptr<EmployeeStatus>> EmployeeMap;

    // Makes "<common documents>\Quorvane\QB Import Logs\Imported to <company>\" and the
    // temporary file in it, where a run that dies still leaves its log; the next run finishes
    // the logs that runs before it left so.
    void Init();

    void Write(const std::wstring& line);
    void WriteProblemHeading();
    void WriteProblem(int level, const std::wstring& message);
    boost::shared_ptr<EmployeeStatus> CurrentEmployee() const;
    // False when some employee's status was invalid.
    bool WriteSummary();
    bool WriteEmployeeSummary(const EmployeeKey& key, const EmployeeStatus& status);
    void MoveToFinalName();

    int m_outcome;
    DateTime m_start;
    DateTime m_end;
    std::wstring m_companyName;
    std::wstring m_temporaryPath;
    std::wstring m_logFolder;
    std::wstring m_finalPath;
    boost::shared_ptr<Logger> m_logger;
    // Held open while the run writes, so that no other run takes the log for an unfinished one.
    File m_inUse;
    EmployeeKey m_currentEmployee;
    bool m_hasCurrentEmployee;
    bool m_problemsHeadingWritten;
    bool m_employeeHeadingWritten;
    bool m_hasWarnings;
    EmployeeMap m_employees;
};

}  // namespace Logging
}  // namespace Quorvane
