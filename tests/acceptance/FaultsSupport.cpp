#include "tests/acceptance/FaultsSupport.h"

#include <algorithm>

#include "core/FileContents.h"
#include "core/TextCodec.h"
#include "tools/programdriver/DriverError.h"
#include "tools/qbsim/CompanyStore.h"
#include "tools/qbsim/Control.h"
#include "tools/scenario/SimulatedCompany.h"

namespace faults {

namespace {

// The program's first load of a fresh company can take a while on a loaded machine.
const DWORD kPanelTimeoutMs = 60000;

}  // namespace

std::wstring WaitForErrorPanel(driver::PageWindow& window)
{
    window.WaitShown(L"#ErrorBodyDialog", kPanelTimeoutMs);
    return window.Text(L"#idErrorDialogTitle");
}

void CloseErrorPanel(driver::PageWindow& window)
{
    window.Click(L"#idErrorDialogCloseButton");
    window.WaitHidden(L"#ErrorBodyDialog");
}

std::vector<std::wstring> ImportLogs(const std::wstring& folder)
{
    std::vector<std::wstring> logs;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return logs;
    do
        logs.push_back(folder + L"\\" + found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(logs.begin(), logs.end());
    return logs;
}

// The checks read only ASCII parts of a log, whatever code page it is written in.
std::wstring ReadLog(const std::wstring& path)
{
    std::string bytes;
    if (Quorvane::ReadFileContents(path, 16u << 20, bytes) != Quorvane::FileRead)
        throw driver::DriverError(L"cannot read the import log " + path);
    Quorvane::Utf8ToWide text(bytes.data(), static_cast<int>(bytes.size()));
    return std::wstring(text.c_str(), text.size());
}

void EditCompany(const std::wstring& companyFile, const std::wstring& list, const std::wstring& id,
                 const std::wstring& patchJson)
{
    QbSim::Control::UseCompanyFile(companyFile);
    const bool edited = QbSim::Control::Edit(list, id, patchJson);
    QbSim::Control::UseCompanyFile(L"");
    if (!edited)
        throw driver::DriverError(L"the company has no record " + id + L" in " + list);
}

QbSim::Json CompanyRecord(const std::wstring& companyFile, const std::wstring& list, const std::wstring& idMember,
                          const std::wstring& id)
{
    const QbSim::Json company = scenario::ReadCompany(companyFile);
    for (const QbSim::Json& record : company.Get(list).Items())
        if (record.Get(idMember).AsString() == id)
            return record;
    throw driver::DriverError(L"QuickBooks no longer has " + id + L" in " + list);
}

std::wstring SentValue(const std::wstring& line, const std::wstring& field)
{
    const std::wstring start = L" " + field + L"=\"";
    const size_t at = line.find(start);
    if (at == std::wstring::npos)
        return L"(" + field + L" not sent)";
    const size_t from = at + start.size();
    return line.substr(from, line.find(L'"', from) - from);
}

BusyQuickBooks::BusyQuickBooks(const std::wstring& companyFile)
    : m_mutex(CreateMutexW(nullptr, FALSE, QbSim::CompanyFileLockName(companyFile).c_str())),
      m_held(WaitForSingleObject(m_mutex, 30000) == WAIT_OBJECT_0)
{
    if (!m_held)
        throw driver::DriverError(L"the company file stays locked");
}

BusyQuickBooks::~BusyQuickBooks()
{
    Release();
    CloseHandle(m_mutex);
}

void BusyQuickBooks::Release()
{
    if (m_held)
        ReleaseMutex(m_mutex);
    m_held = false;
}

}  // namespace faults
