// Opening and closing the QuickBooks session, and how a COM failure reaches the connector log.
#include <gtest/gtest.h>

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

using Quorvane::Connectors::DesktopConnector;
using Quorvane::Connectors::QBConnectionOptions;

HRESULT QuickBooksNotInstalled(Quorvane::Qbfc::IQBSessionManager&)
{
    return REGDB_E_CLASSNOTREG;
}

const std::vector<std::wstring> kOpening = { L"OpenConnection \"Quorvane Pellworth\" \"Quorvane Pellworth\"",
                                             L"BeginSession \"\" 2", L"CreateMsgSetRequest \"CA\" 6 0",
                                             L"CA 6.0 CompanyQuery:" };

class Session : public SimulatedQuickBooks {
protected:
    bool ConnectNew(const QBConnectionOptions& options = ProgramOptions())
    {
        m_connector.reset(new DesktopConnector(options));
        return m_connector->Connect();
    }
};

}  // namespace

TEST_F(Session, OpensWithTheProgramsNameAndChecksTheCompanyAnswers)
{
    m_connector.reset();
    Trace();
    ASSERT_TRUE(ConnectNew());
    EXPECT_EQ(kOpening, Trace());
    m_connector.reset();
    EXPECT_EQ(std::vector<std::wstring>({ L"EndSession", L"CloseConnection" }), Trace());
}

TEST_F(Session, DoesNotOpenWithoutQuickBooksOrWithoutAName)
{
    m_connector.reset();
    Trace();
    Quorvane::Connectors::SetSessionManagerFactory(&QuickBooksNotInstalled);
    EXPECT_FALSE(ConnectNew());
    EXPECT_THROW(m_connector->GetPayroll(), std::exception);
    SetUp();
    m_connector.reset();
    Trace();
    EXPECT_FALSE(ConnectNew(QBConnectionOptions("", "", 6, 0)));
    EXPECT_FALSE(ConnectNew(QBConnectionOptions("Quorvane Pellworth", "Quorvane Pellworth", 0, 0)));
    m_connector.reset();
    EXPECT_TRUE(Trace().empty());
}

TEST_F(Session, ConnectingAgainKeepsTheOpenSession)
{
    EXPECT_FALSE(m_connector->Connect());
    EXPECT_TRUE(Trace().empty());
    EXPECT_NO_THROW(m_connector->GetPayroll());
}

// A half-opened session would stay open in QuickBooks for as long as the program runs.
TEST_F(Session, AFailedConnectClosesWhatItOpened)
{
    m_connector.reset();
    Trace();
    InjectFault("{'stage':'BeginSession','hresult':'0x8004040D'}");
    EXPECT_FALSE(ConnectNew());
    EXPECT_EQ(std::vector<std::wstring>({ L"OpenConnection \"Quorvane Pellworth\" \"Quorvane Pellworth\"",
                                          L"BeginSession \"\" 2", L"CloseConnection" }),
              Trace());
    InjectFault("{'stage':'DoRequests','hresult':'0x8004041C'}");
    EXPECT_FALSE(ConnectNew());
    std::vector<std::wstring> trace = Trace();
    ASSERT_LE(2u, trace.size());
    EXPECT_EQ(std::vector<std::wstring>({ L"EndSession", L"CloseConnection" }),
              std::vector<std::wstring>(trace.end() - 2, trace.end()));
    EXPECT_THROW(m_connector->GetPayroll(), std::exception);
}

TEST_F(Session, AQuickBooksWithoutVersion6DoesNotConnect)
{
    m_connector.reset();
    Seed("{'Simulator':{'SupportedQbXmlVersion':'5.0'}}");
    EXPECT_FALSE(ConnectNew());
    EXPECT_EQ("_com_error\r\nThe version of QBXML that was requested is not supported or is unknown.\r\n",
              ConnectorLogTail());
}

TEST_F(Session, AClosingStepThatFailsDoesNotKeepTheOthersFromRunning)
{
    InjectFault("{'stage':'EndSession','hresult':'0x80004005'}");
    m_connector.reset();
    EXPECT_EQ(std::vector<std::wstring>({ L"EndSession", L"CloseConnection" }), Trace());
}

TEST_F(Session, AComErrorIsLoggedWithItsDescription)
{
    InjectFault("{'stage':'DoRequests','hresult':'0x80004005','description':'Disk full'}");
    EXPECT_THROW(m_connector->GetAccount(), std::exception);
    InjectFault("{'stage':'DoRequests','hresult':'0x80004005','noDescription':true}");
    EXPECT_THROW(m_connector->GetAccount(), std::exception);
    EXPECT_EQ("_com_error\r\nDisk full\r\n_com_error\r\n\r\n", ConnectorLogTail());
}

// The user is only told that QuickBooks cannot be reached.
TEST_F(Session, AFailedConnectLogsWhy)
{
    m_connector.reset();
    InjectFault("{'stage':'BeginSession','hresult':'0x8004040D','description':'Could not start QuickBooks.'}");
    EXPECT_FALSE(ConnectNew());
    EXPECT_EQ("_com_error\r\nCould not start QuickBooks.\r\n", ConnectorLogTail());
}

}  // namespace QuickBooksTest
