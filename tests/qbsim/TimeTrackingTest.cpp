// Time entries through the wrappers: what the simulator stores, answers and refuses.
#include "core/DateTime.h"
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/Control.h"

namespace QbSimTest {

namespace {

using Quorvane::DateTime;

const char kCompany[] =
    "{'CompanyName':'Sim Co',"
    " 'Employees':[{'ListID':'E-ANNA','FirstName':'Anna','LastName':'Berg'},"
    "              {'ListID':'E-BO','FirstName':'Bo','LastName':'Dahl'}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-ACME'}}]"
    ","
    " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0},{'ListID':'I-PART','Name':'Part','Kind':3}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}],"
    " 'Vendors':[{'ListID':'V-SPARK','Name':'Spark Electric'}],"
    " 'TimeEntries':[{'TxnID':'T-1','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT8H0M0S'},"
    "                {'TxnID':'T-2','TxnDate':'2026-11-30','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT1H0M0S'},"
    "                {'TxnID':'T-3','TxnDate':'2026-12-01','EntityRef':{'ListID':'E-ANNA'},'Duration':'PT2H0M0S'},"
    "                {'TxnID':'T-4','TxnDate':'2026-11-10','EntityRef':{'ListID':'E-BO'},'Duration':'PT3H0M0S'}]}";

// "2:15", or "-2:15" when negative; seconds only when there are some.
std::wstring DurationOf(const ITimeTrackingRet& entry)
{
    short hours = -1, minutes = -1, seconds = -1;
    bool negative = true;
    entry.Duration().GetValue(hours, minutes, seconds, negative);
    wchar_t text[32];
    swprintf(text, 32, seconds ? L"%ls%d:%02d:%02d" : L"%ls%d:%02d", negative ? L"-" : L"", hours, minutes, seconds);
    return text;
}

struct EntryToAdd {
    std::wstring entity, customer, item, payroll, notes;
    long billable;
};

class TimeTracking : public SimulatorSession {
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        Seed(kCompany);
    }

    IResponse Add(const EntryToAdd& entry, int minutes = 135)
    {
        return Send([&](const IMsgSetRequest& set) {
            ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
            add.TxnDate().SetValue(DateTime(5, 11, 2026).ToVariantDate());
            add.EntityRef().ListID().SetValue(entry.entity);
            add.Duration().SetValue(minutes / 60, minutes % 60, 0, false);
            if (!entry.payroll.empty())
                add.PayrollItemWageRef().ListID().SetValue(entry.payroll);
            if (!entry.customer.empty())
                add.CustomerRef().FullName().SetValue(entry.customer);
            if (!entry.item.empty())
                add.ItemServiceRef().FullName().SetValue(entry.item);
            add.BillableStatus().SetValue(entry.billable);
            if (!entry.notes.empty())
                add.Notes().SetValue(entry.notes);
        });
    }

    IResponse Query(const std::wstring& entity, const DateTime& from, const DateTime& to,
                    const std::vector<std::wstring>& elements = {})
    {
        return Send([&](const IMsgSetRequest& set) {
            ITimeTrackingQuery query = set.AppendTimeTrackingQueryRq();
            query.metaData().SetValue(2);
            query.iterator().SetValue(0);
            ITimeTrackingTxnFilter filter = query.ORTimeTrackingTxnQuery().TimeTrackingTxnFilter();
            ITxnDateFilter dates =
                filter.ORDateRangeFilter().TxnDateRangeFilter().ORTxnDateRangeFilter().TxnDateFilter();
            dates.FromTxnDate().SetValue(from.ToVariantDate());
            dates.ToTxnDate().SetValue(to.ToVariantDate());
            filter.MaxReturned().SetValue(0x7FFFFFFF);
            if (!entity.empty())
                filter.TimeTrackingEntityFilter().ORTimeTrackingEntityFilter().ListIDList().Add(entity);
            for (const std::wstring& element : elements)
                query.IncludeRetElementList().Add(element);
        });
    }

    std::vector<std::wstring> TxnIds(const IResponse& response)
    {
        std::vector<std::wstring> ids;
        ITimeTrackingRetList list;
        if (response.Detail().QueryInterface(list) == S_OK)
            for (long i = 0; i < list.Count(); ++i)
                ids.push_back(list.GetAt(i).TxnID().GetValue());
        return ids;
    }

    ITimeTrackingRet Entry(const std::wstring& txnId)
    {
        IResponse response = Send([&](const IMsgSetRequest& set) {
            set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TxnIDList().Add(txnId);
        });
        ITimeTrackingRetList list;
        EXPECT_EQ(S_OK, response.Detail().QueryInterface(list));
        return list.GetAt(0);
    }

    IResponse Change(const std::wstring& txnId, const std::wstring& editSequence, int minutes)
    {
        return Send([&](const IMsgSetRequest& set) {
            ITimeTrackingMod mod = set.AppendTimeTrackingModRq();
            mod.TxnID().SetValue(txnId);
            mod.EntityRef().ListID().SetValue(L"E-ANNA");
            mod.EditSequence().SetValue(editSequence);
            mod.Duration().SetValue(minutes / 60, minutes % 60, 0, false);
        });
    }

    IResponse Delete(const std::wstring& txnId, long type = 21)
    {
        return Send([&](const IMsgSetRequest& set) {
            ITxnDel del = set.AppendTxnDelRq();
            del.TxnID().SetValue(txnId);
            del.TxnDelType().SetValue(type);
        });
    }
};

TEST_F(TimeTracking, AnAddedEntryComesBackWithEveryElementAndFreshIds)
{
    IResponse response = Add({ L"E-BO", L"Acme:Roof", L"Design", L"P-HOURLY", L"Gutters", 0 });
    EXPECT_STATUS(0, response);
    ITimeTrackingRet added;
    ASSERT_EQ(S_OK, response.Detail().QueryInterface(added));
    std::wstring txnId = added.TxnID().GetValue();
    EXPECT_NE(L"", txnId);
    EXPECT_NE(std::wstring::npos, txnId.find(L'-'));

    ITimeTrackingRet entry = Entry(txnId);
    EXPECT_EQ(added.EditSequence().GetValue(), entry.EditSequence().GetValue());
    EXPECT_EQ(DateTime(5, 11, 2026), DateTime::FromVariantDate(entry.TxnDate().GetValue()));
    EXPECT_EQ(L"E-BO", entry.EntityRef().ListID().GetValue());
    EXPECT_EQ(L"Bo Dahl", entry.EntityRef().FullName().GetValue());
    EXPECT_EQ(L"C-ROOF", entry.CustomerRef().ListID().GetValue());
    EXPECT_EQ(L"Acme:Roof", entry.CustomerRef().FullName().GetValue());
    EXPECT_EQ(L"Design", entry.ItemServiceRef().FullName().GetValue());
    EXPECT_EQ(L"Hourly", entry.PayrollItemWageRef().FullName().GetValue());
    EXPECT_EQ(L"2:15", DurationOf(entry));
    EXPECT_EQ(L"Gutters", entry.Notes().GetValue());
    EXPECT_EQ(0, entry.BillableStatus().GetValue());
}

TEST_F(TimeTracking, TheTraceListsEveryFieldSetInOrder)
{
    RequestTrace();
    Add({ L"E-BO", L"", L"", L"", L"", 1 }, 59);
    std::vector<std::wstring> trace = RequestTrace();
    ASSERT_EQ(1u, trace.size());
    EXPECT_EQ(L"US 6.0 TimeTrackingAdd: TxnDate=\"2026-11-05\"; EntityRef.ListID=\"E-BO\"; "
              L"Duration=\"PT0H59M0S\"; BillableStatus=1",
              trace[0]);
}

TEST_F(TimeTracking, AddsAreRefusedWithTheStatusAndTheReferenceQuoted)
{
    struct Case {
        const char* name;
        EntryToAdd entry;
        long status;
        const wchar_t* quoted;
    } cases[] = {
        { "unknown entity", { L"E-NOBODY", L"", L"", L"", L"", 1 }, 3140, L"\"E-NOBODY\"" },
        { "unknown payroll item", { L"E-BO", L"", L"", L"P-GONE", L"", 1 }, 3140, L"\"P-GONE\"" },
        { "unknown customer", { L"E-BO", L"Nobody Inc", L"Design", L"", L"", 0 }, 3140, L"\"Nobody Inc\"" },
        { "item of another kind", { L"E-BO", L"Acme", L"Part", L"", L"", 0 }, 3140, L"\"Part\"" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        IResponse response = Add(test.entry);
        EXPECT_STATUS(test.status, response);
        EXPECT_NE(std::wstring::npos, response.StatusMessage().find(test.quoted));
        EXPECT_TRUE(response.Detail().IsNull());
    }
}

TEST_F(TimeTracking, WithTimeTrackingOffEveryAddGets3250BeforeItsReferencesAreChecked)
{
    Seed("{'Preferences':{'TimeTrackingEnabled':false}}");
    EXPECT_STATUS(3250, Add({ L"0", L"", L"", L"", L"", 1 }));
    Seed("{}");
    EXPECT_STATUS(3140, Add({ L"0", L"", L"", L"", L"", 1 }));
}

TEST_F(TimeTracking, QueriesFilterByEntityAndInclusiveDatesInDateOrder)
{
    EXPECT_EQ((std::vector<std::wstring> { L"T-1", L"T-2" }),
              TxnIds(Query(L"E-ANNA", DateTime(2, 11, 2026), DateTime(30, 11, 2026))));
    EXPECT_EQ((std::vector<std::wstring> { L"T-1", L"T-4", L"T-2", L"T-3" }),
              TxnIds(Query(L"", DateTime(1, 11, 2026), DateTime(31, 12, 2026))));
    EXPECT_STATUS(0, Add({ L"V-SPARK", L"", L"", L"", L"", 1 }));  // a vendor's time
    EXPECT_EQ(1u, TxnIds(Query(L"V-SPARK", DateTime(5, 11, 2026), DateTime(5, 11, 2026))).size());
    IResponse none = Query(L"E-BO", DateTime(1, 12, 2026), DateTime(31, 12, 2026));
    EXPECT_STATUS(1, none);
    EXPECT_TRUE(none.Detail().IsNull());
}

TEST_F(TimeTracking, OnlyTheIncludedElementsAreReturned)
{
    IResponse response = Query(L"E-ANNA", DateTime(2, 11, 2026), DateTime(2, 11, 2026), { L"TxnID", L"Duration" });
    ITimeTrackingRetList list;
    ASSERT_EQ(S_OK, response.Detail().QueryInterface(list));
    ITimeTrackingRet entry = list.GetAt(0);
    EXPECT_EQ(L"T-1", entry.TxnID().GetValue());
    EXPECT_EQ(L"8:00", DurationOf(entry));
    EXPECT_TRUE(entry.EditSequence().IsNull());
    EXPECT_TRUE(entry.TxnDate().IsNull());
}

TEST_F(TimeTracking, AChangeNeedsTheCurrentEditSequenceAndKeepsWhatItDoesNotSend)
{
    std::wstring sequence = Entry(L"T-1").EditSequence().GetValue();
    EXPECT_STATUS(3200, Change(L"T-1", sequence + L"0", 30));
    EXPECT_STATUS(3120, Change(L"T-GONE", sequence, 30));

    IResponse changed = Change(L"T-1", sequence, 90);
    EXPECT_STATUS(0, changed);
    ITimeTrackingRet entry = Entry(L"T-1");
    EXPECT_NE(sequence, entry.EditSequence().GetValue());
    EXPECT_EQ(L"1:30", DurationOf(entry));
    EXPECT_EQ(DateTime(2, 11, 2026), DateTime::FromVariantDate(entry.TxnDate().GetValue()));
    EXPECT_STATUS(3200, Change(L"T-1", sequence, 60));
}

TEST_F(TimeTracking, AChangeBehindTheProgramsBackMakesItsEditSequenceOutdated)
{
    std::wstring sequence = Entry(L"T-2").EditSequence().GetValue();
    ASSERT_TRUE(QbSim::Control::Edit(L"TimeEntries", L"T-2", L"{\"BillableStatus\":2}"));
    EXPECT_EQ(2, Entry(L"T-2").BillableStatus().GetValue());
    EXPECT_STATUS(3200, Change(L"T-2", sequence, 60));
}

TEST_F(TimeTracking, DeletesTakeTimeTrackingTransactionsOnly)
{
    EXPECT_STATUS(3120, Delete(L"T-1", 20));
    IResponse deleted = Delete(L"T-1");
    EXPECT_STATUS(0, deleted);
    ITxnDelRet ret;
    ASSERT_EQ(S_OK, deleted.Detail().QueryInterface(ret));
    EXPECT_EQ(L"T-1", ret.TxnID().GetValue());
    EXPECT_STATUS(3120, Delete(L"T-1"));
    EXPECT_EQ(L"US 6.0 TxnDel: TxnID=\"T-1\"; TxnDelType=21", RequestTrace().back());
}

TEST_F(TimeTracking, BilledEntriesAreRefusedOnlyWhenTheCompanySaysSo)
{
    Seed(std::string(kCompany).substr(0, std::string(kCompany).size() - 1) +
         ",'Simulator':{'BilledChangeStatus':3170}}");
    QbSim::Control::Edit(L"TimeEntries", L"T-3", L"{\"BillableStatus\":2}");
    EXPECT_STATUS(3170, Delete(L"T-3"));
    EXPECT_STATUS(3170, Change(L"T-3", Entry(L"T-3").EditSequence().GetValue(), 5));
    EXPECT_STATUS(0, Delete(L"T-4"));
}

}  // namespace

}  // namespace QbSimTest
