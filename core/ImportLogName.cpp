#include "core/ImportLogName.h"

#include <windows.h>
#include <algorithm>
#include <climits>
#include <cwchar>

#include "core/KnownFolders.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace Logging {

namespace {

std::wstring RangeName(const DateTime& start, const DateTime& end)
{
    return start.ToString() + L" - " + end.ToString();
}

}  // namespace

std::wstring CompanyLogFolder(const std::wstring& companyName)
{
    std::wstring documents = GetKnownFolderPath(CommonDocumentsFolder);
    if (documents.empty())
        return documents;
    return documents + L"\\Quorvane\\QB Import Logs\\Imported to " + EscapeFileName(companyName);
}

int ReadLogNumber(const std::wstring& fileName)
{
    size_t open = fileName.find(L'[');
    size_t close = open == std::wstring::npos ? open : fileName.find(L']', open + 1);
    if (close == std::wstring::npos)
        return 1;
    long number = std::wcstol(fileName.substr(open + 1, close - open - 1).c_str(), 0, 10);
    // Capped so that the next number still fits.
    return number < 1 ? 1 : static_cast<int>(std::min<long>(number, INT_MAX - 1));
}

std::wstring NextLogCounter(const std::wstring& folder, const DateTime& start, const DateTime& end)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + RangeName(start, end) + L"*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return L" [1]";
    int highest = 1;
    do {
        highest = std::max(highest, ReadLogNumber(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return L" [" + std::to_wstring(highest + 1) + L"]";
}

std::wstring ImportLogSuffix(int outcome, bool hasWarnings)
{
    if (outcome != 0)
        return L" (Interrupted)";
    return hasWarnings ? L" (Finished with warnings)" : L"";
}

std::wstring NextImportLogPath(const std::wstring& folder, const DateTime& start, const DateTime& end, int outcome,
                               bool hasWarnings)
{
    return folder + RangeName(start, end) + NextLogCounter(folder, start, end) + ImportLogSuffix(outcome, hasWarnings) +
           L".txt";
}

}  // namespace Logging
}  // namespace Quorvane
