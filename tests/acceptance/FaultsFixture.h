#pragma once
// One bookkeeper's Monday against the real program: a fresh copy of the demo company, the demo
// company's settings as the demo writes them, the demo server that the test run started, and
// Pellworth.exe started as a process of its own with the simulator's faults and trace arranged
// through its environment. Each case gets all of it afresh; a watchdog ends a case that hangs.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Config.h"
#include "tests/server/DemoServer.h"
#include "tools/programdriver/Program.h"
#include "tools/qbsim/Json.h"

namespace faults {

extern const wchar_t kCompanyName[];

class BookkeeperRun : public ::testing::Test {
protected:
    BookkeeperRun();
    ~BookkeeperRun() override;
    void TearDown() override;

    // Changes the company's settings before the program starts.
    void ChangeSettings(const std::function<void(Quorvane::Config&)>& change);

    // Starts the program with these simulator faults (a JSON array, as QBSIM_FAULTS reads it)
    // and waits until the summary of the demo company is shown.
    driver::PageWindow StartAtSummary(const std::wstring& faults = L"[]");
    driver::Program& Running() { return *m_program; }

    // ---- a bookkeeper's steps in the main window
    void SelectAllEmployees(driver::PageWindow& window);
    void Reload(driver::PageWindow& window);
    // The error panel: waits for it and gives its title.
    std::wstring WaitErrorPanel(driver::PageWindow& window);
    // Its "Close", after which the program loads again (custom value "reload") or not.
    void CloseErrorPanel(driver::PageWindow& window);

    // ---- what the simulated QuickBooks holds and was sent
    QbSim::Json Company() const;
    std::vector<std::wstring> Trace() const;
    // The trace lines of the time entries the program added, changed or deleted; the load's
    // probe of time tracking (an add for employee "0") is none of them.
    std::vector<std::wstring> TimeEntryWrites() const;
    // Bills the time entry behind the program's back, as a bookkeeper in QuickBooks would.
    void BillEntry(const std::wstring& txnId);
    const std::wstring& CompanyFile() const { return m_companyFile; }

    // ---- the import logs of the company, newest last
    std::vector<std::wstring> ImportLogs() const;
    static std::wstring ReadText(const std::wstring& path);

    DemoServer m_server;

private:
    static DWORD WINAPI Watchdog(void* self);
    void WriteSettings();

    std::wstring m_folder;
    std::wstring m_companyFile;
    std::wstring m_traceFile;
    std::unique_ptr<driver::Program> m_program;
    HANDLE m_caseDone;
    HANDLE m_watchdog;
};

// Holds the company file's lock: every QuickBooks request of the program waits meanwhile.
class HeldCompany {
public:
    explicit HeldCompany(const std::wstring& companyFile);
    ~HeldCompany();
    void Release();

private:
    HANDLE m_mutex;
    bool m_held;
};

}  // namespace faults
