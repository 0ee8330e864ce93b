// qbsim.dll as the program meets it: registered in the registry of the test prefix, created
// by class id from any thread, and driven by tests through its exported control functions.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "connectors/quickbooks/qbfc/Session.h"
#include "tools/qbsim/RegisteredSimulator.h"

namespace {

using namespace Quorvane::Qbfc;

class RegisteredDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(0, COINIT_APARTMENTTHREADED);
        m_simulator.reset(new QbSim::RegisteredSimulator());
    }

    void TearDown() override
    {
        m_simulator.reset();
        CoUninitialize();
    }

    static IQBSessionManager OpenSession()
    {
        IQBSessionManager session;
        HRESULT hr = CreateQBSessionManager(session);
        if (FAILED(hr))
            _com_issue_error(hr);
        session.OpenConnection(L"Quorvane Pellworth", L"Quorvane Pellworth");
        session.BeginSession(L"", 2);
        return session;
    }

    static std::wstring CompanyName(const IQBSessionManager& session)
    {
        IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
        set.AppendCompanyQueryRq();
        ICompanyRet company;
        HRESULT hr = session.DoRequests(set).ResponseList().GetAt(0).Detail().QueryInterface(company);
        return hr == S_OK ? company.CompanyName().GetValue() : L"";
    }

    std::unique_ptr<QbSim::RegisteredSimulator> m_simulator;
};

TEST_F(RegisteredDll, AnUnregisteredSimulatorIsQuickBooksNotInstalled)
{
    m_simulator->Unregister();
    IQBSessionManager session;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateQBSessionManager(session));
    EXPECT_TRUE(session.IsNull());
}

TEST_F(RegisteredDll, SessionsOnAnyThreadReachTheCompanyTheTestSeeded)
{
    m_simulator->Seed(L"{\"CompanyName\":\"Registered Co\"}");
    EXPECT_EQ(L"Registered Co", CompanyName(OpenSession()));

    std::wstring seenByWorker;
    std::thread worker([&seenByWorker] {
        CoInitialize(0);
        try {
            seenByWorker = CompanyName(OpenSession());
        } catch (const _com_error&) {
            seenByWorker = L"failed";
        }
        CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(L"Registered Co", seenByWorker);
    EXPECT_EQ(L"US 6.0 CompanyQuery:", m_simulator->Trace().back());
}

TEST_F(RegisteredDll, AnInjectedHresultArrivesAsAComErrorWithItsDescription)
{
    m_simulator->InjectFault(
        L"{\"stage\":\"DoRequests\",\"hresult\":\"0x8004041C\",\"description\":\"The file is locked.\"}");
    IQBSessionManager session = OpenSession();
    try {
        CompanyName(session);
        ADD_FAILURE() << "no _com_error";
    } catch (const _com_error& error) {
        EXPECT_EQ(static_cast<HRESULT>(0x8004041C), error.Error());
        EXPECT_EQ(std::wstring(L"The file is locked."), std::wstring(error.Description()));
    }
    EXPECT_THROW(m_simulator->InjectFault(L"{\"stage\":\"Nowhere\"}"), std::runtime_error);
}

TEST_F(RegisteredDll, RecordsChangeBehindTheProgramsBack)
{
    m_simulator->Seed(L"{\"Employees\":[{\"ListID\":\"E-1\",\"FirstName\":\"Anna\"}]}");
    EXPECT_TRUE(m_simulator->Edit(L"Employees", L"E-1", L"{\"IsActive\":false}"));
    EXPECT_FALSE(m_simulator->Edit(L"Employees", L"E-2", L"{}"));
    EXPECT_NE(std::wstring::npos, m_simulator->Snapshot().find(L"\"IsActive\":false"));
    EXPECT_TRUE(m_simulator->Delete(L"Employees", L"E-1"));
    EXPECT_FALSE(m_simulator->Delete(L"Employees", L"E-1"));
}

}  // namespace
