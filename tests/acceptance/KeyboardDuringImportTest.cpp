// A bookkeeper who reaches for the keyboard while an import runs: the progress panel holds the
// keyboard, so Tab and Enter pressed again and again reach nothing behind it.
#include <memory>

#include "core/CompanyConfig.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tests/acceptance/FaultsSupport.h"
#include "tools/programdriver/TopWindows.h"

namespace {

class KeyboardDuringImport : public AcceptanceTest {
protected:
    void SetUp() override
    {
        AcceptanceTest::SetUp();
        WriteDemoSettings();
    }
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
