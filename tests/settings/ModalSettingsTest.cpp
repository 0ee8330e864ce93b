// The dialog run modally in a real window under Xvfb, as the controller runs it: mouse and keys
// reach it as window messages, and only "Save Settings" hands the edited settings back. Through
// the controller, the model then holds them and the company's settings file has them.
#include <gtest/gtest.h>

#include <functional>

#include "../app/FakeMainView.h"
#include "../app/TestCompany.h"
#include "ScratchFolder.h"
#include "app/MainController.h"
#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "core/Mapping.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/support/PageProbe.h"
#include "ui/dialogs/settings/EmployeeMappingTab.h"
#include "ui/dialogs/settings/RunSettingsDialog.h"

using namespace Quorvane;
typedef htmlayout::dom::element Element;

namespace {

const wchar_t kCaption[] = L"Quorvane Pellworth - Settings";

// Acts on the dialog once it shows, from a timer of this thread: the modal loop dispatches it.
std::function<void(HWND)> g_act;
int g_ticks;
UINT_PTR g_watchdog;

BOOL CALLBACK TakeSettingsWindow(HWND window, LPARAM found)
{
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (!IsWindowVisible(window) || wcscmp(caption, kCaption) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// A dialog that has not closed a few seconds after the act is closed by force.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = 0;
    EnumThreadWindows(GetCurrentThreadId(), &TakeSettingsWindow, reinterpret_cast<LPARAM>(&dialog));
    if (dialog || ++g_ticks > 100) {
        KillTimer(0, timer);
        if (dialog) {
            ADD_FAILURE() << "the dialog did not close";
            DestroyWindow(dialog);
        }
    }
}

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = 0;
    EnumThreadWindows(GetCurrentThreadId(), &TakeSettingsWindow, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog && ++g_ticks < 200)
        return;
    KillTimer(0, timer);
    g_ticks = 0;
    g_watchdog = SetTimer(0, 0, 5000, &Watchdog);
    if (dialog)
        g_act(dialog);
}

void WhenShown(const std::function<void(HWND)>& act)
{
    g_act = act;
    g_ticks = 0;
    SetTimer(0, 0, 20, &ActOnDialog);
}

// A second step, once the first one's messages have been handled.
std::function<void()> g_then;

void CALLBACK RunThen(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(0, timer);
    g_then();
}

void Then(const std::function<void()>& step)
{
    g_then = step;
    SetTimer(0, 0, 100, &RunThen);
}

void StopWatching()
{
    KillTimer(0, g_watchdog);
    g_watchdog = 0;
}

// A press and release of the left button at the middle of the element.
void ClickWithMouse(HWND dialog, const char* selector)
{
    const RECT box = PageProbe(dialog).FirstMatch(selector).get_location(LOCATION_VIEW_BORDER_BOX);
    const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    PostMessageW(dialog, WM_MOUSEMOVE, 0, at);
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(dialog, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND dialog, UINT key)
{
    PostMessageW(dialog, WM_KEYDOWN, key, 0);
    PostMessageW(dialog, WM_KEYUP, key, 0xC0000001);
}

// The user changes the mapping type, then ends the dialog as `end` does.
std::function<void(HWND)> ChangeThen(const std::function<void(HWND)>& end)
{
    return [end](HWND dialog) {
        HTMLayoutTestChooseOption(PageProbe(dialog).FirstMatch("#mappingType"), 0, L"3");
        end(dialog);
    };
}

class ModalSettings : public ::testing::Test {
protected:
    void SetUp() override { company.config->SetMappingType(2); }
    boost::shared_ptr<Config> Run(const std::function<void(HWND)>& act)
    {
        WhenShown(act);
        const boost::shared_ptr<Config> edited = RunSettingsDialog(0, company.model, SettingsTab::Default);
        StopWatching();
        return edited;
    }
    TestCompany company;
};

TEST_F(ModalSettings, OnlySaveSettingsHandsTheEditedSettingsBack)
{
    const boost::shared_ptr<Config> saved = Run(ChangeThen([](HWND dialog) { ClickWithMouse(dialog, "#Save"); }));
    ASSERT_TRUE(saved);
    EXPECT_EQ(3, saved->GetMappingType());
    EXPECT_EQ(2, company.config->GetMappingType());

    const struct {
        const char* what;
        std::function<void(HWND)> end;
    } otherEndings[] = {
        { "Cancel", [](HWND dialog) { ClickWithMouse(dialog, "#cancel"); } },
        { "Escape", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); } },
        { "the close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); } },
    };
    for (const auto& ending : otherEndings) {
        EXPECT_FALSE(Run(ChangeThen(ending.end))) << ending.what;
        EXPECT_EQ(2, company.config->GetMappingType()) << ending.what;
    }
}

TEST_F(ModalSettings, OpensWithTheFocusOnTheFirstControlOfItsTab)
{
    bool focused = false;
    Run([&focused](HWND dialog) {
        focused = PageProbe(dialog).HasState("#mappingType", STATE_FOCUS);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(focused);
}

TEST_F(ModalSettings, ARowSelectClickedWithTheMouseOffersEveryFreeEmployee)
{
    company.AddServerUser(L"1", L"Ann", L"Ash");
    company.MapEmployee(L"1", L"", Mapping::NotMapped);
    company.MapPayroll(L"1", L"", Mapping::NotMapped);
    company.AddQuickBooksEmployee(L"Q-1", L"Bea", L"Birch");
    std::wstring offered;
    bool openedOnMappings = false;
    WhenShown([&offered, &openedOnMappings](HWND dialog) {
        const std::string panel = "div[name=" + EmployeeMappingTab().GetId() + "]";
        openedOnMappings = PageProbe(dialog).HasState(panel, STATE_EXPANDED);
        ClickWithMouse(dialog, "#mappingTable select");
        Then([dialog, &offered] {
            std::vector<Element> options;
            PageProbe(dialog).FirstMatch("#mappingTable select").find_all(&options, "option");
            for (const Element& option : options)
                offered += TextOf(option) + L"|";
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
    });
    EXPECT_FALSE(RunSettingsDialog(0, company.model, SettingsTab::EmployeeMapping));
    StopWatching();
    EXPECT_TRUE(openedOnMappings);
    EXPECT_EQ(L"--please select--|--new-- (Ann  Ash)|--do not import--|Bea Birch|", offered);
}

// The program's runner, as the lead wires it: the settings dialog for real, nothing else.
struct SettingsOnly : IDialogRunner {
    boost::shared_ptr<Config> RunSettings(HWND owner, const boost::shared_ptr<MainModel>& model,
                                          SettingsTab tab) override
    {
        return RunSettingsDialog(owner, model, tab);
    }
    bool RunPreview(HWND, const boost::shared_ptr<MainModel>&, const std::wstring&, bool) override { return false; }
    bool RunMissingData(HWND, const boost::shared_ptr<MainModel>&) override { return false; }
};

TEST(SettingsThroughTheController, SavedSettingsAreInstalledAndWrittenToTheCompanysFile)
{
    SetKnownFolderProvider(&ScratchFolder);
    SettingsOnly runner;
    SetDialogRunner(&runner);
    TestCompany company;
    company.config->SetMappingType(2);
    company.model->SetCompanyInformation(L"Settings Co");
    DeleteFileW(GetConfigFilePath(L"Settings Co").c_str());
    boost::shared_ptr<FakeMainView> view(new FakeMainView());
    boost::shared_ptr<MainController> controller(new MainController(view, company.model));

    WhenShown(ChangeThen([](HWND dialog) { ClickWithMouse(dialog, "#Save"); }));
    controller->OpenSettings();
    StopWatching();
    EXPECT_NE(company.config, company.model->GetConfig());
    EXPECT_EQ(3, company.model->GetConfig()->GetMappingType());
    boost::shared_ptr<Config> stored(new Config());
    EXPECT_TRUE(LoadConfig(L"Settings Co", stored));
    EXPECT_EQ(3, stored->GetMappingType());

    EXPECT_TRUE(controller->WaitForLoadIdle(20000));
    controller->ReleaseViewAndModel();
    SetDialogRunner(0);
    SetKnownFolderProvider(0);
}

}  // namespace
