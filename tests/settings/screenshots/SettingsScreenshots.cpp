// Draws the settings dialog's tabs as a bookkeeper sees them after a load of the demo data: the
// demo server's users, leave types and terms, and the demo company's employees, payroll items
// and accounts in the QuickBooks simulator. A few choices are made on the page as a user makes
// them, so that every kind of row shows. Run by take_screenshots.sh, which starts the server.
//   settings_screenshots OUTPUT_FOLDER DEMO_COMPANY_JSON
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../../app/FakeMainView.h"
#include "../HostedSettingsDialog.h"
#include "../ScratchFolder.h"
#include "app/MainController.h"
#include "app/MainModel.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "core/TextCodec.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tests/support/PageProbe.h"
#include "tools/pageshot/PngFile.h"
#include "tools/qbsim/Control.h"
#include "ui/toolkit/Element.h"

using namespace Quorvane;
typedef htmlayout::dom::element Element;

namespace {

const wchar_t kCompanyName[] = L"Harbor Lane Builders";

std::wstring ReadFileText(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot read the demo company");
    Utf8ToWide text(bytes.str().c_str(), 0);
    return text.c_str();
}

std::wstring DemoServerAddress()
{
    wchar_t address[256] = {};
    if (!GetEnvironmentVariableW(L"PELLWORTH_DEMO_PLAIN", address, 256))
        throw std::runtime_error("PELLWORTH_DEMO_PLAIN is not set: run take_screenshots.sh");
    return address;
}

// The demo login, remembered, as a bookkeeper's first visit to the settings finds it.
void StoreDemoSettings()
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = DemoServerAddress();
    options.userName = L"JSmith";
    options.password = L"secret";
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    config->SetImportLeaveType(true);
    if (!SaveConfig(kCompanyName, config))
        throw std::runtime_error("cannot store the demo settings");
}

boost::shared_ptr<MainModel> LoadDemoData()
{
    boost::shared_ptr<MainModel> model(new MainModel());
    boost::shared_ptr<FakeMainView> view(new FakeMainView());
    boost::shared_ptr<MainController> controller(new MainController(view, model));
    controller->LoadData();
    if (!controller->WaitForLoadIdle(60000) || !model->GetServerEmployees()->Count())
        throw std::runtime_error("the demo load did not finish");
    controller->ReleaseViewAndModel();
    return model;
}

struct Shot {
    std::wstring path;
    std::string failure;
};

void CALLBACK SavePixels(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID param)
{
    Shot* shot = static_cast<Shot*>(param);
    try {
        pageshot::WritePng(shot->path, pixels, width, height, stride);
    } catch (const std::exception& failure) {
        shot->failure = failure.what();
    }
}

class Tour {
public:
    Tour(HWND window, const std::wstring& folder) : m_window(window), m_folder(folder) {}

    Element Find(const char* selector) const
    {
        Element found = PageProbe(m_window).FirstMatch(selector);
        if (!found.is_valid())
            throw std::runtime_error(std::string("nothing matches ") + selector);
        return found;
    }
    void Click(const char* selector)
    {
        HTMLayoutTestClick(Find(selector), 0);
        Settle();
    }
    void Choose(const char* select, UINT index)
    {
        HTMLayoutTestSetFocus(m_window, Find(select));
        HTMLayoutTestChooseOption(Find(select), index, 0);
        Settle();
    }
    void Take(const wchar_t* name)
    {
        Shot shot = { m_folder + L"\\" + name, std::string() };
        if (HTMLayoutTestPaintWindow(m_window, SavePixels, &shot) != ENGINE_OK || !shot.failure.empty())
            throw std::runtime_error("cannot write a screenshot: " + shot.failure);
        std::printf("%ls\n", shot.path.c_str());
    }

private:
    void Settle()
    {
        HTMLayoutTestFlushPostedEvents(m_window);
        MSG message;
        for (int round = 0; round < 5; ++round) {
            while (PeekMessageW(&message, 0, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(10);
        }
    }

    HWND m_window;
    std::wstring m_folder;
};

void TakeEveryTab(Tour& tour)
{
    tour.Choose("#mappingType", 2);  // clients and projects
    tour.Choose("#serviceItemAccount", 2);
    tour.Click("[name='ServiceItemGroup'][value='1']");
    tour.Take(L"settings-import.png");

    tour.Click(".settingsStrip > [panel=idEmployeeMapping_Tab]");
    tour.Choose("#mappingTable tr.datarow:nth-child(3) select", 1);  // a new employee
    tour.Choose("#mappingTable tr.datarow:nth-child(4) select", 2);  // do not import
    tour.Take(L"settings-employee-mapping.png");
    tour.Click("#mappingTable tr.datarow:nth-child(5) select");
    tour.Take(L"settings-employee-mapping-choices.png");
    tour.Click("#mappingTable tr.datarow:nth-child(5) select");

    tour.Click(".settingsStrip > [panel=idLeaveTimeAndPayroll_Tab]");
    tour.Choose("#leaveTypeMapping tr:nth-child(2) select", 3);
    tour.Choose("#leaveTypeMapping tr:nth-child(5) select", 1);  // do not import
    tour.Take(L"settings-leave-time.png");
    tour.Click("#lv-panel-id2");
    tour.Take(L"settings-working-time.png");

    tour.Click(".settingsStrip > [panel=idAutoCreation_Tab]");
    tour.Take(L"settings-auto-creation.png");
    tour.Click(".settingsStrip > [panel=idQuorvane_Tab]");
    tour.Take(L"settings-quorvane.png");
}

void Run(const std::wstring& folder, const std::wstring& companyFile)
{
    SetKnownFolderProvider(&ScratchFolder);
    QbSim::Control::Reset();
    QbSim::Control::Seed(ReadFileText(companyFile));
    Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
    StoreDemoSettings();
    const boost::shared_ptr<MainModel> model = LoadDemoData();
    HostedSettingsDialog dialog(model);
    if (!dialog.Open(true))
        throw std::runtime_error("cannot open the settings dialog");
    Tour tour(dialog.Window(), folder);
    TakeEveryTab(tour);
}

}  // namespace

int main()
{
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 3) {
        std::fprintf(stderr, "usage: settings_screenshots OUTPUT_FOLDER DEMO_COMPANY_JSON\n");
        return 2;
    }
    try {
        Run(argv[1], argv[2]);
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "settings_screenshots: %s\n", failure.what());
        return 1;
    }
}
