// The page "DEFAULT" as the code and the page's rules rely on it.

#include "MainPageFixture.h"

namespace {

const char* const kIds[] = { "Settings",
                             "ImportHistory",
                             "ReloadData",
                             "UserGuide",
                             "Missingdata",
                             "import",
                             "calendar",
                             "cal",
                             "calendarHeader",
                             "dateStart",
                             "dateEnd",
                             "viewArea",
                             "TTSummary",
                             "mappingProblem",
                             "idListMappingProblem",
                             "LoadingView",
                             "dataLoadCaption",
                             "dataLoadProgress",
                             "progressValue",
                             "QBProblemView",
                             "QBProblemCaption",
                             "QBProblemDescription",
                             "SiteWasChanged",
                             "SiteWasChangedUrl",
                             "CompanyFileName",
                             "InterruptChangingQuorvaneSite",
                             "Continue",
                             "menuSEmployee",
                             "idEmployeeSelect",
                             "selectWord",
                             "idEmployeeAll",
                             "idEmployeeUpdated",
                             "idEployeeNone",
                             "selected-title-id",
                             "tooltip-content",
                             "icontype-block",
                             "icontype-yellow",
                             "icontype-white",
                             "icontype-page",
                             "icontype-exc-mark",
                             "TTTotalTableBody",
                             "selectedEmployeesId",
                             "totalTimeBeforeImport",
                             "totalTimeAfterImport",
                             "bodydialog",
                             "logindialog",
                             "LoginDialog_Caption",
                             "LoginDialog_ErrorCaption",
                             "LoginDialog_ErrorMessage",
                             "loginDialog_Url",
                             "loginDialog_Username",
                             "loginDialog_Password",
                             "loginDialog_rememberPassword",
                             "loginDialog_Connect",
                             "ProgressBodyDialog",
                             "ProgressDialog_Caption",
                             "idWorkingTime",
                             "idLeaveTime",
                             "idDataImportedFor",
                             "importProgress",
                             "idProgressComment",
                             "ImportDialog_ErrorMessage",
                             "idImportingState",
                             "idStopImportButton",
                             "idCompletedSuccessfullyState",
                             "idCompletedWithErrorState",
                             "idViewLogButton",
                             "ErrorBodyDialog",
                             "idErrorDialogTitle",
                             "idErrorDialogProblem",
                             "idErrorDialogProblemText",
                             "idErrorDialogReason",
                             "idErrorDialogReasonText",
                             "idErrorDialogFurtherActions",
                             "idFurtherActionsText",
                             "idErrorDialogViewDetailedInfoButton",
                             "idErrorDialogViewLogButton",
                             "idErrorDialogCloseButton",
                             "absentTimeTrackBody",
                             "idKeepTimeTrackCheckBox",
                             "idDeleteTimeTrackCheckBox",
                             "idConflictFlag",
                             "idBtnProcessWithDeletion",
                             "idBtnReturnToPreview" };

class PageContract : public MainPageTest {};

TEST_F(PageContract, EveryIdTheCodeUsesIsThereOnce)
{
    for (const char* id : kIds)
        EXPECT_EQ(1u, page.FindAll((std::string("#") + id).c_str()).size()) << id;
    EXPECT_EQ(1u, page.FindAll("#mappingProblem button[name=Settings]").size());
}

// Style sheets, page pieces, scripts and images: the engine found and understood all of them.
TEST_F(PageContract, EverythingThePageNamesIsServedAndUnderstood)
{
    EXPECT_EQ(L"", page.Errors());
    EXPECT_EQ(8u, page.FindAll("#TTSummary tr th[hdType]").size() - page.FindAll("#menuSEmployee th").size());
}

// What a user's click on each element with a rule makes the page ask of the program.
TEST_F(PageContract, ClickingEachScriptedElementMakesItsScriptCall)
{
    typedef std::vector<std::string> Calls;
    struct Case {
        const char* element;
        Calls expected;
    };
    const Case cases[] = {
        { "#Settings", { "OpenSettings" } },
        { "#mappingProblem button[name=Settings]", { "OpenSettings" } },
        { "#ImportHistory", { "OpenImportHistory" } },
        { "#ReloadData", { "ReloadData" } },
        { "#Missingdata", { "ShowMissingData" } },
        { "#import", { "StartImport check" } },
        { "#InterruptChangingQuorvaneSite", { "InterruptChangingSite" } },
        { "#Continue", { "ChangeSite" } },
        { "#idStopImportButton", { "StopImport" } },
        { "#idCompletedSuccessfullyState button.closeButton", { "ReloadData" } },
        { "#idCompletedWithErrorState button.closeButton", { "ReloadData" } },
        { "#idViewLogButton", { "OpenImportLog", "ReloadData" } },
        { "#idErrorDialogViewLogButton", { "OpenImportLog", "ReloadData" } },
        { "#idErrorDialogCloseButton", {} },
        { "#idBtnProcessWithDeletion", { "StartImport nocheck" } },
        { "#idBtnReturnToPreview", {} },
        { "#idEmployeeAll", {} },  // no rows to select yet
    };
    for (const Case& c : cases) {
        TakeCalls();
        page.Click(c.element);
        EXPECT_EQ(c.expected, TakeCalls()) << c.element;
        view->OnImportFinished();
    }
}

}  // namespace
