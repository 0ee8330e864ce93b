// A load against the demo server and a slow simulated QuickBooks: the window's thread reads the
// model while the load runs, a failed load leaves the model as it was, and settings changed
// during a load are never overwritten by it.
#include <gtest/gtest.h>

#include <algorithm>

#include "ControllerFixture.h"
#include "core/CompanyConfig.h"
#include "tools/qbsim/Control.h"

using namespace Quorvane;

namespace {

// Each QuickBooks answer takes this long: a load takes some seconds.
const DWORD kLatencyMilliseconds = 200;

// What the window's thread does with the model: its getters, and the lock as Connect takes it.
void ReadModelAsTheWindowDoes(MainModel& model)
{
    model.GetConfig();
    model.GetServerEmployees();
    model.GetQuickBooksEmployees();
    model.GetEmployeeDiffs();
    model.GetLeaveTypes();
    model.GetCompanyInformation();
    CriticalSectionLock lock(model.GetLock());
}

class LiveSlowLoad : public LiveLoad {
protected:
    void TearDown() override
    {
        QbSim::Control::SetLatency(0);
        LiveLoad::TearDown();
    }

    // A load past its connection to QuickBooks and still running, inside the slow answers.
    void StartSlowLoad()
    {
        QbSim::Control::SetLatency(kLatencyMilliseconds);
        m_controller->LoadData();
        for (int i = 0; i < 100 && !m_model->GetConfig(); ++i)
            Sleep(kLatencyMilliseconds / 4);
        Sleep(2 * kLatencyMilliseconds);
        ASSERT_TRUE(m_model->GetConfig());
        ASSERT_TRUE(m_controller->IsLoading());
    }
};

TEST_F(LiveSlowLoad, TheModelAnswersAtOnceWhileALoadWaitsForQuickBooks)
{
    StoreSettings(L"secret", true);
    ASSERT_NO_FATAL_FAILURE(StartSlowLoad());
    DWORD longest = 0;
    int readsDuringTheLoad = 0;
    for (; readsDuringTheLoad < 20 && m_controller->IsLoading(); ++readsDuringTheLoad) {
        const DWORD before = GetTickCount();
        ReadModelAsTheWindowDoes(*m_model);
        longest = std::max(longest, GetTickCount() - before);
        Sleep(kLatencyMilliseconds / 4);
    }
    EXPECT_EQ(20, readsDuringTheLoad) << "the reads must happen while the load runs";
    // A lock held across one QuickBooks answer would make a read wait as long as the answer.
    EXPECT_LT(longest, kLatencyMilliseconds / 2);
    QbSim::Control::SetLatency(0);
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("RefreshSummary()", shown.back());
}

TEST_F(LiveSlowLoad, AFailedReloadLeavesTheLoadedDataAsTheyWere)
{
    StoreSettings(L"secret", true);
    m_controller->LoadData();
    ASSERT_EQ("RefreshSummary()", Settle().back());
    const boost::shared_ptr<EmployeeDiffCollection> preview = m_model->GetEmployeeDiffs();
    const boost::shared_ptr<EmployeeCollection> users = m_model->GetServerEmployees();
    const boost::shared_ptr<PayRollCollection> leaveTypes = m_model->GetLeaveTypes();
    ASSERT_NE(0u, preview->Count());

    InjectFault("{'stage':'DoRequests','request':'ItemQuery','hresult':'0x80004005'}");
    m_controller->ReloadData();
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(0u, shown.back().find("ShowQuickBooksProblem")) << shown.back();
    EXPECT_EQ(preview, m_model->GetEmployeeDiffs());
    EXPECT_EQ(users, m_model->GetServerEmployees());
    EXPECT_EQ(leaveTypes, m_model->GetLeaveTypes());
}

TEST_F(LiveSlowLoad, SettingsConfirmedDuringALoadAreNotOverwrittenByIt)
{
    StoreSettings(L"secret", true);
    ASSERT_NO_FATAL_FAILURE(StartSlowLoad());
    boost::shared_ptr<Config> edited(new Config(*m_model->GetConfig()));
    edited->SetTaskNameDescription(true);
    m_dialogs.settingsResult = edited;
    m_controller->OpenSettings();
    QbSim::Control::SetLatency(0);
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("RefreshSummary()", shown.back());
    EXPECT_TRUE(m_model->GetConfig()->GetTaskNameDescription());
    boost::shared_ptr<Config> stored(new Config());
    ASSERT_TRUE(LoadConfig(L"Sim Co", stored));
    EXPECT_TRUE(stored->GetTaskNameDescription());
}

}  // namespace
