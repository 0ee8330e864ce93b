#pragma once
// What the fault cases need beyond a bookkeeper's ordinary steps: the error panel, the
// import logs, QuickBooks's company changed behind the program's back, and QuickBooks kept
// busy while the program waits for it.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/programdriver/PageWindow.h"
#include "tools/qbsim/Json.h"

namespace faults {

// Ana Lind in the demo company, with her first wage item.
const wchar_t kAnaLind[] = L"8000001F-1197423841";
const wchar_t kAnaLindWages[] = L"80000008-1197423841";
// Two of her entries, which Quorvane does not have.
const wchar_t kAnaLindEntry[] = L"80000042-1197423841";
const wchar_t kAnaLindOtherEntry[] = L"80000045-1197423841";

inline bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

// Waits for the main window's error panel and gives its title.
std::wstring WaitForErrorPanel(driver::PageWindow& window);
// Its "Close"; a panel whose closing reloads then shows the loading view.
void CloseErrorPanel(driver::PageWindow& window);

// The import logs in the folder, oldest name first, and one log's text.
std::vector<std::wstring> ImportLogs(const std::wstring& folder);
std::wstring ReadLog(const std::wstring& path);

// Merges the patch into a record of the company file, as someone working in QuickBooks
// would change it ({"BillableStatus":2} bills an entry); DriverError when it is not there.
void EditCompany(const std::wstring& companyFile, const std::wstring& list, const std::wstring& id,
                 const std::wstring& patchJson);
// A record of one of the company file's lists by its id; DriverError when it is gone.
QbSim::Json CompanyRecord(const std::wstring& companyFile, const std::wstring& list, const std::wstring& idMember,
                          const std::wstring& id);

// The value of one field in a simulator trace line: TxnDate="2026-11-17" gives 2026-11-17.
std::wstring SentValue(const std::wstring& line, const std::wstring& field);

// Holds the company file's lock: every QuickBooks request of the program waits meanwhile.
class BusyQuickBooks {
public:
    explicit BusyQuickBooks(const std::wstring& companyFile);
    ~BusyQuickBooks();
    BusyQuickBooks(const BusyQuickBooks&) = delete;
    BusyQuickBooks& operator=(const BusyQuickBooks&) = delete;
    void Release();

private:
    HANDLE m_mutex;
    bool m_held;
};

}  // namespace faults
