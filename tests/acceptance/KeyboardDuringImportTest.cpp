// A bookkeeper who reaches for the keyboard while an import runs: the progress panel holds the
// keyboard, so Tab and Enter pressed again and again reach nothing behind it; Alt+F4 asks
// whether to stop, while the import goes on behind the question.
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

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
        m_promised = MinutesAfterImport();
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

    // Each listed employee's time as the summary says QuickBooks will hold it after the import.
    std::map<std::wstring, int> MinutesAfterImport()
    {
        driver::PageWindow& window = m_bookkeeper->MainWindow();
        const std::vector<std::wstring> names = window.Texts(L"#TTTotalTableBody > tr span.employee");
        const std::vector<std::wstring> minutes =
            window.Attributes(L"#TTTotalTableBody > tr > td[colType=colTotalTimeQB]", L"value");
        std::map<std::wstring, int> promised;
        for (size_t i = 0; i < names.size() && i < minutes.size(); ++i)
            promised[names[i]] = std::stoi(minutes[i]);
        return promised;
    }

    // The employees the log's summary counts as imported without a warning, with their time.
    static std::map<std::wstring, int> MinutesLoggedOk(const std::wstring& log)
    {
        const std::wregex line(L"\t(.+): OK  \\(Working time (\\d+):(\\d+)(, Leave time (\\d+):(\\d+))?\\)");
        std::map<std::wstring, int> logged;
        for (std::wsregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
            const std::wsmatch& m = *it;
            int minutes = std::stoi(m[2]) * 60 + std::stoi(m[3]);
            if (m[4].matched)
                minutes += std::stoi(m[5]) * 60 + std::stoi(m[6]);
            logged[m[1]] = minutes;
        }
        return logged;
    }

    std::unique_ptr<faults::BusyQuickBooks> m_busy;
    std::map<std::wstring, int> m_promised;
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

// The import goes on behind the question; "Stop import and exit" ends it between employees:
// every employee it began is written whole, as the summary promised, and the rest are skipped.
TEST_F(KeyboardDuringImport, AltF4AsksWhileTheImportGoesOnAndStopEndsItBetweenEmployees)
{
    const HWND question = AskToCloseDuringImport();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    EXPECT_TRUE(faults::Contains(driver::ChildTexts(question), L"Stop import"));
    const int shown = Progress(window);
    LetTheImportMovePast(shown);
    EXPECT_GT(Progress(window), shown) << "the progress stood still behind the question";
    ASSERT_TRUE(driver::FindShownWindow(m_program->Process().Id(), driver::kDialogClass, driver::kProgramTitle))
        << "the import ended before it could be stopped";
    m_program->ClickButton(question, L"Stop import and exit");
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    m_busy.reset();
    ASSERT_TRUE(m_program->Process().WaitForExit(30000));
    EXPECT_EQ(0u, m_program->Process().ExitCode());
    const std::wstring log = OnlyLog();
    EXPECT_TRUE(faults::Contains(log, L"Import process was interrupted by user")) << driver::Narrow(log);
    EXPECT_TRUE(faults::Contains(log, L": Skipped")) << driver::Narrow(log);
    for (const auto& imported : MinutesLoggedOk(log))
        EXPECT_EQ(m_promised.at(imported.first), imported.second)
            << driver::Narrow(imported.first) << " was cut short:\n"
            << driver::Narrow(log);
}

// The question answered by Escape, then by "Back to import", gives the keys back to the window:
// Enter closes the end panel and Tab moves on from there.
TEST_F(KeyboardDuringImport, KeysActInTheWindowOnceTheCloseQuestionIsAnswered)
{
    driver::PressKey(AskToCloseDuringImport(), VK_ESCAPE);
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    window.Press(VK_F4, driver::kAlt);
    m_program->ClickButton(m_program->NativeDialog(driver::kProgramTitle), L"Back to import");
    m_program->WaitClosed(driver::kDialogClass, driver::kProgramTitle);
    m_busy.reset();
    window.WaitShown(L"#idCompletedSuccessfullyState, #idCompletedWithErrorState", 60000);
    window.Press(VK_RETURN);
    window.WaitHidden(L"#ProgressBodyDialog");
    window.WaitShown(L"#TTTotalTableBody > tr", driver::kLoadTimeoutMs);
    const driver::FocusedElement focused = window.Focused();
    EXPECT_NE(focused.uid, window.MoveFocus(VK_TAB, driver::kNoModifier, 5000).uid)
        << "Tab did not move the focus from " << driver::Narrow(focused.name);
    EXPECT_TRUE(m_program->Process().Running());
}

// Behind the question the import reaches its end: the question stays as it was, "Stop import
// and exit" quits at once, and the log tells the import finished.
TEST_F(KeyboardDuringImport, AnImportThatEndsBehindTheQuestionIsReportedFinished)
{
    const HWND question = AskToCloseDuringImport();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    m_busy.reset();
    window.WaitShown(L"#idCompletedSuccessfullyState", 60000);
    EXPECT_TRUE(faults::Contains(driver::ChildTexts(question), L"Stop import and exit"))
        << driver::Narrow(driver::ChildTexts(question));
    driver::PressKey(question, VK_RETURN);
    ASSERT_TRUE(m_program->Process().WaitForExit(30000));
    const std::wstring log = OnlyLog();
    EXPECT_TRUE(faults::Contains(log, L"finished successfully")) << driver::Narrow(log);
    EXPECT_FALSE(faults::Contains(log, L"interrupted")) << driver::Narrow(log);
}
