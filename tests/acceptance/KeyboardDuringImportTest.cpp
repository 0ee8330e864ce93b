// A bookkeeper who reaches for the keyboard while an import runs: the progress panel holds the
// keyboard, so Tab and Enter pressed again and again reach nothing behind it.
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

// QuickBooks is kept busy, so the import waits on its first request while the keys arrive.
// Enter on the panel's own button may stop the import; nothing else may happen.
TEST_F(KeyboardDuringImport, TabAndEnterStayInsideTheProgressPanel)
{
    Start().WaitForSummary();
    driver::PageWindow& window = m_bookkeeper->MainWindow();
    m_bookkeeper->SelectAll();
    const Quorvane::DateRange period = SavedSettings()->GetPeriod();
    const size_t loadsBefore = m_server.Requests(L"QBService_v1.getUserTimeTrack").size();
    faults::BusyQuickBooks busy(m_stage->CompanyFile());
    window.Click(L"#import");
    window.WaitShown(L"#ProgressBodyDialog");
    for (int round = 0; round < 12; ++round) {
        window.Key(VK_TAB);
        window.Key(VK_RETURN);
        EXPECT_EQ(window.Count(L":focus"), window.Count(L"#ProgressBodyDialog :focus"))
            << "the focus left the progress panel in round " << round;
    }
    EXPECT_EQ(1u, driver::ShownWindowsOf(m_program->Process().Id()).size()) << "a dialog opened behind the panel";
    EXPECT_TRUE(window.Shown(L"#ProgressBodyDialog"));
    EXPECT_FALSE(window.Shown(L"#LoadingView")) << "a reload started behind the panel";
    busy.Release();
    window.WaitHidden(L"#idImportingState", 30000);
    EXPECT_EQ(loadsBefore, m_server.Requests(L"QBService_v1.getUserTimeTrack").size());
    EXPECT_TRUE(period == SavedSettings()->GetPeriod());
}
