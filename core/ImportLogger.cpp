#include "core/ImportLogger.h"

#include <windows.h>
#include "core/ConnectorLog.h"
#include "core/ImportLogDates.h"
#include "core/ImportLogName.h"
#include "core/KnownFolders.h"
#include "core/LocalClock.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace Logging {

namespace {

const wchar_t* const kWeekdays[] = {
    L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"
};

// "Wednesday, Mar 14, 2012 at 09:05"
std::wstring LogDateTime(const SYSTEMTIME& time)
{
    DateTime date(time.wDay, time.wMonth, time.wYear);
    wchar_t clock[16];
    swprintf(clock, sizeof(clock) / sizeof(clock[0]), L"%02d:%02d", time.wHour, time.wMinute);
    return std::wstring(kWeekdays[date.DayOfWeek() % 7]) + L", " + FormatLogDate(date) + L" at " + clock;
}

std::wstring LogTime(int minutes)
{
    return FormatMinutes(minutes, L"0:00");
}

bool IsValidStatus(int status)
{
    return status >= EmployeeStatus::Ok && status <= EmployeeStatus::Skipped;
}

}  // namespace

const wchar_t ImportLogger::kSummaryHeading[] = L"Summary";
const wchar_t ImportLogger::kTotalsLineStart[] = L"\tTotal imported:";

bool ImportLogger::EmployeeKey::operator<(const EmployeeKey& other) const
{
    if (displayName != other.displayName)
        return displayName < other.displayName;
    return userId < other.userId;
}

ImportLogger::ImportLogger(const std::wstring& companyName, const DateTime& start, const DateTime& end)
    : m_outcome(Finished),
      m_start(start),
      m_end(end),
      m_companyName(companyName),
      m_hasCurrentEmployee(false),
      m_problemsHeadingWritten(false),
      m_employeeHeadingWritten(false),
      m_hasWarnings(false)
{
    Init();
}

void ImportLogger::Init()
{
    std::wstring folder = CompanyLogFolder(m_companyName);
    wchar_t temporary[MAX_PATH] = {};
    if (folder.empty() || !CreateFolderTree(folder) || !GetTempFileNameW(folder.c_str(), L"", 0, temporary)) {
        AppendToConnectorLog(L"No import log can be written in " + folder);
        return;
    }
    m_logFolder = folder + L"\\";
    m_temporaryPath = temporary;
    m_logger.reset(new Logger(m_temporaryPath));
    // Not held, the log is still written; only another run could then take it for unfinished.
    m_inUse.Open(m_temporaryPath, OPEN_EXISTING, File::ReadShared);
}

void ImportLogger::Write(const std::wstring& line)
{
    if (m_logger)
        m_logger->Append(line);
}

void ImportLogger::WriteHeader(const std::wstring& serverAddress)
{
    Write(L"Import date/time: " + LogDateTime(LocalNow()));
    Write(L"");
    Write(L"Quorvane Server:  " + serverAddress);
    Write(FormatRangeLine(m_start, m_end));
}

void ImportLogger::BeginEmployee(const std::wstring& displayName, const std::wstring& userId,
                                 const std::wstring& serverUserName, int status)
{
    EmployeeKey key = { displayName, userId };
    boost::shared_ptr<EmployeeStatus> record(new EmployeeStatus(status, serverUserName));
    m_employees.insert(EmployeeMap::value_type(key, record));
    m_currentEmployee = key;
    m_hasCurrentEmployee = true;
    m_employeeHeadingWritten = false;
}

boost::shared_ptr<EmployeeStatus> ImportLogger::CurrentEmployee() const
{
    if (!m_hasCurrentEmployee)
        return boost::shared_ptr<EmployeeStatus>();
    return m_employees.find(m_currentEmployee)->second;
}

void ImportLogger::RaiseCurrentEmployeeStatus(int status)
{
    boost::shared_ptr<EmployeeStatus> current = CurrentEmployee();
    if (current && status > current->status)
        current->status = status;
}

void ImportLogger::SetCurrentEmployeeTimes(int workingMinutes, int leaveMinutes)
{
    boost::shared_ptr<EmployeeStatus> current = CurrentEmployee();
    if (!current)
        return;
    current->workingMinutes = workingMinutes;
    current->leaveMinutes = leaveMinutes;
}

void ImportLogger::AddProblem(int level, const std::wstring& message, const std::wstring& detail)
{
    AddProblems(level, message, std::vector<std::wstring>(1, detail));
}

void ImportLogger::AddProblems(int level, const std::wstring& message, const std::vector<std::wstring>& details)
{
    if (!m_logger)
        return;
    if (level != WarningLevel && level != ErrorLevel)
        throw 1;
    WriteProblemHeading();
    WriteProblem(level, message);
    for (size_t i = 0; i < details.size(); ++i)
        Write(L"        " + details[i]);
}

void ImportLogger::WriteProblemHeading()
{
    boost::shared_ptr<EmployeeStatus> current = CurrentEmployee();
    if (current && !m_employeeHeadingWritten) {
        Write(L"");
        Write(m_currentEmployee.displayName + L" (Quorvane username: " + current->userName + L")");
        m_employeeHeadingWritten = true;
    } else if (!current && !m_problemsHeadingWritten) {
        Write(L"");
        Write(L"Problems/warnings during import:");
        m_problemsHeadingWritten = true;
    }
}

void ImportLogger::WriteProblem(int level, const std::wstring& message)
{
    Write(L"");
    if (level == WarningLevel) {
        Write(L"    Warning: " + message);
        m_hasWarnings = true;
    } else {
        Write(L"    ERROR: " + message);
    }
}

void ImportLogger::Finish()
{
    if (!m_logger)
        return;
    bool statusesValid = WriteSummary();
    // Held through the rename (its sharing allows it): another run must never find it free and
    // finish it as interrupted in between.
    MoveToFinalName();
    m_inUse.Close();
    m_logger.reset();
    if (!statusesValid)
        throw 1;
}

bool ImportLogger::WriteSummary()
{
    Write(L"");
    Write(kSummaryHeading);
    if (m_outcome == InterruptedByUser)
        Write(L"\tImport process was interrupted by user");
    else if (m_outcome == InterruptedByError)
        Write(L"\tImport process was interrupted due to error");
    else
        Write(L"\tImport was finished successfully");
    Write(L"");
    bool statusesValid = true;
    int totalWorking = 0;
    int totalLeave = 0;
    for (EmployeeMap::const_iterator it = m_employees.begin(); it != m_employees.end(); ++it) {
        statusesValid = WriteEmployeeSummary(it->first, *it->second) && statusesValid;
        totalWorking += it->second->workingMinutes;
        totalLeave += it->second->leaveMinutes;
    }
    Write(L"\t---");
    Write(std::wstring(kTotalsLineStart) + L"  Working time " + LogTime(totalWorking) + L", Leave time " +
          LogTime(totalLeave));
    return statusesValid;
}

bool ImportLogger::WriteEmployeeSummary(const EmployeeKey& key, const EmployeeStatus& status)
{
    static const wchar_t* const kStatusTexts[] = { L": OK", L": Warning", L": Error", L": Skipped" };
    if (!IsValidStatus(status.status))
        return false;
    std::wstring line = L"\t" + key.displayName + kStatusTexts[status.status];
    if (status.status == EmployeeStatus::Ok || status.status == EmployeeStatus::Warning) {
        line += L"  (Working time " + LogTime(status.workingMinutes);
        if (status.leaveMinutes != 0)
            line += L", Leave time " + LogTime(status.leaveMinutes);
        line += L")";
    }
    Write(line);
    return true;
}

// The counter is counted again before the second try, in case another log took the name.
void ImportLogger::MoveToFinalName()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::wstring path = NextImportLogPath(m_logFolder, m_start, m_end, m_outcome, m_hasWarnings);
        if (MoveFileW(m_temporaryPath.c_str(), path.c_str())) {
            m_finalPath = path;
            return;
        }
    }
    m_finalPath = m_temporaryPath;
    AppendToConnectorLog(L"The import log could not be renamed; it stays at " + m_temporaryPath);
}

}  // namespace Logging
}  // namespace Quorvane
