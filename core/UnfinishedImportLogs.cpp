#include "core/UnfinishedImportLogs.h"

#include <windows.h>
#include <vector>

#include "core/ConnectorLog.h"
#include "core/File.h"
#include "core/ImportLogDates.h"
#include "core/ImportLogName.h"
#include "core/ImportLogger.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace Logging {

namespace {

const size_t kMaxLogSize = 64 * 1024 * 1024;
const char kLineEnd[] = "\r\n";
// The summary of a run that never wrote its own, after its heading; its last line marks a log
// finished here.
const char* const kInterruptedSummary[] = {
    "\tImport process was interrupted: Pellworth stopped before the import ended",
    "\tThe times it imported are not known; reload to see what is left to import"
};
const size_t kSummaryLines = sizeof(kInterruptedSummary) / sizeof(kInterruptedSummary[0]);

// The logger's own texts are ASCII.
std::string Ascii(const wchar_t* text)
{
    return std::string(text, text + wcslen(text));
}

// The whole lines of the log; a line cut short by the stop has no line end and is left out.
std::vector<std::string> WholeLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = bytes.find(kLineEnd, start);
        if (end == std::string::npos)
            return lines;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
}

// The header names the range in plain ASCII.
bool FindRange(const std::vector<std::string>& lines, DateTime& start, DateTime& end)
{
    for (const std::string& line : lines) {
        if (ParseRangeLine(std::wstring(line.begin(), line.end()), start, end))
            return true;
    }
    return false;
}

bool ReadAll(File& log, std::string& bytes)
{
    ULONGLONG size = 0;
    if (!log.GetSize(size) || size > kMaxLogSize)
        return false;
    bytes.resize(static_cast<size_t>(size));
    return size == 0 || log.Read(&bytes[0], static_cast<DWORD>(size));
}

// Appended after whatever the log holds, even a line cut short, which then ends first.
bool AppendSummary(File& log, const std::string& bytes)
{
    std::string summary = bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, kLineEnd) == 0 ? "" : kLineEnd;
    summary += kLineEnd + Ascii(ImportLogger::kSummaryHeading) + kLineEnd;
    for (size_t i = 0; i < kSummaryLines; ++i)
        summary += std::string(kInterruptedSummary[i]) + kLineEnd;
    return log.Write(summary.data(), static_cast<DWORD>(summary.size())) && log.Flush();
}

// The counter is counted again before the second try, in case another log took the name.
bool MoveToLogName(const std::wstring& path, const std::wstring& folder, const DateTime& start, const DateTime& end)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::wstring name = NextImportLogPath(folder, start, end, ImportLogger::InterruptedByError, false);
        if (MoveFileExW(path.c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH))
            return true;
    }
    return false;
}

void FinishLog(const std::wstring& folder, const std::wstring& path)
{
    File log;
    // A run that still writes the log holds it open, and then it cannot be had alone.
    if (!log.Open(path, OPEN_EXISTING, File::ReadAppendAlone))
        return;
    std::string bytes;
    if (!ReadAll(log, bytes)) {
        AppendToConnectorLog(L"An unfinished import log could not be read; it stays at " + path);
        return;
    }
    if (bytes.empty()) {
        // Stopped before its first line: there is nothing to keep.
        log.Close();
        DeleteFileW(path.c_str());
        return;
    }
    const std::vector<std::string> lines = WholeLines(bytes);
    DateTime start;
    DateTime end;
    if (!FindRange(lines, start, end)) {
        AppendToConnectorLog(L"An unfinished import log names no period; it stays at " + path);
        return;
    }
    if (!lines.empty() && StartsWith(lines.back(), Ascii(ImportLogger::kTotalsLineStart)))
        return;
    if ((lines.empty() || lines.back() != kInterruptedSummary[kSummaryLines - 1]) && !AppendSummary(log, bytes))
        return;
    log.Close();
    if (!MoveToLogName(path, folder, start, end))
        AppendToConnectorLog(L"An unfinished import log could not be renamed; it stays at " + path);
}

}  // namespace

void FinishUnfinishedImportLogs(const std::wstring& companyName)
{
    const std::wstring folder = CompanyLogFolder(companyName) + L"\\";
    if (folder.size() == 1)
        return;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::wstring> paths;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            paths.push_back(folder + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    for (const std::wstring& path : paths)
        FinishLog(folder, path);
}

}  // namespace Logging
}  // namespace Quorvane
