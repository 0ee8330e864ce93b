// How long the window takes to answer while the program loads a large company: the real view,
// controller and model, the demo server's generated company and the registered simulator.
#include "SummaryFigures.h"

#include <algorithm>
#include <string>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "UiDriver.h"
#include "app/Application.h"
#include "bench/Clock.h"
#include "core/CompanyConfig.h"
#include "core/Config.h"
#include "core/KnownFolders.h"
#include "tools/qbsim/RegisteredSimulator.h"
#include "ui/main/MainView.h"
#include "ui/main/SummaryTable.h"

using namespace Quorvane;
using htmlayout::dom::element;

namespace {

std::wstring BenchFolder(KnownFolder folder)
{
    wchar_t path[MAX_PATH + 64];
    DWORD length = GetTempPathW(MAX_PATH, path);
    swprintf(path + length, 64, L"pellworth-window-bench-%lu\\%ls", GetCurrentProcessId(),
             folder == CommonDocumentsFolder ? L"documents" : L"appdata");
    return path;
}

const int kGeneratedUsers = 200;

void AddRule(MappingCollection& rules, const std::wstring& source, int state)
{
    boost::shared_ptr<Mapping> rule(new Mapping());
    rule->SetSource(source);
    rule->SetTarget(L"", state);
    rules.Add(rule);
}

// The generated company logs in as user1; its days start on 2024-01-01. Every user is to
// become a new QuickBooks employee, so the load builds the whole preview.
boost::shared_ptr<Config> GeneratedCompanySettings(const wchar_t* serverUrl)
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = serverUrl;
    options.userName = L"user1";
    options.password = L"secret";
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    config->SetMappingType(2);
    config->SetServiceItemAccount(L"A-INC");
    config->SetImportLeaveType(false);
    DateRange period;
    period.SetStart(DateTime(1, 1, 2024));
    period.SetEnd(DateTime(31, 1, 2024));
    config->SetPeriod(period);
    for (int user = 1; user <= kGeneratedUsers; ++user) {
        AddRule(*config->GetEmployeeMappings(), std::to_wstring(user), 4);
        AddRule(*config->GetPayrollTypeMappings(), std::to_wstring(user), 5);
    }
    return config;
}

// The view that ended the load, or null while it runs.
const char* EndOfLoad(MainView& view)
{
    element root = element::root_element(view.GetHwnd());
    for (const char* id : { "TTSummary", "mappingProblem", "QBProblemView", "SiteWasChanged", "bodydialog" })
        if (root.get_element_by_id(id).get_state() & STATE_EXPANDED)
            return id;
    return nullptr;
}

// The UI thread's longest task while `running` holds: it answers a message only between its
// tasks (posted calls run as APCs between messages), so the longest wait for an answer to a
// message sent every millisecond is the longest task, to about a millisecond.
class LongestTask {
public:
    explicit LongestTask(HWND window) : m_window(window), m_probe([this] { Probe(); }) {}
    ~LongestTask() { Stop(); }
    double Stop()
    {
        m_running = false;
        if (m_probe.joinable())
            m_probe.join();
        return m_longest;
    }

private:
    void Probe()
    {
        while (m_running) {
            double sent = Bench::Seconds();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            m_longest = std::max(m_longest, Bench::Seconds() - sent);
            Sleep(1);
        }
    }

    HWND m_window;
    std::atomic<bool> m_running { true };
    double m_longest = 0;
    std::thread m_probe;
};

}  // namespace

bool MeasureResponsiveness(const wchar_t* serverUrl)
{
    QbSim::RegisteredSimulator simulator;
    simulator.Seed(L"{\"CompanyName\":\"Sim Co\",\"Preferences\":{\"TimeTrackingEnabled\":true,"
                   L"\"CurrentAppAccessRights\":{\"IsPersonalDataAccessAllowed\":true}},"
                   L"\"Accounts\":[{\"ListID\":\"A-INC\",\"Name\":\"Income\",\"AccountType\":8}]}");
    SetKnownFolderProvider(&BenchFolder);
    if (!SaveConfig(L"Sim Co", GeneratedCompanySettings(serverUrl))) {
        std::printf("window bench: cannot write the settings file\n");
        return false;
    }
    boost::shared_ptr<MainView> view(new MainView());
    view->InitInstance(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    UiDriver driver;
    std::vector<double> answers;
    double loadSeconds = -1;
    const char* endedWith = nullptr;
    double prepareSeconds = -1, showSeconds = -1, paintSeconds = -1;
    double longestTask = -1;
    bool ended = driver.RunWhile(
        [&] { RunApplication(view); },
        [&] {
            double start = Bench::Seconds();
            LongestTask tasks(view->GetHwnd());
            for (int probe = 0; !endedWith && Bench::Seconds() - start < 120; ++probe) {
                double sent = Bench::Seconds();
                DWORD_PTR result = 0;
                SendMessageTimeoutW(view->GetHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(450, 300), SMTO_NORMAL, 5000, &result);
                answers.push_back(Bench::Seconds() - sent);
                if (probe % 10 == 0)
                    driver.OnUiThread([&] { endedWith = EndOfLoad(*view); });
                Sleep(10);
            }
            loadSeconds = Bench::Seconds() - start;
            Sleep(500);  // the paint after the summary's refresh counts too
            longestTask = tasks.Stop();
            // As the load ends: worked out on this thread, shown and painted on the window's.
            double prepareStart = Bench::Seconds();
            boost::shared_ptr<PreparedSummary> prepared = view->PrepareSummary(view->GetModel());
            prepareSeconds = Bench::Seconds() - prepareStart;
            driver.OnUiThread([&] {
                double showStart = Bench::Seconds();
                view->ShowPreparedSummary(prepared);
                showSeconds = Bench::Seconds() - showStart;
                double paintStart = Bench::Seconds();
                RedrawWindow(view->GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                paintSeconds = Bench::Seconds() - paintStart;
            });
            PostMessageW(view->GetHwnd(), WM_CLOSE, 0, 0);
        },
        180000);
    SetKnownFolderProvider(nullptr);
    if (!ended || !endedWith || std::string(endedWith) != "TTSummary") {
        std::printf("window bench: the load did not end with the summary (%s)\n",
                    endedWith ? endedWith : "still loading");
        return false;
    }
    std::sort(answers.begin(), answers.end());
    std::printf("while a load of %.1f s ran, the window answered %u mouse moves: median %.1f ms, "
                "99th percentile %.1f ms, longest %.1f ms\n",
                loadSeconds, static_cast<unsigned>(answers.size()), answers[answers.size() / 2] * 1000,
                answers[answers.size() * 99 / 100] * 1000, answers.back() * 1000);
    std::printf("the longest task of the window's thread while the load ran: %.1f ms\n", longestTask * 1000);
    std::printf("the summary it ends with (%d employees): worked out by the load in %.1f ms; on the window's "
                "thread shown in %.1f ms and painted in %.1f ms\n",
                kGeneratedUsers, prepareSeconds * 1000, showSeconds * 1000, paintSeconds * 1000);
    return true;
}
