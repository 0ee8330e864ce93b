// The panels, the import progress and the loading view, as the controller drives them.
#include "MainPageFixture.h"

namespace {

class Panels : public MainPageTest {};

TEST_F(Panels, ShowViewExpandsOneSubViewAndSetsTheScrollClass)
{
    const char* const subViews[] = { "#TTSummary", "#mappingProblem", "#LoadingView", "#QBProblemView",
                                     "#SiteWasChanged" };
    struct Case {
        int view;
        int shown;  // index into subViews, -1 none
        const wchar_t* viewAreaClass;
    };
    const Case cases[] = { { 1, 0, L"noscroll" }, { 2, 1, L"scroll" }, { 3, 2, L"scroll" },
                           { 4, 3, L"scroll" },   { 5, 4, L"scroll" }, { 0, -1, L"scroll" } };
    for (const Case& c : cases) {
        switch (c.view) {
        case 1: view->RefreshSummary(); break;
        case 2: view->ShowMappingProblems(); break;
        case 3: view->SetDataLoadProgress(L"Loading", 0); break;
        case 4: view->ShowQuickBooksProblem(L"Problem", L"Text"); break;
        case 5: view->ShowSiteWasChanged(L"https://new.example"); break;
        default: view->ShowError(L"t", L"", L"", L"", L"", 0); continue;
        }
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(i == c.shown, IsShown(subViews[i])) << c.view << " " << subViews[i];
            EXPECT_EQ(i != c.shown, page.HasState(subViews[i], STATE_COLLAPSED)) << c.view << " " << subViews[i];
        }
        EXPECT_EQ(c.viewAreaClass, page.Attribute("#viewArea", "class")) << c.view;
    }
}

TEST_F(Panels, LoginPanelShowsTheRequestOrTheMessages)
{
    struct Case {
        const wchar_t* caption;
        const wchar_t* error;
        bool request;
    };
    const Case cases[] = { { L"", L"", true }, { L"Cannot connect", L"", false }, { L"", L"<b>Wrong</b>", false } };
    for (const Case& c : cases) {
        view->ShowLoginPanel(IMainView::ConnectionOptions(), c.caption, c.error);
        EXPECT_TRUE(IsShown("#bodydialog"));
        EXPECT_TRUE(IsDisabled("#cal"));
        EXPECT_EQ(c.request, IsShown("#LoginDialog_Caption"));
        EXPECT_EQ(!c.request, IsShown("#LoginDialog_ErrorCaption"));
        EXPECT_EQ(!c.request, IsShown("#LoginDialog_ErrorMessage"));
        EXPECT_EQ(c.caption, page.Text("#LoginDialog_ErrorCaption"));
    }
    EXPECT_EQ(L"<b>Wrong</b>", page.Html("#LoginDialog_ErrorMessage"));
    view->HideLoginPanel();
    EXPECT_FALSE(IsShown("#bodydialog"));
    EXPECT_FALSE(IsDisabled("#cal"));
}

TEST_F(Panels, LoginFieldsRememberOnlyAPasswordAndLoseOneTrailingSlash)
{
    struct Case {
        const wchar_t* url;
        const wchar_t* password;
        bool remember;
        const char* connect;
    };
    const Case cases[] = {
        { L"https://a.example", L"pw", true, "Connect https://a.example jo pw remember login" },
        { L"https://a.example/", L"", true, "Connect https://a.example jo  forget login" },
        { L"https://a.example//", L"pw", false, "Connect https://a.example/ jo pw forget login" },
        { L"", L"pw", true, "Connect  jo pw remember login" },
    };
    for (const Case& c : cases) {
        IMainView::ConnectionOptions options;
        options.url = c.url;
        options.userName = L"jo";
        options.password = c.password;
        options.rememberPassword = c.remember;
        view->ShowLoginPanel(options, L"", L"");
        EXPECT_EQ(L"Connect to Quorvane", page.Text("#loginDialog_Connect"));
        EXPECT_FALSE(IsDisabled("#loginDialog_Connect"));
        page.Click("#loginDialog_Connect");
        EXPECT_EQ(std::vector<std::string> { c.connect }, TakeCalls()) << Narrow(c.url);
        EXPECT_EQ(L"Connecting\u2026", page.Text("#loginDialog_Connect"));
        EXPECT_TRUE(IsDisabled("#loginDialog_Connect"));
    }
}

TEST_F(Panels, QuickBooksProblemTurnsEveryRetryIntoAButtonAndTakesTheLoginPanelAway)
{
    view->ShowLoginPanel(IMainView::ConnectionOptions(), L"", L"");
    struct Case {
        const wchar_t* description;
        size_t buttons;
    };
    const Case cases[] = { { L"No QuickBooks.", 0 },
                           { L"Start QuickBooks. [Retry]", 1 },
                           { L"[Retry] or [Retry]", 2 } };
    for (const Case& c : cases) {
        view->ShowQuickBooksProblem(L"QuickBooks is not running", c.description);
        EXPECT_EQ(c.buttons, page.FindAll("#QBProblemDescription button#QBProblemRetry").size());
        EXPECT_EQ(L"QuickBooks is not running", page.Text("#QBProblemCaption"));
    }
    EXPECT_FALSE(IsShown("#bodydialog"));
    for (const char* button : { "#Settings", "#ImportHistory", "#Missingdata", "#import" })
        EXPECT_TRUE(IsDisabled(button)) << button;
    page.Click("#QBProblemRetry");
    EXPECT_EQ(std::vector<std::string> { "ReloadData" }, TakeCalls());
}

TEST_F(Panels, ErrorPanelShowsItsButtonsAndKeepsTheTextOfAnEmptyRow)
{
    struct Case {
        int buttons;
        const wchar_t* detail;
        const wchar_t* log;
    };
    const Case cases[] = { { 0, L"none", L"none" }, { 1, L"inline-block", L"none" }, { 2, L"none", L"inline-block" } };
    for (const Case& c : cases) {
        view->ShowError(L"Cannot import", L"<i>p</i>", L"r", L"f", L"reload", c.buttons);
        EXPECT_EQ(c.detail, page.Style("#idErrorDialogViewDetailedInfoButton", "display")) << c.buttons;
        EXPECT_EQ(c.log, page.Style("#idErrorDialogViewLogButton", "display")) << c.buttons;
    }
    EXPECT_TRUE(IsShown("#ErrorBodyDialog"));
    EXPECT_EQ(L"reload", page.Attribute("#ErrorBodyDialog", "customvalue"));
    view->ShowError(L"O'Hara & <Co>", L"", L"Reason", L"", L"", 0);
    EXPECT_EQ(L"O'Hara & <Co>", page.Text("#idErrorDialogTitle"));
    EXPECT_TRUE(page.HasState("#idErrorDialogProblem", STATE_COLLAPSED));
    EXPECT_EQ(L"<i>p</i>", page.Html("#idErrorDialogProblemText"));
    EXPECT_TRUE(IsShown("#idErrorDialogReason"));
    EXPECT_TRUE(page.HasState("#idErrorDialogFurtherActions", STATE_COLLAPSED));
    page.Click("#idErrorDialogCloseButton");
    EXPECT_FALSE(IsShown("#ErrorBodyDialog"));
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(Panels, ImportProgressShowsTruncatedPercentagesAndLocksStopForTheLastEmployee)
{
    struct Case {
        int done, total, percent;
        const wchar_t* text;
        bool stopEnabled;
    };
    const Case cases[] = { { 0, 4, 0, L"0 of 4 selected employees", true },
                           { 1, 3, 33, L"1 of 3 selected employees", true },
                           { 29, 100, 29, L"29 of 100 selected employees", true },
                           { 3, 4, 75, L"3 of 4 selected employees", false },
                           { 0, 0, 0, L"0 of 0 selected employees", true } };
    for (const Case& c : cases) {
        view->ResetImportProgress();
        view->SetImportProgress(c.done, c.total);
        EXPECT_EQ(c.percent, json::value(htmlayout::dom::element(page.Find("#importProgress")).get_value()).get_int(-1))
            << c.done << "/" << c.total;
        EXPECT_EQ(c.text, page.Text("#idDataImportedFor"));
        EXPECT_EQ(c.stopEnabled, page.Attribute("#idStopImportButton", "disabled") == L"(none)");
    }
    view->SetImportedWorkingTime(90);
    view->SetImportedLeaveTime(480);
    EXPECT_EQ(L" 1h 30min", page.Text("#idWorkingTime"));
    EXPECT_EQ(L" 8h 0min", page.Text("#idLeaveTime"));
}

TEST_F(Panels, AResetAfterAFailureShowsTheImportingStateAgain)
{
    view->ResetImportProgress();
    view->ShowImportProgress();
    view->SetImportComment(L"Importing data for O'Hara & Co");
    EXPECT_EQ(L"Importing data for O'Hara & Co", page.Text("#idProgressComment"));
    view->SetImportProgress(3, 4);
    view->ShowImportFailed(L"QuickBooks refused <it>");
    EXPECT_TRUE(IsShown("#idCompletedWithErrorState"));
    EXPECT_FALSE(IsShown("#idImportingState"));
    EXPECT_EQ(L"QuickBooks refused <it>", page.Text("#ImportDialog_ErrorMessage"));
    EXPECT_EQ(L"Import Completed", page.Text("#ProgressDialog_Caption"));
    EXPECT_EQ(L"", page.Text("#idProgressComment"));

    view->ResetImportProgress();
    EXPECT_TRUE(IsShown("#idImportingState"));
    EXPECT_FALSE(IsShown("#idCompletedWithErrorState"));
    EXPECT_FALSE(IsShown("#idCompletedSuccessfullyState"));
    EXPECT_EQ(L"", page.Text("#ImportDialog_ErrorMessage"));
    EXPECT_EQ(L"(none)", page.Attribute("#idStopImportButton", "disabled"));
    EXPECT_EQ(L"0h 00min", page.Text("#idWorkingTime"));
    EXPECT_EQ(L"None", page.Text("#idDataImportedFor"));
    EXPECT_EQ(L"Importing Data from Quorvane to QuickBooks", page.Text("#ProgressDialog_Caption"));

    view->ShowImportSucceeded();
    EXPECT_TRUE(IsShown("#idCompletedSuccessfullyState"));
    page.Click("#idCompletedSuccessfullyState button.closeButton");
    EXPECT_FALSE(IsShown("#ProgressBodyDialog"));
}

TEST_F(Panels, LoadingViewSetsTheBarAtOnceOrAnimatesItAndDisablesTheToolbar)
{
    view->SetDataLoadProgress(L"Finishing...", 100);
    EXPECT_EQ(L"100", page.Attribute("#dataLoadProgress", "requested-value"));
    view->SetDataLoadProgress(L"Preparing...", 0);
    EXPECT_EQ(L"(none)", page.Attribute("#dataLoadProgress", "requested-value"));
    EXPECT_EQ(L"0", page.Attribute("#dataLoadProgress", "value"));
    view->SetDataLoadProgress(L"Loading employees", 40);
    EXPECT_EQ(L"Loading employees", page.Text("#dataLoadCaption"));
    EXPECT_EQ(L"40%", page.Text("#progressValue"));
    EXPECT_TRUE(IsShown("#LoadingView"));
    for (const char* button : { "#Settings", "#ImportHistory", "#Missingdata", "#import" })
        EXPECT_TRUE(IsDisabled(button)) << button;
    // The page's animation climbs by 3 every 20 ms and stops at the target.
    for (int i = 0; i < 60 && page.Attribute("#dataLoadProgress", "requested-value") != L"(none)"; ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    EXPECT_EQ(L"(none)", page.Attribute("#dataLoadProgress", "requested-value"));
    EXPECT_EQ(40, htmlayout::dom::element(page.Find("#dataLoadProgress")).get_value().get_int(-1));
}

TEST_F(Panels, TheImportButtonFollowsTheSelectionAndARunningImport)
{
    Call("UpdateTotal");
    EXPECT_TRUE(IsDisabled("#import"));
    EXPECT_EQ(L"Please select at least one user to proceed", page.Attribute("#import", "title"));
    company.config->GetSelectedEmployees()->insert(L"7");
    Call("UpdateTotal");
    EXPECT_FALSE(IsDisabled("#import"));
    EXPECT_EQ(L"Click to start import for selected users", page.Attribute("#import", "title"));
    view->OnImportStarted();
    EXPECT_TRUE(IsDisabled("#import"));
    Call("UpdateTotal");
    EXPECT_TRUE(IsDisabled("#import"));
    view->OnImportFinished();
    EXPECT_FALSE(IsDisabled("#import"));
}

}  // namespace
