#pragma once
// The controller driven through its notifications, with a recording view, the QuickBooks
// simulator and a scratch folder for settings and logs.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "app/DialogRunner.h"
#include "app/MainController.h"
#include "app/MainModel.h"
#include "core/KnownFolders.h"
#include "FakeMainView.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tests/server/DemoServer.h"

typedef std::vector<std::string> Calls;

// A company with time tracking on, one employee and one payroll item.
extern const char kCompany[];

// One folder per run: the suites with and without a demo server run side by side.
std::wstring ScratchFolder(Quorvane::KnownFolder folder);

// What the controller asked the shell to open, oldest first.
extern std::vector<std::wstring> g_opened;

// Answers every dialog as the test says, and remembers the tab the settings opened on.
struct ScriptedDialogs : IDialogRunner {
    boost::shared_ptr<Quorvane::Config> RunSettings(HWND, const boost::shared_ptr<MainModel>&,
                                                    SettingsTab tab) override;
    bool RunPreview(HWND, const boost::shared_ptr<MainModel>&, const std::wstring&, bool) override
    {
        ++shown;
        return previewChanged;
    }
    bool RunMissingData(HWND, const boost::shared_ptr<MainModel>&) override
    {
        ++shown;
        return missingDataChanged;
    }

    boost::shared_ptr<Quorvane::Config> settingsResult;
    bool previewChanged = false;
    bool missingDataChanged = false;
    SettingsTab shownTab = SettingsTab::Default;
    // How many dialogs were run.
    int shown = 0;
};

class ControllerTest : public QuickBooksTest::SimulatedQuickBooks {
protected:
    void SetUp() override;
    void MakeController();
    void TearDown() override;
    // Waits for the loads to end and returns what they showed.
    Calls Settle();
    // A company as a finished load leaves it, without touching QuickBooks.
    boost::shared_ptr<Quorvane::Config> InstallSettings(const std::wstring& password);

    ScriptedDialogs m_dialogs;
    boost::shared_ptr<FakeMainView> m_view;
    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<MainController> m_controller;
};

// Loads against a demo server that the test run started beside the simulator.
class LiveLoad : public ControllerTest {
protected:
    void SetUp() override;
    // The demo login, leave not imported; mappings that pass every check (every user but Ryan
    // not imported) when `valid` is set.
    boost::shared_ptr<Quorvane::Config> DemoSettings(const wchar_t* password, bool valid,
                                                     const wchar_t* serverUuid = L"");
    // The same, stored as the company's settings.
    void StoreSettings(const wchar_t* password, bool valid, const wchar_t* serverUuid = L"");
    static Calls Progress(const Calls& shown);

    boost::shared_ptr<DemoServer> m_server;
};
