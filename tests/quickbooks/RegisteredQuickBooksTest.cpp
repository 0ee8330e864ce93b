// The connector as it meets QuickBooks in production: the session manager created by class id
// through the registry, here the simulator DLL registered in the test prefix.
#include <gtest/gtest.h>

#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tools/qbsim/RegisteredSimulator.h"

namespace QuickBooksTest {

namespace {

using Quorvane::DateTime;
using Quorvane::Connectors::DesktopConnector;

const char kCompany[] =
    "{'CompanyName':'Registered Co',"
    " 'Employees':[{'ListID':'E-ANNA','FirstName':'Anna','LastName':'Berg'}],"
    " 'TimeEntries':[{'TxnID':'T-1','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT8H0M0S'}]}";

class RegisteredQuickBooks : public ::testing::Test {
protected:
    void SetUp() override { m_simulator.Seed(Widen(kCompany)); }

    QbSim::RegisteredSimulator m_simulator;
};

}  // namespace

TEST_F(RegisteredQuickBooks, ReadsAndWritesTheOpenCompany)
{
    DesktopConnector connector(ProgramOptions());
    ASSERT_TRUE(connector.Connect());
    EXPECT_EQ(L"Registered Co", connector.GetCompanyInformation().companyName);
    boost::shared_ptr<Quorvane::EmployeeCollection> employees =
        connector.GetEmployeesWithTimeTrack(DateTime(1, 11, 2026), DateTime(30, 11, 2026));
    boost::shared_ptr<Quorvane::TimeTrackRecordCollection> anna = employees->FindById(L"E-ANNA")->GetTimeTrackRecords();
    ASSERT_EQ(1u, anna->Count());
    std::wstring editSequence = (*anna->begin())->GetEditSequence();

    ASSERT_TRUE(m_simulator.Edit(L"TimeEntries", L"T-1", L"{}"));
    EXPECT_EQ(3200, connector.ChangeTimeTrack(L"T-1", L"E-ANNA", editSequence, 60));
    EXPECT_EQ(0, connector.AddTimeTrack(L"E-ANNA", L"", L"", L"", L"", 0, DateTime(3, 11, 2026), 30));
    EXPECT_EQ(0, connector.DeleteTimeTrack(L"T-1"));
}

// A QBFC whose class id is not the one the program knows is found by its ProgID and used
// through IDispatch; the connector log says which one connected.
TEST_F(RegisteredQuickBooks, ConnectsThroughAQbfcProgIdWhenTheClassIdIsNotRegistered)
{
    struct Case {
        const wchar_t* progId;  // null: the class id registered
        const char* logged;
    } cases[] = {
        { 0, "QuickBooks session manager: class {178AACCA-9DCE-42A0-A193-CF4985B930E5}\r\n" },
        { L"QBFC13.QBSessionManager", "QuickBooks session manager: QBFC13.QBSessionManager through IDispatch\r\n" },
        { L"QBFC6.QBSessionManager", "QuickBooks session manager: QBFC6.QBSessionManager through IDispatch\r\n" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.logged);
        if (test.progId)
            m_simulator.RegisterUnderProgIdOnly(test.progId);
        size_t logged = ConnectorLogSize();
        DesktopConnector connector(ProgramOptions());
        ASSERT_TRUE(connector.Connect());
        EXPECT_EQ(L"Registered Co", connector.GetCompanyInformation().companyName);
        EXPECT_EQ(test.logged, ConnectorLogSince(logged));
    }
}

TEST_F(RegisteredQuickBooks, WithoutQuickBooksInstalledNothingConnects)
{
    m_simulator.Unregister();
    DesktopConnector connector(ProgramOptions());
    EXPECT_FALSE(connector.Connect());
    EXPECT_THROW(connector.GetCompanyInformation(), std::exception);
}

}  // namespace QuickBooksTest
