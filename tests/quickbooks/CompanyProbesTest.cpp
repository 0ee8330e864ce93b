// What the connector learns about the open company: its name, its week, whether time tracking
// and payroll data are open to the program, and whether names exist.
#include <gtest/gtest.h>

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

class CompanyProbes : public SimulatedQuickBooks {};

}  // namespace

TEST_F(CompanyProbes, TheCompanyNameComesAsQuickBooksGivesIt)
{
    Seed("{'CompanyName':'  Acme Ltd  '}");
    EXPECT_EQ(L"  Acme Ltd  ", m_connector->GetCompanyInformation().companyName);
    InjectFault("{'stage':'Response','request':'CompanyQuery','shape':'Status','status':500,'message':'No'}");
    EXPECT_THROW(m_connector->GetCompanyInformation(), std::exception);
}

TEST_F(CompanyProbes, TheFirstDayOfWeekIsZeroWhenQuickBooksDoesNotSay)
{
    Seed("{'Preferences':{'TimeTrackingPreferences':{'FirstDayOfWeek':6}}}");
    EXPECT_EQ(6, m_connector->GetFirstDayOfWeek());
    Seed("{'Preferences':{}}");
    EXPECT_EQ(0, m_connector->GetFirstDayOfWeek());
}

// The import checks QuickBooks is reachable by this call before it writes anything.
TEST_F(CompanyProbes, TheFirstDayOfWeekIsTheComErrorWhenQuickBooksCannotBeReached)
{
    InjectFault("{'stage':'DoRequests','hresult':'0x8004040D'}");
    EXPECT_EQ(static_cast<int>(0x8004040D), m_connector->GetFirstDayOfWeek());
    InjectFault("{'stage':'DoRequests','hresult':'0x8004041C'}");
    EXPECT_EQ(Quorvane::kCannotAccessQuickBooksCode, m_connector->GetFirstDayOfWeek());
}

TEST_F(CompanyProbes, TimeTrackingIsOffOnlyWhenTheProbeGets3250)
{
    Seed("{'Preferences':{'TimeTrackingEnabled':false}}");
    EXPECT_FALSE(m_connector->IsTimeTrackEnabled());
    EXPECT_EQ(std::vector<std::wstring>({ L"TimeTrackingAdd: EntityRef.ListID=\"0\"; Duration=\"PT10H11M12S\"; "
                                          L"TxnDate=\"2012-06-07\"" }),
              RequestTrace());
    Seed("{}");
    EXPECT_TRUE(m_connector->IsTimeTrackEnabled());
}

// Should QuickBooks ever take the probe, the stray entry must not stay in the company.
TEST_F(CompanyProbes, AnAcceptedProbeIsDeletedAgain)
{
    Seed("{'Employees':[{'ListID':'0','FirstName':'Zero','LastName':'Entity'}]}");
    EXPECT_TRUE(m_connector->IsTimeTrackEnabled());
    std::vector<std::wstring> trace = RequestTrace();
    ASSERT_EQ(2u, trace.size());
    EXPECT_EQ(0u, trace[1].find(L"TxnDel: TxnID=\""));
    boost::shared_ptr<Quorvane::TimeTrackRecordCollection> entries;
    m_connector->GetTimeTrack(L"0", Quorvane::DateTime(7, 6, 2012), Quorvane::DateTime(7, 6, 2012), entries);
    EXPECT_FALSE(entries);
}

TEST_F(CompanyProbes, PayrollAccessIsGrantedOnlyByATrueFlag)
{
    struct Case {
        const char* preferences;
        bool granted;
    } cases[] = {
        { "{}", false },
        { "{'CurrentAppAccessRights':{}}", false },
        { "{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':false}}", false },
        { "{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}}", true },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.preferences);
        Seed(std::string("{'Preferences':") + test.preferences + "}");
        EXPECT_EQ(test.granted, m_connector->CheckAccessToPayroll());
    }
    Reconnect(false);
    EXPECT_FALSE(m_connector->CheckAccessToPayroll());
}

TEST_F(CompanyProbes, ANameExistsWhenExactlyOneEntryHasItActiveOrNot)
{
    Seed("{'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-"
         "ACME'}},"
         "              {'ListID':'C-OLD','Name':'Oldco','IsActive':false}],"
         " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0},{'ListID':'I-VAN','Name':'Van','Kind':0,'IsActive':"
         "false}]}");
    EXPECT_TRUE(m_connector->CheckCustomerJobExist(L"Acme:Roof"));
    EXPECT_TRUE(m_connector->CheckCustomerJobExist(L"Oldco"));
    EXPECT_FALSE(m_connector->CheckCustomerJobExist(L"Acme:Gutters"));
    EXPECT_TRUE(m_connector->CheckServiceItemExist(L"Van"));
    EXPECT_FALSE(m_connector->CheckServiceItemExist(L"Sketch"));
}

// QBFC 11 brought a class filter to the service-item query, and with it another list filter.
TEST_F(CompanyProbes, TheServiceItemCheckUsesTheListFilterOfTheInstalledQbfc)
{
    struct Case {
        int qbfcVersion;
        const wchar_t* filter;
    } cases[] = {
        { 13, L"ORListQueryWithOwnerIDAndClass.ListWithClassFilter" },
        { 10, L"ORListQuery.ListFilter" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.qbfcVersion);
        Seed("{'Simulator':{'QbfcVersion':" + std::to_string(test.qbfcVersion) +
             "},"
             " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0}]}");
        RequestTrace();
        EXPECT_TRUE(m_connector->CheckServiceItemExist(L"Design"));
        std::wstring filter = test.filter;
        EXPECT_EQ(std::vector<std::wstring>({ L"ItemServiceQuery: " + filter + L".ActiveStatus=2; " + filter +
                                              L".ORNameFilter.NameRangeFilter.FromName=\"Design\"; " + filter +
                                              L".ORNameFilter.NameRangeFilter.ToName=\"Design\"" }),
                  RequestTrace());
        EXPECT_EQ(1u, m_connector->GetServiceItem()->Count());
    }
}

}  // namespace QuickBooksTest
