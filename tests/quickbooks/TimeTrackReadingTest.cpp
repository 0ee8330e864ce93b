// Reading QuickBooks time entries into the employees' collections, and what a failed read gives.
#include <gtest/gtest.h>

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/DateTime.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

using Quorvane::DateTime;
using Quorvane::EmployeeCollection;
using Quorvane::TimeTrackRecord;
using Quorvane::TimeTrackRecordCollection;

const char kCompany[] =
    "{'CompanyName':'Sim Co',"
    " 'Employees':[{'ListID':'E-ANNA','FirstName':'Anna','LastName':'Berg'},"
    "              {'ListID':'E-BO','FirstName':'Bo','LastName':'Dahl'},"
    "              {'ListID':'E-CAI','FirstName':'Cai','LastName':'Eng'}],"
    " 'Vendors':[{'ListID':'V-FIX','Name':'Fixit'}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-ACME'}}]"
    ","
    " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}],"
    " 'TimeEntries':["
    "  {'TxnID':'T-1','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT1H30M59S',"
    "   "
    "'CustomerRef':{'ListID':'C-ROOF'},'ItemServiceRef':{'ListID':'I-DESIGN'},'PayrollItemWageRef':{'ListID':'P-HOURLY'"
    "},"
    "   'Notes':'Gutters','BillableStatus':0},"
    "  "
    "{'TxnID':'T-2','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT0H0M45S','BillableStatus':2},"
    "  {'TxnID':'T-3','TxnDate':'2026-11-03','EntityRef':{'ListID':'E-BO'},'Duration':'PT3H0M0S','BillableStatus':1},"
    "  {'TxnID':'T-4','TxnDate':'2026-11-03','EntityRef':{'ListID':'V-FIX'},'Duration':'PT2H0M0S'}]}";

class TimeTrackReading : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(kCompany);
    }

    boost::shared_ptr<EmployeeCollection> ReadNovember()
    {
        return m_connector->GetEmployeesWithTimeTrack(DateTime(1, 11, 2026), DateTime(30, 11, 2026));
    }

    boost::shared_ptr<TimeTrackRecordCollection> EntriesOf(const std::wstring& entity)
    {
        boost::shared_ptr<TimeTrackRecordCollection> entries;
        m_connector->GetTimeTrack(entity, DateTime(1, 11, 2026), DateTime(30, 11, 2026), entries);
        return entries;
    }
};

std::vector<std::wstring> TxnIds(const TimeTrackRecordCollection& entries)
{
    std::vector<std::wstring> ids;
    for (const boost::shared_ptr<TimeTrackRecord>& entry : entries)
        ids.push_back(entry->GetTxnId());
    return ids;
}

}  // namespace

TEST_F(TimeTrackReading, EachEmployeeGetsItsOwnEntriesInResponseOrder)
{
    boost::shared_ptr<EmployeeCollection> employees = ReadNovember();
    EXPECT_EQ(std::vector<std::wstring>({ L"T-1", L"T-2" }),
              TxnIds(*employees->FindById(L"E-ANNA")->GetTimeTrackRecords()));
    EXPECT_EQ(std::vector<std::wstring>({ L"T-3" }), TxnIds(*employees->FindById(L"E-BO")->GetTimeTrackRecords()));
    EXPECT_EQ(0u, employees->FindById(L"E-CAI")->GetTimeTrackRecords()->Count());
}

TEST_F(TimeTrackReading, AnEntryCarriesWhatTheImportCompares)
{
    boost::shared_ptr<TimeTrackRecordCollection> anna = EntriesOf(L"E-ANNA");
    ASSERT_EQ(2u, anna->Count());
    const TimeTrackRecord& full = **anna->begin();
    EXPECT_EQ(DateTime(2, 11, 2026), full.GetDate());
    EXPECT_EQ(90, full.GetMinutes());
    EXPECT_FALSE(full.GetEditSequence().empty());
    EXPECT_EQ(L"Gutters", full.GetNotes());
    EXPECT_EQ(L"Hourly", full.GetPayrollItemName());
    EXPECT_EQ(L"Acme:Roof", full.GetCustomerJobName(1));
    EXPECT_EQ(L"Design", full.GetServiceItemName());
    EXPECT_EQ(1, full.GetBillable());
    EXPECT_EQ(0, full.IsBilled());

    const TimeTrackRecord& bare = **(anna->begin() + 1);
    EXPECT_EQ(0, bare.GetMinutes());
    EXPECT_EQ(L"", bare.GetNotes());
    EXPECT_EQ(L"", bare.GetCustomerJobName(1));
    EXPECT_EQ(L"", bare.GetServiceItemName());
    EXPECT_EQ(0, bare.GetBillable());
    EXPECT_EQ(1, bare.IsBilled());

    const TimeTrackRecord& notBillable = **EntriesOf(L"E-BO")->begin();
    EXPECT_EQ(0, notBillable.GetBillable());
    EXPECT_EQ(0, notBillable.IsBilled());
}

TEST_F(TimeTrackReading, OnlyTheOneEntityReadIsFilteredForAndBothAskForTheSameElements)
{
    ReadNovember();
    std::vector<std::wstring> load = RequestTrace();
    ASSERT_EQ(2u, load.size());
    EXPECT_EQ(std::wstring::npos, load[1].find(L"TimeTrackingEntityFilter"));
    EntriesOf(L"E-BO");
    std::vector<std::wstring> one = RequestTrace();
    ASSERT_EQ(1u, one.size());
    EXPECT_NE(std::wstring::npos, one[0].find(L"TimeTrackingEntityFilter.ListIDList[]=\"E-BO\""));
    const wchar_t elements[] = L"IncludeRetElementList[]=\"TxnID\"; IncludeRetElementList[]=\"EditSequence\"; "
                               L"IncludeRetElementList[]=\"TxnDate\"; IncludeRetElementList[]=\"EntityRef\"; "
                               L"IncludeRetElementList[]=\"CustomerRef\"; IncludeRetElementList[]=\"ItemServiceRef\"; "
                               L"IncludeRetElementList[]=\"Duration\"; IncludeRetElementList[]=\"PayrollItemWageRef\"; "
                               L"IncludeRetElementList[]=\"Notes\"; IncludeRetElementList[]=\"BillableStatus\"";
    EXPECT_NE(std::wstring::npos, load[1].find(elements)) << load[1];
    EXPECT_NE(std::wstring::npos, one[0].find(elements));
}

TEST_F(TimeTrackReading, ARangeWithoutEntriesGivesEmptyCollections)
{
    boost::shared_ptr<EmployeeCollection> employees =
        m_connector->GetEmployeesWithTimeTrack(DateTime(1, 1, 2027), DateTime(31, 1, 2027));
    ASSERT_EQ(3u, employees->Count());
    for (const boost::shared_ptr<Quorvane::Employee>& employee : *employees)
        EXPECT_EQ(0u, employee->GetTimeTrackRecords()->Count());
    EXPECT_FALSE(EntriesOf(L"E-CAI"));
}

TEST_F(TimeTrackReading, AWarningThatComesWithTheEntriesKeepsThem)
{
    InjectFault(
        "{'stage':'Response','request':'TimeTrackingQuery','shape':'Warning','status':530,'message':'Unsupported'}");
    EXPECT_EQ(std::vector<std::wstring>({ L"T-1", L"T-2" }), TxnIds(*EntriesOf(L"E-ANNA")));
}

TEST_F(TimeTrackReading, ARejectedDateRangeIsWrongTimeRange)
{
    InjectFault("{'stage':'DoRequests','request':'TimeTrackingQuery','hresult':'0x80040305'}");
    EXPECT_THROW(ReadNovember(), Quorvane::WrongTimeRange);
}

// A partial read would make the next import add the missing entries a second time.
TEST_F(TimeTrackReading, AnyOtherFailureFailsTheReadInsteadOfShorteningIt)
{
    const char* faults[] = {
        "{'stage':'Response','request':'TimeTrackingQuery','shape':'Status','status':500,'message':'Busy'}",
        "{'stage':'Response','request':'TimeTrackingQuery','shape':'OmitElement','element':'EditSequence'}",
        "{'stage':'Response','request':'TimeTrackingQuery','shape':'OtherDetail'}",
        "{'stage':'DoRequests','request':'TimeTrackingQuery','hresult':'0x8004041C'}",
    };
    for (const char* fault : faults) {
        SCOPED_TRACE(fault);
        InjectFault(fault);
        EXPECT_THROW(ReadNovember(), Quorvane::OperationAbortedException);
        InjectFault(fault);
        EXPECT_THROW(EntriesOf(L"E-ANNA"), std::exception);
    }
}

// An employee left out would look like one without entries, and the import would add them again.
TEST_F(TimeTrackReading, AFailedEmployeeReadFailsTheLoadButNoEmployeesIsAnEmptyList)
{
    const char* faults[] = {
        "{'stage':'Response','request':'EmployeeQuery','shape':'Status','status':500,'message':'Busy'}",
        "{'stage':'Response','request':'EmployeeQuery','shape':'OtherDetail'}",
        "{'stage':'GetField','request':'EmployeeQuery','member':'LastName','hresult':'0x80004005'}",
    };
    for (const char* fault : faults) {
        SCOPED_TRACE(fault);
        InjectFault(fault);
        EXPECT_THROW(ReadNovember(), Quorvane::OperationAbortedException);
    }
    Seed("{'CompanyName':'Empty Co'}");
    EXPECT_EQ(0u, ReadNovember()->Count());
}

TEST_F(TimeTrackReading, WithoutASessionTheLoadIsAborted)
{
    Reconnect(false);
    EXPECT_THROW(ReadNovember(), Quorvane::OperationAbortedException);
}

}  // namespace QuickBooksTest
