// The import as the user runs it: a load from the demo server into the simulated company, the
// employee selected, the import started through the controller and its posts run on this thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

#include "ControllerFixture.h"
#include "DemoChloe.h"
#include "TestCompany.h"
#include "core/CompanyConfig.h"
#include "core/DateTime.h"
#include "core/PostToThread.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/QuickBooksWindows.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;
// (date, duration) -> how many entries QuickBooks holds with them.
typedef std::map<std::pair<std::wstring, std::wstring>, int> EntryCounts;

EntryCounts ServerEntries()
{
    EntryCounts expected;
    for (int day = 0; day < 2; ++day) {
        const std::wstring date = kMonday.Add(DateSpan::Days(day)).ToString();
        expected[std::make_pair(date, std::wstring(L"PT7H0M0S"))] = 1;
        expected[std::make_pair(date, std::wstring(L"PT1H0M0S"))] = 1;
    }
    return expected;
}

class LiveImport : public LiveLoad {
protected:
    void SetUp() override
    {
        LiveLoad::SetUp();
        Restart();
    }

    // A company without Chloë's entries, no faults, a fresh controller.
    void Restart()
    {
        QbSim::Control::ClearFaults();
        Seed(
            "{'CompanyName':'Sim Co',"
            " 'Preferences':{'TimeTrackingEnabled':true,'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
            " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8}],"
            " 'Employees':[{'ListID':'E-CHLOE','EditSequence':'1','FirstName':'Chloe','LastName':'Lefevre'}],"
            " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}]}");
        ASSERT_TRUE(SaveConfig(L"Sim Co", ChloeOnly()));
        MakeController();
    }

    boost::shared_ptr<Config> ChloeOnly()
    {
        boost::shared_ptr<Config> config = DemoSettings(L"secret", false);
        ImportOnlyChloe(config);
        return config;
    }

    void LoadAndSelect()
    {
        m_controller->ReloadData();
        const Calls shown = Settle();
        ASSERT_FALSE(shown.empty());
        ASSERT_EQ("RefreshSummary()", shown.back()) << ::testing::PrintToString(shown);
        m_controller->SelectEmployee(kChloe, true);
    }

    // Runs one import to its end and returns what it showed; Writes() then gives what it wrote.
    Calls Import(bool checkAbsent = true)
    {
        Trace();
        m_controller->StartImport(checkAbsent);
        return Finished();
    }

    Calls Finished()
    {
        EXPECT_TRUE(m_controller->WaitForImportIdle(30000));
        PumpFor(100);
        return m_view->Take();
    }

    // The adds, changes and deletes QuickBooks received since the trace was last read.
    Lines Writes() { return Requests({ L"TimeTrackingAdd", L"TimeTrackingMod", L"TxnDel" }); }

    // The requests of these kinds since the trace was last read.
    Lines Requests(std::initializer_list<const wchar_t*> kinds)
    {
        Lines requests;
        for (const std::wstring& line : RequestTrace()) {
            for (const wchar_t* kind : kinds)
                if (line.find(kind) == 0)
                    requests.push_back(line);
        }
        return requests;
    }

    static QbSim::Json QuickBooksRecord(const wchar_t* list, const std::wstring& id)
    {
        const QbSim::Json company = QbSim::Json::Parse(QbSim::Control::Snapshot());
        for (const QbSim::Json& record : company.Get(list).Items()) {
            if (record.Get(L"ListID").AsString() == id || record.Get(L"TxnID").AsString() == id)
                return record;
        }
        return QbSim::Json();
    }

    // An entry of Chloë's that the server does not have.
    static void AddQuickBooksEntry(const std::wstring& txnId, const std::wstring& duration)
    {
        QbSim::Json company = QbSim::Json::Parse(QbSim::Control::Snapshot());
        QbSim::Json entry = QbSim::Json::MakeObject();
        entry.Set(L"TxnID", txnId);
        entry.Set(L"TxnDate", kMonday.ToString());
        QbSim::Json employee = QbSim::Json::MakeObject();
        employee.Set(L"ListID", L"E-CHLOE");
        entry.Set(L"EntityRef", employee);
        entry.Set(L"Duration", duration);
        company.Find(L"TimeEntries")->Push(entry);
        QbSim::Control::Seed(company.Write());
    }

    static EntryCounts QuickBooksEntries()
    {
        EntryCounts held;
        const QbSim::Json company = QbSim::Json::Parse(QbSim::Control::Snapshot());
        for (const QbSim::Json& entry : company.Get(L"TimeEntries").Items())
            ++held[std::make_pair(entry.Get(L"TxnDate").AsString(), entry.Get(L"Duration").AsString())];
        return held;
    }

    static std::wstring QuickBooksTxnId(const std::wstring& date, const std::wstring& duration)
    {
        const QbSim::Json company = QbSim::Json::Parse(QbSim::Control::Snapshot());
        for (const QbSim::Json& entry : company.Get(L"TimeEntries").Items()) {
            if (entry.Get(L"TxnDate").AsString() == date && entry.Get(L"Duration").AsString() == duration)
                return entry.Get(L"TxnID").AsString();
        }
        return std::wstring();
    }

    std::vector<boost::shared_ptr<TimeTrackDiff>> ChloesPreview()
    {
        const boost::shared_ptr<EmployeeDiffCollection> preview = m_model->GetEmployeeDiffs();
        for (EmployeeDiffCollection::const_iterator user = preview->begin(); user != preview->end(); ++user) {
            if ((*user)->GetServerUser()->GetId() == kChloe)
                return std::vector<boost::shared_ptr<TimeTrackDiff>>((*user)->GetTimeTrackDiffs()->begin(),
                                                                     (*user)->GetTimeTrackDiffs()->end());
        }
        return std::vector<boost::shared_ptr<TimeTrackDiff>>();
    }

    // The number of Chloë's entries that the preview would still add, change or delete.
    int PendingChanges()
    {
        int pending = 0;
        for (const boost::shared_ptr<TimeTrackDiff>& diff : ChloesPreview()) {
            if (!diff->GetQuickBooksSide() || !diff->GetImportSide() || diff->IsAbsentOnServer() ||
                diff->GetQuickBooksSide()->GetMinutes() != diff->GetImportSide()->GetMinutes())
                ++pending;
        }
        return pending;
    }

    int BilledConflicts()
    {
        int conflicts = 0;
        for (const boost::shared_ptr<TimeTrackDiff>& diff : ChloesPreview())
            conflicts += diff->IsBilledConflict() != 0;
        return conflicts;
    }

    void ExpectInStep()
    {
        LoadAndSelect();
        EXPECT_EQ(0, PendingChanges());
        const Calls shown = Import();
        EXPECT_EQ(Lines(), Writes());
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ("ShowImportSucceeded()", shown.back()) << ::testing::PrintToString(shown);
        EXPECT_EQ(ServerEntries(), QuickBooksEntries());
    }
};

TEST_F(LiveImport, AnImportBringsTheServersEntriesAndASecondOneWritesNothing)
{
    LoadAndSelect();
    EXPECT_EQ(4, PendingChanges());
    const Calls shown = Import();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("OnImportStarted()", shown.front());
    EXPECT_EQ("ShowImportSucceeded()", shown.back()) << ::testing::PrintToString(shown);
    EXPECT_EQ(4u, Writes().size());
    EXPECT_EQ(ServerEntries(), QuickBooksEntries());

    m_controller->OpenImportLog();
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(g_opened[0].c_str())) << g_opened[0];

    ExpectInStep();
}

struct FailedWrite {
    const char* name;
    const char* fault;
};

// Whether QuickBooks took the failed write or not, the next run finds out from the reload.
TEST_F(LiveImport, ARunFailedAtAWriteThenRunAgainEndsWithQuickBooksMatchingTheServer)
{
    const FailedWrite cases[] = {
        { "the first add refused after QuickBooks stored it",
          "{'stage':'Response','request':'TimeTrackingAdd','shape':'Status','status':3175,'message':'In use'}" },
        { "the third add lost on the way",
          "{'stage':'DoRequests','request':'TimeTrackingAdd','skip':2,'hresult':'0x80040408'}" },
    };
    for (const FailedWrite& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        LoadAndSelect();
        InjectFault(c.fault);
        Calls shown = Import();
        EXPECT_EQ(1, std::count(shown.begin(), shown.end(), "OnImportFinished()"));
        EXPECT_EQ(0, std::count(shown.begin(), shown.end(), "ShowImportSucceeded()"));

        LoadAndSelect();
        shown = Import();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ("ShowImportSucceeded()", shown.back()) << ::testing::PrintToString(shown);
        ExpectInStep();
    }
}

TEST_F(LiveImport, ABilledEntryThatDiffersIsLeftAloneAndReported)
{
    LoadAndSelect();
    Import();
    const std::wstring billed = QuickBooksTxnId(kMonday.ToString(), L"PT1H0M0S");
    ASSERT_TRUE(QbSim::Control::Edit(L"TimeEntries", billed, L"{\"BillableStatus\":2,\"Duration\":\"PT2H0M0S\"}"));

    LoadAndSelect();
    EXPECT_EQ(1, BilledConflicts());
    const Calls shown = Import();
    EXPECT_EQ(Lines(), Writes());
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowImportFailed(The time-track for some employees was not synchronized with Quorvane as it is "
              "billed. Please see log for details.)",
              shown.back());
    EXPECT_EQ(billed, QuickBooksTxnId(kMonday.ToString(), L"PT2H0M0S"));
}

// A bookkeeper bills an entry while the import runs, after the run compared QuickBooks with the
// preview: the entry's own check before its write finds it, and it is left as billed.
TEST_F(LiveImport, AnEntryBilledDuringTheRunIsNeitherChangedNorDeleted)
{
    struct Case {
        const char* name;
        std::function<std::wstring()> arrange;  // gives the TxnID of the entry to bill
    } cases[] = {
        { "a change",
          [this] {
              const std::wstring id = QuickBooksTxnId(kMonday.ToString(), L"PT1H0M0S");
              QbSim::Control::Edit(L"TimeEntries", id, L"{\"Duration\":\"PT2H0M0S\"}");
              return id;
          } },
        { "a delete",
          [this] {
              AddQuickBooksEntry(L"T-EXTRA", L"PT3H0M0S");
              boost::shared_ptr<Config> config = ChloeOnly();
              config->SetCanRemoveExistingQBTimeTrack(true);
              EXPECT_TRUE(SaveConfig(L"Sim Co", config));
              return std::wstring(L"T-EXTRA");
          } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        LoadAndSelect();
        Import();
        const std::wstring billed = c.arrange();
        LoadAndSelect();
        ASSERT_EQ(1, PendingChanges());
        const EntryCounts held = QuickBooksEntries();
        // The first time-tracking query is the run's comparison with the preview; the second,
        // the entry's own check.
        InjectFault("{'stage':'DoRequests','request':'TimeTrackingQuery','skip':1,"
                    " 'edit':{'list':'TimeEntries','id':'" +
                    std::string(billed.begin(), billed.end()) + "','patch':{'BillableStatus':2}}}");
        const Calls shown = Import(false);
        EXPECT_EQ(Lines(), Writes());
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ("ShowImportFailed(The time-track for some employees was changed in QB during import. These changes "
                  "were not replaced with import. Please see log for details.)",
                  shown.back());
        EXPECT_EQ(held, QuickBooksEntries());
        EXPECT_EQ(2, QuickBooksRecord(L"TimeEntries", billed).Get(L"BillableStatus").AsInt());
    }
}

// The first run switches Chloë's paycheck setting, then stops at an open time-entry window
// before any entry; the second, on the same preview, switches it again with the EditSequence
// that the first switch gave her, and QuickBooks takes it.
TEST_F(LiveImport, ARunAfterAPaycheckSettingSwitchUsesTheEmployeesNewEditSequence)
{
    ASSERT_TRUE(QbSim::Control::Edit(L"Employees", L"E-CHLOE",
                                     L"{\"EmployeePayrollInfo\":{\"UseTimeDataToCreatePaychecks\":0}}"));
    const std::wstring loaded = QuickBooksRecord(L"Employees", L"E-CHLOE").Get(L"EditSequence").AsString();
    LoadAndSelect();
    Calls shown;
    {
        QbSim::QuickBooksWindows quickBooks(L"Sim Co - QuickBooks Pro", Lines(1, L"Weekly Timesheet"));
        ASSERT_TRUE(quickBooks.IsOpen()) << "cannot make the stand-in QuickBooks windows; is the display usable?";
        shown = Import();
    }
    EXPECT_EQ(1, std::count_if(shown.begin(), shown.end(),
                               [](const std::string& call) {
                                   return call.find("ShowError(Window for Entering Time is Open in QB") == 0;
                               }))
        << ::testing::PrintToString(shown);
    const std::wstring switched = QuickBooksRecord(L"Employees", L"E-CHLOE").Get(L"EditSequence").AsString();
    EXPECT_NE(loaded, switched);

    shown = Import();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowImportSucceeded()", shown.back()) << ::testing::PrintToString(shown);
    EXPECT_EQ(Lines(1, L"EmployeeMod: ListID=\"E-CHLOE\"; EditSequence=\"" + switched +
                           L"\"; EmployeePayrollInfoMod.UseTimeDataToCreatePaychecks=2"),
              Requests({ L"EmployeeMod" }));
    EXPECT_EQ(ServerEntries(), QuickBooksEntries());
}

TEST_F(LiveImport, ASecondStartWhileTheFirstRunsIsIgnored)
{
    LoadAndSelect();
    Trace();
    m_controller->StartImport(true);
    m_controller->StartImport(true);
    const Calls shown = Finished();
    EXPECT_EQ(1, std::count(shown.begin(), shown.end(), "OnImportStarted()"));
    EXPECT_EQ(4u, Writes().size());
    EXPECT_EQ(ServerEntries(), QuickBooksEntries());
}

TEST_F(LiveImport, TheImportedPreviewIsNotImportedAgain)
{
    LoadAndSelect();
    Import();
    const Calls shown = Import();
    EXPECT_EQ(Lines(), Writes());
    EXPECT_EQ((Calls { "ShowError(Cannot import data, These entries were imported; reload to see what is left to "
                       "import, reload, 0)",
                       "OnImportFinished()" }),
              shown);
    ExpectInStep();
}

// A load replaces the preview a run would walk: while one runs, no import starts.
TEST_F(LiveImport, NoImportStartsWhileALoadRuns)
{
    LoadAndSelect();
    QbSim::Control::SetLatency(100);
    m_controller->ReloadData();
    m_controller->StartImport(true);
    QbSim::Control::SetLatency(0);
    const Calls shown = Settle();
    EXPECT_EQ(0, std::count(shown.begin(), shown.end(), "OnImportStarted()"));
    // The view, which disabled its import button for the click, gets it back.
    EXPECT_EQ(1, std::count(shown.begin(), shown.end(), "OnImportFinished()"));
    EXPECT_EQ(EntryCounts(), QuickBooksEntries());
    EXPECT_EQ(4, PendingChanges());
}

// Nothing that would change the data under a run starts while it goes: no reload, no dialog, no
// new period. A refusal answers at once: a wait on this thread would run the calls posted to it.
TEST_F(LiveImport, RequestsDuringTheImportAreRefusedAtOnce)
{
    LoadAndSelect();
    const DateRange loaded = m_model->GetConfig()->GetPeriod();
    // QuickBooks slow enough that the run is still at its first request when the requests come.
    QbSim::Control::SetLatency(1000);
    m_controller->StartImport(true);
    bool postedCallRan = false;
    PostToThread(GetCurrentThreadId(), [&postedCallRan] { postedCallRan = true; });
    m_controller->ShowPreview(kChloe, true);
    m_controller->ShowMissingData();
    m_controller->OpenSettings();
    m_controller->ReloadData();
    DateRange other = loaded;
    other.SetEnd(loaded.GetEnd().Add(DateSpan::OneDay()));
    m_controller->ChangeDateRange(other);
    EXPECT_FALSE(postedCallRan);
    QbSim::Control::SetLatency(0);

    const Calls shown = Finished();
    EXPECT_TRUE(postedCallRan);
    EXPECT_EQ(0, m_dialogs.shown);
    EXPECT_EQ(0, std::count(shown.begin(), shown.end(), "RefreshSummary()")) << ::testing::PrintToString(shown);
    EXPECT_EQ(loaded, m_model->GetConfig()->GetPeriod());
    EXPECT_EQ(ServerEntries(), QuickBooksEntries());
}

}  // namespace
