// A bookkeeper who reaches for the keyboard while an import runs: the progress panel holds the
// keyboard, so Tab and Enter pressed again and again reach nothing behind it; Alt+F4 asks
// whether to stop, while the import goes on behind the question.
#include <memory>

#include "core/CompanyConfig.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tests/acceptance/FaultsSupport.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"

namespace {

class KeyboardDuringImport : public AcceptanceTest {
protected:
    void SetUp() override
    {
        AcceptanceTest::SetUp();
        WriteDemoSettings();
    }

    // Everyone ticked, Import pressed with QuickBooks busy, and Alt+F4 once the import runs:
    // the question to close.
    HWND AskToCloseDuringImport()
    {
        Start().WaitForSummary();
        driver::PageWindow& window = m_bookkeeper->MainWindow();
        m_bookkeeper->SelectAll();
        m_busy.reset(new faults::BusyQuickBooks(m_stage->CompanyFile()));
        window.TabTo(L"#import");
        window.Press(VK_RETURN);
        window.WaitState(L"#import", L"disabled", true);
        window.Press(VK_F4, driver::kAlt);
        return m_program->NativeDialog(driver::kProgramTitle);
    }

    // QuickBooks answers requests one by one until the progress bar has moved past `percent`.
    void LetTheImportMovePast(int percent)
    {
        driver::PageWindow& window = m_bookkeeper->MainWindow();
        for (int request = 0; request < 500 && Progress(window) <= percent; ++request) {
            m_busy.reset();
            m_busy.reset(new faults::BusyQuickBooks(m_stage->CompanyFile()));
        }
    }

    static int Progress(driver::PageWindow& window)
    {
        const std::wstring value = window.Attribute(L"#importProgress", L"value");
        return value.empty() ? 0 : std::stoi(value);
    }

    std::wstring OnlyLog() const
    {
        const std::vector<std::wstring> logs = faults::ImportLogs(m_stage->ImportLogFolder());
        return logs.size() == 1 ? faults::ReadLog(logs[0]) : L"";
    }

    size_t EntryAdds() const { return Requests(L"TimeTrackingAdd").size(); }

    std::unique_ptr<faults::BusyQuickBooks> m_busy;
};

}  // namespace

// QuickBooks answers one request at a time until the progress panel shows, then stays busy,
// so the import waits while the keys arrive. Enter on the panel's own button may stop the
// import; nothing else may happen.
TEST_F(KeyboardDuringImport, TabAndEnterStayInsideTheProgressPanel)
{
    Start().WaitForSummary();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    m_bookkeeper->SelectAll();
    const Quorvane::DateRange period = SavedSettings()->GetPeriod();
    const size_t loadsBefore = m_server.Requests(L"QBService_v1.getUserTimeTrack").size();
    std::unique_ptr<faults::BusyQuickBooks> busy(new faults::BusyQuickBooks(m_stage->CompanyFile()));
    window.Click(L"#import");
    window.WaitState(L"#import", L"disabled", true);
    for (int request = 0; request < 500 && !window.Shown(L"#ProgressBodyDialog"); ++request) {
        busy.reset();
        busy.reset(new faults::BusyQuickBooks(m_stage->CompanyFile()));
    }
    ASSERT_TRUE(window.Shown(L"#ProgressBodyDialog"));
    ASSERT_TRUE(window.Shown(L"#idImportingState"));
    for (int round = 0; round < 12; ++round) {
        window.Key(VK_TAB);
        window.Key(VK_RETURN);
        // One query, so that keys still on their way cannot come between two answers.
        EXPECT_EQ(0, window.Count(L"#header :focus, #toolbar :focus, #viewArea :focus"))
            << "the focus went behind the progress panel in round " << round;
    }
    EXPECT_EQ(1u, driver::ShownWindowsOf(m_program->Process().Id()).size()) << "a dialog opened behind the panel";
    EXPECT_TRUE(window.Shown(L"#ProgressBodyDialog"));
    EXPECT_FALSE(window.Shown(L"#LoadingView")) << "a reload started behind the panel";
    busy.reset();
    window.WaitHidden(L"#idImportingState", 30000);
    EXPECT_EQ(loadsBefore, m_server.Requests(L"QBService_v1.getUserTimeTrack").size());
    EXPECT_TRUE(period == SavedSettings()->GetPeriod());
}

// The import goes on behind the question; "Stop" ends it at the entry it is writing.
TEST_F(KeyboardDuringImport, AltF4AsksWhileTheImportGoesOnAndStopEndsItAtTheNextEntry)
{
    const HWND question = AskToCloseDuringImport();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    EXPECT_TRUE(faults::Contains(driver::ChildTexts(question), L"Stop import"));
    const int shown = Progress(window);
    LetTheImportMovePast(shown);
    EXPECT_GT(Progress(window), shown) << "the progress stood still behind the question";
    ASSERT_TRUE(driver::FindShownWindow(m_program->Process().Id(), driver::kDialogClass, driver::kProgramTitle))
        << "the import ended before it could be stopped";
    const size_t written = EntryAdds();
    m_program->ClickButton(question, L"Stop import and exit");
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    m_busy.reset();
    ASSERT_TRUE(m_program->Process().WaitForExit(30000));
    EXPECT_EQ(0u, m_program->Process().ExitCode());
    EXPECT_LE(EntryAdds(), written + 1) << "the import went on past the entry it was writing";
    const std::wstring log = OnlyLog();
    EXPECT_TRUE(faults::Contains(log, L"Import process was interrupted by user")) << driver::Narrow(log);
    EXPECT_FALSE(faults::Contains(log, L"finished successfully")) << driver::Narrow(log);
}

// Behind the question the import reaches its end: the question no longer offers to stop it,
// and the log tells the import finished.
TEST_F(KeyboardDuringImport, AnImportThatEndsBehindTheQuestionIsReportedFinished)
{
    AskToCloseDuringImport();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    m_busy.reset();
    window.WaitShown(L"#idCompletedSuccessfullyState", 60000);
    HWND question = nullptr;
    driver::WaitUntil(L"the question to stop offering to stop the import", [&] {
        question = driver::FindShownWindow(m_program->Process().Id(), driver::kDialogClass, driver::kProgramTitle);
        return question && !faults::Contains(driver::ChildTexts(question), L"Stop import");
    });
    EXPECT_TRUE(faults::Contains(driver::ChildTexts(question), L"finished"))
        << driver::Narrow(driver::ChildTexts(question));
    driver::PressKey(question, VK_RETURN);
    ASSERT_TRUE(m_program->Process().WaitForExit(30000));
    const std::wstring log = OnlyLog();
    EXPECT_TRUE(faults::Contains(log, L"finished successfully")) << driver::Narrow(log);
    EXPECT_FALSE(faults::Contains(log, L"interrupted")) << driver::Narrow(log);
}
