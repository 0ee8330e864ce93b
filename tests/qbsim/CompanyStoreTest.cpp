// The company behind every session: kept in a file that survives restarts and outside
// changes, shared by session managers on several threads, and quick to query when large.
#include <atomic>
#include <set>
#include <stdexcept>
#include <thread>

#include "core/DateTime.h"
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/ClassFactory.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"
#include "tools/qbsim/Simulator.h"

namespace QbSimTest {

namespace {

using QbSim::Json;
using Quorvane::DateTime;

std::wstring TemporaryFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + name + std::to_wstring(GetCurrentProcessId()) + L".json";
    DeleteFileW(path.c_str());
    return path;
}

void WriteText(const std::wstring& path, const std::string& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, 0);
    CloseHandle(file);
}

class CompanyStore : public SimulatorSession {
protected:
    std::wstring CompanyName()
    {
        ICompanyRet company;
        Send([](const IMsgSetRequest& set) { set.AppendCompanyQueryRq(); }).Detail().QueryInterface(company);
        return company.CompanyName().GetValue();
    }

    IResponse AddCustomer(const std::wstring& name)
    {
        return Send([&](const IMsgSetRequest& set) { set.AppendCustomerAddRq().Name().SetValue(name); });
    }
};

TEST_F(CompanyStore, TheCompanyFileKeepsEveryChangeAndIsReadAgainWhenChangedOutside)
{
    std::wstring path = TemporaryFile(L"qbsim-company-");
    QbSim::Control::UseCompanyFile(path);
    EXPECT_STATUS(0, AddCustomer(L"Acme"));
    QbSim::Control::Reset();
    QbSim::Control::UseCompanyFile(path);
    EXPECT_STATUS(3100, AddCustomer(L"acme"));

    WriteText(path + L".tmp", "{half a comp");  // a save cut short leaves the company intact
    WriteText(path, "{\"CompanyName\":\"Changed outside\",\"Customers\":[]}");
    EXPECT_EQ(L"Changed outside", CompanyName());
    EXPECT_STATUS(0, AddCustomer(L"Acme"));
    Json saved = Json::Parse(QbSim::Control::Snapshot());
    EXPECT_EQ(L"Acme", saved.Get(L"Customers").At(0).Get(L"Name").AsString());
    QbSim::Control::UseCompanyFile(L"");
    DeleteFileW(path.c_str());
    DeleteFileW((path + L".tmp").c_str());
}

TEST_F(CompanyStore, ACompanyFileThatCannotBeReadIsReportedAndNotOverwritten)
{
    std::wstring path = TemporaryFile(L"qbsim-locked-");
    WriteText(path, "{\"CompanyName\":\"On disk\",\"Customers\":[{\"Name\":\"Acme\"}]}");
    HANDLE locked = CreateFileW(path.c_str(), GENERIC_READ, 0, 0, OPEN_EXISTING, 0, 0);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_THROW(QbSim::Control::UseCompanyFile(path), std::runtime_error);
    std::pair<HRESULT, std::wstring> error = ComErrorOf([&] { AddCustomer(L"Bolt"); });
    EXPECT_EQ(E_FAIL, error.first);
    EXPECT_EQ(L"qbsim: cannot read the company file", error.second);
    CloseHandle(locked);

    // Once readable, the file is read before the first change, so nothing on disk is lost.
    EXPECT_STATUS(0, AddCustomer(L"Bolt"));
    Json saved = Json::Parse(QbSim::Control::Snapshot());
    EXPECT_EQ(L"On disk", saved.Get(L"CompanyName").AsString());
    EXPECT_EQ(2u, saved.Get(L"Customers").Size());
    QbSim::Control::UseCompanyFile(L"");
    DeleteFileW(path.c_str());
}

TEST_F(CompanyStore, SessionManagersOnTwoThreadsShareOneCompany)
{
    Seed("{'Employees':[{'ListID':'E-ANNA','FirstName':'Anna'}]}");
    std::atomic<int> failures(0);
    auto worker = [&failures]() {
        CoInitializeEx(0, COINIT_MULTITHREADED);
        try {
            IClassFactory* factory = QbSim::CreateSessionManagerFactory();
            IDispatch* manager = 0;
            factory->CreateInstance(0, IID_IDispatch, reinterpret_cast<void**>(&manager));
            factory->Release();
            IQBSessionManager session(manager);
            manager->Release();
            session.OpenConnection(L"id", L"name");
            session.BeginSession(L"", 2);
            for (int i = 0; i < 25; ++i) {
                IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
                ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
                add.TxnDate().SetValue(DateTime(3, 11, 2026).ToVariantDate());
                add.EntityRef().ListID().SetValue(L"E-ANNA");
                add.Duration().SetValue(1, 0, 0, false);
                if (session.DoRequests(set).ResponseList().GetAt(0).StatusCode() != 0)
                    ++failures;
            }
        } catch (...) {
            ++failures;
        }
        CoUninitialize();
    };
    std::thread first(worker), second(worker);
    first.join();
    second.join();
    EXPECT_EQ(0, failures.load());

    ITimeTrackingRetList entries;
    ASSERT_EQ(
        S_OK,
        Send([](const IMsgSetRequest& set) {
            set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TimeTrackingTxnFilter().MaxReturned().SetValue(
                1000);
        })
            .Detail()
            .QueryInterface(entries));
    std::set<std::wstring> ids;
    for (long i = 0; i < entries.Count(); ++i)
        ids.insert(entries.GetAt(i).TxnID().GetValue());
    EXPECT_EQ(50u, ids.size());
}

TEST_F(CompanyStore, AMonthOfOneEmployeeIsFoundAmongManyEntries)
{
    Json company = Json::MakeObject();
    Json employees = Json::MakeArray();
    Json entries = Json::MakeArray();
    for (int e = 0; e < 200; ++e) {
        Json employee = Json::MakeObject();
        employee.Set(L"ListID", L"E-" + std::to_wstring(e));
        employee.Set(L"FirstName", L"Worker" + std::to_wstring(e));
        employees.Push(employee);
    }
    for (int i = 0; i < 100000; ++i) {
        Json entry = Json::MakeObject();
        entry.Set(L"TxnID", L"T-" + std::to_wstring(i));
        entry.Set(L"TxnDate", DateTime(1, 1, 2025).Add(Quorvane::DateSpan::Days(i / 200)).ToString());
        Json entity = Json::MakeObject();
        entity.Set(L"ListID", L"E-" + std::to_wstring(i % 200));
        entry.Set(L"EntityRef", entity);
        entry.Set(L"Duration", L"PT8H0M0S");
        entries.Push(entry);
    }
    company.Set(L"Employees", employees);
    company.Set(L"TimeEntries", entries);
    QbSim::Control::Seed(company.Write());

    Json request =
        Json::Parse(L"{\"ORTimeTrackingTxnQuery\":{\"TimeTrackingTxnFilter\":{"
                    L"\"ORDateRangeFilter\":{\"TxnDateRangeFilter\":{\"ORTxnDateRangeFilter\":{\"TxnDateFilter\":"
                    L"{\"FromTxnDate\":\"2026-03-01\",\"ToTxnDate\":\"2026-03-31\"}}}},"
                    L"\"TimeTrackingEntityFilter\":{\"ORTimeTrackingEntityFilter\":{\"ListIDList\":[\"E-17\"]}}}}}");
    Json response = QbSim::Simulator::Instance().Answer(L"TimeTrackingQuery", request);
    const Json& found = response.GetPath(L"Detail.@items");
    ASSERT_EQ(31u, found.Size());
    for (size_t i = 0; i < found.Size(); ++i) {
        EXPECT_EQ(L"E-17", found.At(i).GetPath(L"EntityRef.ListID").AsString());
        EXPECT_EQ(DateTime(1 + static_cast<int>(i), 3, 2026).ToString(), found.At(i).Get(L"TxnDate").AsString());
    }
}

}  // namespace

}  // namespace QbSimTest
