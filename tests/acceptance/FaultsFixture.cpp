#include "tests/acceptance/FaultsFixture.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "core/CompanyConfig.h"
#include "core/DateRange.h"
#include "core/FileContents.h"
#include "core/TextCodec.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"
#include "tools/programdriver/WindowShot.h"
#include "tools/programdriver/Waiting.h"
#include "tools/qbsim/CompanyStore.h"
#include "tools/qbsim/RegisteredSimulator.h"

namespace faults {

const wchar_t kCompanyName[] = L"Harbor Lane Builders";

namespace {

// A case that takes longer than this hangs: the program is ended and the test run fails.
const DWORD kCaseWatchdogMs = 120000;
// Under a loaded machine the first load of a fresh company can take a while.
const DWORD kLoadTimeoutMs = 60000;

std::wstring Widen(const char* text)
{
    Quorvane::Utf8ToWide wide(text, static_cast<int>(strlen(text)));
    return std::wstring(wide.c_str(), wide.size());
}

// A path of the build machine as the Windows side sees it.
std::wstring WinePath(const char* unixPath)
{
    std::wstring path = L"Z:" + Widen(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring TemporaryFolder()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + L"pellworth-faults-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring ImportLogFolder()
{
    wchar_t documents[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, SHGFP_TYPE_CURRENT, documents);
    return std::wstring(documents) + L"\\Quorvane\\QB Import Logs\\Imported to " + kCompanyName;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(folder + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

void RunToEnd(std::wstring commandLine)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    // Its output (the settings file's path) would only clutter the test's.
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW | DETACHED_PROCESS,
                        nullptr, nullptr, &startup, &info))
        throw driver::DriverError(L"cannot run " + commandLine);
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (code != 0)
        throw driver::DriverError(L"failed: " + commandLine);
}


// qbsim.dll registered in the prefix for the whole run, as an installed QuickBooks would be.
class RegisteredQuickBooks : public ::testing::Environment {
public:
    void SetUp() override { m_simulator.reset(new QbSim::RegisteredSimulator()); }
    void TearDown() override { m_simulator.reset(); }
    static QbSim::RegisteredSimulator& Simulator() { return *s_instance->m_simulator; }

    RegisteredQuickBooks() { s_instance = this; }

private:
    static RegisteredQuickBooks* s_instance;
    std::unique_ptr<QbSim::RegisteredSimulator> m_simulator;
};

RegisteredQuickBooks* RegisteredQuickBooks::s_instance = nullptr;
const ::testing::Environment* const kRegistration = ::testing::AddGlobalTestEnvironment(new RegisteredQuickBooks());

}  // namespace

BookkeeperRun::BookkeeperRun()
    : m_server("plain"), m_folder(TemporaryFolder()), m_caseDone(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    m_companyFile = m_folder + L"\\company.json";
    m_traceFile = m_folder + L"\\trace.txt";
    CopyFileW(WinePath(DEMO_COMPANY_FILE).c_str(), m_companyFile.c_str(), FALSE);
    for (const std::wstring& log : FilesIn(ImportLogFolder()))
        DeleteFileW(log.c_str());
    m_server.Reset();
    WriteSettings();
    m_watchdog = CreateThread(nullptr, 0, &BookkeeperRun::Watchdog, this, 0, nullptr);
}

// A failed case leaves a picture of the window beside the test, to see what it showed.
void BookkeeperRun::TearDown()
{
    if (!HasFailure() || !m_program || !m_program->Process().Running())
        return;
    const HWND main = driver::FindShownWindow(m_program->Process().Id(), driver::kMainWindowClass, driver::kProgramTitle);
    const std::wstring picture = Widen(::testing::UnitTest::GetInstance()->current_test_info()->name()) + L".png";
    if (main) {
        driver::SaveWindowShot(main, picture);
        std::printf("the window at the failure: %ls\n", picture.c_str());
    }
}

BookkeeperRun::~BookkeeperRun()
{
    SetEvent(m_caseDone);
    WaitForSingleObject(m_watchdog, INFINITE);
    CloseHandle(m_watchdog);
    CloseHandle(m_caseDone);
    m_program.reset();
    m_server.Reset();
    for (const std::wstring& file : FilesIn(m_folder))
        DeleteFileW(file.c_str());
    RemoveDirectoryW(m_folder.c_str());
}

// A hung program would hold the run for ever: it is ended, and the run with it.
DWORD WINAPI BookkeeperRun::Watchdog(void* self)
{
    BookkeeperRun& run = *static_cast<BookkeeperRun*>(self);
    if (WaitForSingleObject(run.m_caseDone, kCaseWatchdogMs) == WAIT_OBJECT_0)
        return 0;
    std::fprintf(stderr, "watchdog: the case hangs; the program and the run are ended\n");
    std::fflush(stderr);
    if (run.m_program)
        run.m_program->Process().Terminate();
    TerminateProcess(GetCurrentProcess(), 3);
    return 0;
}

// The settings the demo leaves (the server's account with the password remembered), for two
// weeks that both the demo server and the demo company have time in.
void BookkeeperRun::WriteSettings()
{
    RunToEnd(L"\"" + WinePath(DEMO_SETTINGS_EXE) + L"\" \"" + kCompanyName + L"\" " + m_server.Address() +
             L" JSmith secret");
    ChangeSettings([](Quorvane::Config& config) {
        Quorvane::DateRange period;
        period.SetStart(Quorvane::DateTime(16, 11, 2026));
        period.SetEnd(Quorvane::DateTime(29, 11, 2026));
        config.SetPeriod(period);
    });
}

void BookkeeperRun::ChangeSettings(const std::function<void(Quorvane::Config&)>& change)
{
    boost::shared_ptr<Quorvane::Config> config(new Quorvane::Config());
    if (!Quorvane::LoadConfig(kCompanyName, config))
        throw driver::DriverError(L"the demo settings were not written");
    change(*config);
    if (!Quorvane::SaveConfig(kCompanyName, config))
        throw driver::DriverError(L"the settings cannot be saved");
}

driver::PageWindow BookkeeperRun::StartAtSummary(const std::wstring& faults)
{
    driver::EnvironmentAdditions environment = {
        {L"QBSIM_COMPANY", m_companyFile}, {L"QBSIM_TRACE", m_traceFile}, {L"QBSIM_FAULTS", faults}};
    m_program.reset(new driver::Program(WinePath(PELLWORTH_EXE), environment));
    driver::PageWindow window = m_program->MainWindow(kLoadTimeoutMs);
    window.WaitShown(L"#TTSummary", kLoadTimeoutMs);
    return window;
}

void BookkeeperRun::SelectAllEmployees(driver::PageWindow& window)
{
    window.Click(L"#idEmployeeAll");
    window.WaitState(L"#import", L"disabled", false);
}

void BookkeeperRun::Reload(driver::PageWindow& window)
{
    window.Click(L"#ReloadData");
    window.WaitShown(L"#LoadingView");
    window.WaitShown(L"#TTSummary", kLoadTimeoutMs);
}

std::wstring BookkeeperRun::WaitErrorPanel(driver::PageWindow& window)
{
    window.WaitShown(L"#ErrorBodyDialog", kLoadTimeoutMs);
    return window.Text(L"#idErrorDialogTitle");
}

void BookkeeperRun::CloseErrorPanel(driver::PageWindow& window)
{
    window.Click(L"#idErrorDialogCloseButton");
    window.WaitHidden(L"#ErrorBodyDialog");
}

QbSim::Json BookkeeperRun::Company() const
{
    return QbSim::Json::Parse(ReadText(m_companyFile));
}

std::vector<std::wstring> BookkeeperRun::Trace() const
{
    std::vector<std::wstring> lines;
    const std::wstring text = ReadText(m_traceFile);
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::wstring> BookkeeperRun::TimeEntryWrites() const
{
    std::vector<std::wstring> writes;
    for (const std::wstring& line : Trace()) {
        const bool write = line.find(L" TimeTrackingAdd:") != std::wstring::npos ||
                           line.find(L" TimeTrackingMod:") != std::wstring::npos ||
                           line.find(L" TxnDel:") != std::wstring::npos;
        if (write && line.find(L"EntityRef.ListID=\"0\"") == std::wstring::npos)
            writes.push_back(line);
    }
    return writes;
}

void BookkeeperRun::BillEntry(const std::wstring& txnId)
{
    QbSim::RegisteredSimulator& simulator = RegisteredQuickBooks::Simulator();
    simulator.UseCompanyFile(m_companyFile);
    const bool billed = simulator.Edit(L"TimeEntries", txnId, L"{\"BillableStatus\":2}");
    simulator.UseCompanyFile(L"");
    if (!billed)
        throw driver::DriverError(L"the company has no time entry " + txnId);
}

std::vector<std::wstring> BookkeeperRun::ImportLogs() const
{
    std::vector<std::wstring> logs = FilesIn(ImportLogFolder());
    std::sort(logs.begin(), logs.end());
    return logs;
}

std::wstring BookkeeperRun::ReadText(const std::wstring& path)
{
    std::string bytes;
    if (Quorvane::ReadFileContents(path, 64u << 20, bytes) != Quorvane::FileRead)
        return std::wstring();
    Quorvane::Utf8ToWide text(bytes.data(), static_cast<int>(bytes.size()));
    return std::wstring(text.c_str(), text.size());
}

HeldCompany::HeldCompany(const std::wstring& companyFile)
    : m_mutex(CreateMutexW(nullptr, FALSE, QbSim::CompanyFileLockName(companyFile).c_str())),
      m_held(WaitForSingleObject(m_mutex, 30000) == WAIT_OBJECT_0)
{
    if (!m_held)
        throw driver::DriverError(L"the company file stays locked");
}

HeldCompany::~HeldCompany()
{
    Release();
    CloseHandle(m_mutex);
}

void HeldCompany::Release()
{
    if (m_held)
        ReleaseMutex(m_mutex);
    m_held = false;
}

}  // namespace faults
