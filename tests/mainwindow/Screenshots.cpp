// Draws the main window in each of its states, as the controller leaves it, into PNG files:
//     mainwindow_screenshots.exe FOLDER
// The company is made up: twenty employees, some new in QuickBooks, some unchanged.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "HandBuiltPreviewCompany.h"
#include "app/LoadMessages.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tools/pageshot/PngFile.h"
#include "ui/toolkit/Element.h"
#include "ui/main/MainView.h"
#include "ui/main/NullNotification.h"

using namespace Quorvane;

namespace {

const wchar_t* const kNames[][2] = { { L"Ana", L"Ruiz" },        { L"Ben", L"Okafor" },      { L"Carla", L"Mendes" },
                                     { L"Dmitri", L"Volkov" },   { L"Ellen", L"Park" },      { L"Farid", L"Haddad" },
                                     { L"Grace", L"Whitfield" }, { L"Hugo", L"Brandt" },     { L"Mei", L"Lin" },
                                     { L"Noah", L"Fischer" },    { L"Priya", L"Natarajan" }, { L"Rosa", L"Delgado" },
                                     { L"Sam", L"Kowalski" },    { L"Tom", L"O'Hara" },      { L"Uma", L"Reddy" },
                                     { L"Victor", L"Hale" },     { L"Wen", L"Zhao" },        { L"Xavier", L"Moreau" },
                                     { L"Yara", L"Haddad" },     { L"Zoe", L"Brennan" } };

void Pump(DWORD milliseconds)
{
    DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// Keeps the selection as the controller does; everything else is ignored.
class SelectingNotification : public NullNotification {
public:
    explicit SelectingNotification(const boost::shared_ptr<Config>& config) : m_config(config) {}
    void SelectEmployee(const std::wstring& id, bool selected) override
    {
        if (selected)
            m_config->GetSelectedEmployees()->insert(id);
        else
            m_config->GetSelectedEmployees()->erase(id);
    }

private:
    boost::shared_ptr<Config> m_config;
};

void CALLBACK Save(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID path)
{
    pageshot::WritePng(*static_cast<std::wstring*>(path), pixels, width, height, stride);
}

class Shots {
public:
    explicit Shots(const std::wstring& folder) : m_folder(folder)
    {
        BuildCompany();
        m_view->SetModel(m_company.model);
        m_view->SetNotification(boost::shared_ptr<IMainViewNotification>(new SelectingNotification(m_company.config)));
        m_view->InitInstance(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        DateRange range(15);
        m_view->SetDateRange(range);
    }
    ~Shots()
    {
        m_view->DetachFromWindow();
        DestroyWindow(m_view->GetHwnd());
        m_view->SetModel(boost::shared_ptr<MainModel>());
        m_view->SetNotification(boost::shared_ptr<IMainViewNotification>());
    }

    void Take(const wchar_t* name)
    {
        Pump(150);
        std::wstring path = m_folder + L"\\main-" + name + L".png";
        HTMLayoutTestPaintWindow(m_view->GetHwnd(), Save, &path);
        std::printf("%ls\n", path.c_str());
    }

    void All()
    {
        Loading();
        Login();
        Summary();
        NameFocused();
        DateMenu();
        DateRefused();
        Progress();
        Panels();
        Problems();
    }

private:
    void BuildCompany()
    {
        for (int i = 0; i < 20; ++i) {
            std::wstring id = std::to_wstring(100 + i);
            m_company.User(id, kNames[i][0], kNames[i][1], i == 3 || i == 12 ? 4 : Mapping::Mapped);
            int before = 2400 - 60 * (i % 5);
            int after = i % 4 == 1 ? before : before + 30 * (i % 3);
            m_company.Entry(id, i == 3 || i == 12 ? -1 : before, after);
            if (i == 4)
                m_company.Entry(id, 120, 90)->SetBilledConflict(1);
        }
        m_company.model->SetCompanyInformation(L"Brightwater Builders Ltd.");
        m_company.config->SetAutoCreationFlags(Config::CreateCustomers | Config::CreateJobs |
                                               Config::CreateServiceItems);
    }

    void Loading()
    {
        m_view->SetDataLoadProgress(L"Loading time-track from Quorvane...", 40);
        Pump(600);
        Take(L"loading");
    }

    void Login()
    {
        IMainView::ConnectionOptions options;
        options.url = L"https://brightwater.quorvane.com";
        options.userName = L"mlambert";
        m_view->ShowLoginPanel(options, L"", L"");
        Take(L"login");
        m_view->ShowLoginPanel(options, L"Cannot connect to Quorvane",
                               L"The specified username and/or password are incorrect.<br>"
                               L"Please make sure you are specifying them correctly.");
        Take(L"login-error");
        m_view->HideLoginPanel();
    }

    void Summary()
    {
        m_view->RefreshSummary();
        json::value updated(2);
        m_view->on_script_call(nullptr, "OnEmployeeSelect", 1, &updated, m_ignored);
        Take(L"summary");
    }

    // An employee's name holds the focus, as Tab leaves it on its way to the preview; then a
    // legend icon's explanation, opened by Enter.
    void NameFocused()
    {
        htmlayout::dom::element root = htmlayout::dom::element::root_element(m_view->GetHwnd());
        HTMLayoutTestSetFocus(m_view->GetHwnd(), root.find_first("#TTTotalTableBody span.employee"));
        Take(L"name-focused");
        HTMLayoutTestSetFocus(m_view->GetHwnd(), root.find_first("#legend img[iconType='1']"));
        HTMLayoutTestKeyDown(m_view->GetHwnd(), nullptr, VK_RETURN, 0);
        Take(L"legend-explanation");
        HTMLayoutTestKeyDown(m_view->GetHwnd(), nullptr, VK_ESCAPE, 0);
    }

    // The menu of ranges as the keyboard opens it (Enter on the period), one step down.
    void DateMenu()
    {
        htmlayout::dom::element root = htmlayout::dom::element::root_element(m_view->GetHwnd());
        HTMLayoutTestSetFocus(m_view->GetHwnd(), root.find_first("#cal"));
        HTMLayoutTestKeyDown(m_view->GetHwnd(), nullptr, VK_RETURN, 0);
        HTMLayoutTestKeyDown(m_view->GetHwnd(), nullptr, VK_DOWN, 0);
        Take(L"date-menu");
        HTMLayoutTestKeyDown(m_view->GetHwnd(), nullptr, VK_ESCAPE, 0);
    }

    // A start typed after the end: the loaded period stays, and a line says why.
    void DateRefused()
    {
        HWND window = m_view->GetHwnd();
        htmlayout::dom::element root = htmlayout::dom::element::root_element(window);
        HTMLayoutTestSetFocus(window, root.find_first("#dateStart"));
        HTMLayoutTestKeyDown(window, nullptr, VK_END, 0);
        for (int i = 0; i < 12; ++i)
            HTMLayoutTestKeyDown(window, nullptr, VK_BACK, 0);
        HTMLayoutTestType(window, nullptr, L"2099-01-01");
        HTMLayoutTestKeyDown(window, nullptr, VK_RETURN, 0);
        HTMLayoutTestFlushPostedEvents(window);
        Take(L"date-refused");
        m_view->SetDateRange(DateRange(15));  // as the window showed it, which also hides the line
    }

    void Progress()
    {
        m_view->ResetImportProgress();
        m_view->ShowImportProgress();
        m_view->OnImportStarted();
        m_view->SetImportedWorkingTime(14205);
        m_view->SetImportedLeaveTime(960);
        m_view->SetImportProgress(7, 12);
        m_view->SetImportComment(L"Importing data for Tom O'Hara");
        Take(L"progress");
        m_view->SetImportProgress(12, 12);
        m_view->ShowImportSucceeded();
        m_view->OnImportFinished();
        Take(L"import-finished");
        m_view->HideImportProgress();
    }

    void Panels()
    {
        m_view->ShowError(L"Cannot import data for Tom O'Hara", L"Cannot create job \"Harbour Renovation:Phase 2\"",
                          L"There is existing job item with the same name",
                          L"You may resolve this issue the following ways:<br>1. Rename the job item<br>"
                          L"2. Rename the user 'Tom O&#39;Hara' on Quorvane<br><br>After that you need to hit "
                          L"'Reload' on main Pellworth window and repeat missing items creation",
                          L"reload", 2);
        Take(L"error");
        json::value reloadMarker(L"");
        m_view->on_script_call(nullptr, "OnCloseErrorDialog", 1, &reloadMarker, m_ignored);
        m_view->OnImportStarted();
        m_view->ShowAbsentTimeTrack(true);
        Take(L"absent-entries");
        m_view->on_script_call(nullptr, "ReturnToPreview", 0, nullptr, m_ignored);
    }

    void Problems()
    {
        m_view->ShowSiteWasChanged(L"https://northwind.quorvane.com");
        Take(L"site-changed");
        m_view->ShowQuickBooksProblem(kCannotConnectCaption, kCannotConnectDescription);
        Take(L"quickbooks-problem");
        m_company.config->SetMappingType(0);
        m_company.User(L"900", L"New", L"Hire", Mapping::NotMapped);
        m_view->ShowMappingProblems();
        Take(L"mapping-problems");
    }

    std::wstring m_folder;
    HandBuiltPreviewCompany m_company;
    boost::shared_ptr<MainView> m_view { new MainView() };
    json::value m_ignored;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::printf("usage: mainwindow_screenshots.exe FOLDER\n");
        return 2;
    }
    try {
        Shots(argv[1]).All();
    } catch (const std::exception& failure) {
        std::printf("mainwindow_screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
