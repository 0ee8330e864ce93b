// Round trips through the late-bound wrappers (every member found by name through IDispatch)
// against the simulator registered in this process, and the share of each that is the
// simulator's own answer. Later benchmarks of the connector subtract these figures.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/Clock.h"
#include "connectors/quickbooks/qbfc/Session.h"
#include "core/DateTime.h"
#include "tools/qbsim/ClassFactory.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"
#include "tools/qbsim/Simulator.h"

namespace {

using namespace Quorvane::Qbfc;
using QbSim::Json;
using Quorvane::DateSpan;
using Quorvane::DateTime;

using Bench::Seconds;

// Milliseconds per call of `request`, the best of five batches.
double BestMilliseconds(int perBatch, const std::function<void()>& request)
{
    double best = 1e30;
    for (int batch = 0; batch < 5; ++batch) {
        QbSim::Control::ClearTrace();  // the trace keeps every request; keep its growth out
        double start = Seconds();
        for (int i = 0; i < perBatch; ++i)
            request();
        double elapsed = (Seconds() - start) * 1000.0 / perBatch;
        best = elapsed < best ? elapsed : best;
    }
    return best;
}

Json Reference(const std::wstring& listId)
{
    Json ref = Json::MakeObject();
    ref.Set(L"ListID", listId);
    return ref;
}

std::wstring EmployeeId(int index)
{
    return L"E-" + std::to_wstring(index);
}

// `employees` employees, one customer and one service item; one entry a day for each
// employee, from `firstDay` on, `entries` in all.
Json MakeCompany(int employees, int entries, const DateTime& firstDay)
{
    Json company = Json::MakeObject();
    Json staff = Json::MakeArray();
    for (int e = 0; e < employees; ++e) {
        Json employee = Reference(EmployeeId(e));
        employee.Set(L"FirstName", L"Worker" + std::to_wstring(e));
        staff.Push(employee);
    }
    Json customer = Reference(L"C-1");
    customer.Set(L"Name", L"Harbor Lane");
    Json item = Reference(L"I-1");
    item.Set(L"Name", L"Framing");
    item.Set(L"Kind", 0);
    Json timeEntries = Json::MakeArray();
    for (int i = 0; i < entries; ++i) {
        Json entry = Json::MakeObject();
        entry.Set(L"TxnID", L"T-" + std::to_wstring(i));
        entry.Set(L"EditSequence", L"1");
        entry.Set(L"TxnDate", firstDay.Add(DateSpan::Days(i / employees)).ToString());
        entry.Set(L"EntityRef", Reference(EmployeeId(i % employees)));
        entry.Set(L"CustomerRef", Reference(L"C-1"));
        entry.Set(L"ItemServiceRef", Reference(L"I-1"));
        entry.Set(L"Duration", L"PT8H0M0S");
        timeEntries.Push(entry);
    }
    company.Set(L"Employees", staff);
    Json customers = Json::MakeArray();
    customers.Push(customer);
    company.Set(L"Customers", customers);
    Json items = Json::MakeArray();
    items.Push(item);
    company.Set(L"Items", items);
    company.Set(L"TimeEntries", timeEntries);
    return company;
}

// {name: inner}
Json Wrapped(const wchar_t* name, const Json& inner)
{
    Json outer = Json::MakeObject();
    outer.Set(name, inner);
    return outer;
}

// The request the simulator receives for the query below.
Json QueryRequest(const std::wstring& employee, const DateTime& from, const DateTime& to)
{
    Json range = Json::MakeObject();
    range.Set(L"FromTxnDate", from.ToString());
    range.Set(L"ToTxnDate", to.ToString());
    Json ids = Json::MakeArray();
    ids.Push(Json(employee));
    Json filter = Json::MakeObject();
    filter.Set(L"ORDateRangeFilter",
               Wrapped(L"TxnDateRangeFilter", Wrapped(L"ORTxnDateRangeFilter", Wrapped(L"TxnDateFilter", range))));
    filter.Set(L"TimeTrackingEntityFilter", Wrapped(L"ORTimeTrackingEntityFilter", Wrapped(L"ListIDList", ids)));
    Json choice = Json::MakeObject();
    choice.Set(L"TimeTrackingTxnFilter", filter);
    Json request = Json::MakeObject();
    request.Set(L"ORTimeTrackingTxnQuery", choice);
    return request;
}

// A time-entry query as the connector sends it, reading what it reads of every entry.
long QueryRoundTrip(const IQBSessionManager& session, const std::wstring& employee, const DateTime& from,
                    const DateTime& to)
{
    IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
    ITimeTrackingTxnFilter filter = set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TimeTrackingTxnFilter();
    ITxnDateFilter dates = filter.ORDateRangeFilter().TxnDateRangeFilter().ORTxnDateRangeFilter().TxnDateFilter();
    dates.FromTxnDate().SetValue(from.ToVariantDate());
    dates.ToTxnDate().SetValue(to.ToVariantDate());
    filter.TimeTrackingEntityFilter().ORTimeTrackingEntityFilter().ListIDList().Add(employee);
    IResponse response = session.DoRequests(set).ResponseList().GetAt(0);
    ITimeTrackingRetList entries;
    if (response.StatusCode() != 0 || response.Detail().QueryInterface(entries) != S_OK)
        return 0;
    long count = entries.Count();
    for (long i = 0; i < count; ++i) {
        ITimeTrackingRet entry = entries.GetAt(i);
        entry.TxnID().GetValue();
        entry.EditSequence().GetValue();
        entry.TxnDate().GetValue();
        entry.EntityRef().ListID().GetValue();
        short hours, minutes, seconds;
        bool negative;
        entry.Duration().GetValue(hours, minutes, seconds, negative);
    }
    return count;
}

const wchar_t kNotes[] = L"Framed the north wall";

Json AddRequest(const DateTime& day)
{
    Json request = Json::MakeObject();
    request.Set(L"TxnDate", day.ToString());
    request.Set(L"EntityRef", Reference(EmployeeId(3)));
    request.Set(L"CustomerRef", Reference(L"C-1"));
    request.Set(L"ItemServiceRef", Reference(L"I-1"));
    request.Set(L"Duration", L"PT7H30M0S");
    request.Set(L"Notes", kNotes);
    request.Set(L"BillableStatus", 0);
    return request;
}

// A time-entry add as the connector sends it; the new entry's TxnID and EditSequence read back.
bool AddRoundTrip(const IQBSessionManager& session, const DateTime& day)
{
    IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
    ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
    add.TxnDate().SetValue(day.ToVariantDate());
    add.EntityRef().ListID().SetValue(EmployeeId(3));
    add.CustomerRef().ListID().SetValue(L"C-1");
    add.ItemServiceRef().ListID().SetValue(L"I-1");
    add.Duration().SetValue(7, 30, 0, false);
    add.Notes().SetValue(kNotes);
    add.BillableStatus().SetValue(0);
    IResponse response = session.DoRequests(set).ResponseList().GetAt(0);
    ITimeTrackingRet entry;
    if (response.StatusCode() != 0 || response.Detail().QueryInterface(entry) != S_OK)
        return false;
    entry.TxnID().GetValue();
    entry.EditSequence().GetValue();
    return true;
}

double AnswerMilliseconds(int perBatch, const wchar_t* kind, const Json& request)
{
    return BestMilliseconds(perBatch, [&] { QbSim::Simulator::Instance().Answer(kind, request); });
}

// What lies outside the answer is the wrappers, dispatch by name and the simulator's request
// and response objects: the part a faster simulator would not remove.
void PrintRoundTrip(const char* what, double roundTrip, double answer)
{
    std::printf("%s: %.3f ms a request; the simulator's answer %.3f ms, outside it %.3f ms\n", what, roundTrip, answer,
                roundTrip - answer);
}

void RoundTrips(const IQBSessionManager& session)
{
    const DateTime march(1, 3, 2026), marchEnd(31, 3, 2026);
    QbSim::Control::Seed(MakeCompany(10, 10 * 31, march).Write());
    const int perBatch = 200;

    struct Query {
        const char* what;
        DateTime to;
        long expected;
    };
    const Query queries[] = { { "time-entry query, 1 entry answered   ", march, 1 },
                              { "time-entry query, 31 entries answered", marchEnd, 31 } };
    for (const Query& query : queries) {
        long count = QueryRoundTrip(session, EmployeeId(3), march, query.to);
        double roundTrip = BestMilliseconds(perBatch, [&] { QueryRoundTrip(session, EmployeeId(3), march, query.to); });
        Json request = QueryRequest(EmployeeId(3), march, query.to);
        double answer = AnswerMilliseconds(perBatch, L"TimeTrackingQuery", request);
        PrintRoundTrip(query.what, roundTrip, answer);
        if (count != query.expected)
            std::printf("  but the query answered %ld entries\n", count);
    }

    if (!AddRoundTrip(session, march))
        std::printf("the simulator refused the add\n");
    double roundTrip = BestMilliseconds(perBatch, [&] { AddRoundTrip(session, march); });
    double answer = AnswerMilliseconds(perBatch, L"TimeTrackingAdd", AddRequest(march));
    PrintRoundTrip("time-entry add                       ", roundTrip, answer);
}

// The simulator alone, as the connector's large imports meet it: one month of one employee
// among 100,000 entries must come from the index, not a scan.
void LargeCompanyQuery()
{
    const int employees = 200, entries = 100000;
    double start = Seconds();
    QbSim::Control::Seed(MakeCompany(employees, entries, DateTime(1, 1, 2025)).Write());
    std::printf("seeded %d employees and %d entries in %.2f s\n", employees, entries, Seconds() - start);

    Json request = QueryRequest(EmployeeId(17), DateTime(1, 3, 2026), DateTime(31, 3, 2026));
    size_t found = QbSim::Simulator::Instance().Answer(L"TimeTrackingQuery", request).GetPath(L"Detail.@items").Size();
    double answer = AnswerMilliseconds(20, L"TimeTrackingQuery", request);
    std::printf("simulator's own time, time-entry query for one employee and one month of %d entries: %.3f ms "
                "(%s 5 ms)\n",
                entries, answer, answer < 5.0 ? "under" : "NOT under");
    if (found != 31)
        std::printf("  but the query answered %u entries, not 31\n", static_cast<unsigned>(found));
}

}  // namespace

int main()
{
    CoInitializeEx(0, COINIT_APARTMENTTHREADED);
    QbSim::Control::Reset();
    DWORD cookie = 0;
    IQBSessionManager session;
    if (QbSim::RegisterInProcess(CLSCTX_INPROC_SERVER, &cookie) != S_OK || FAILED(CreateQBSessionManager(session))) {
        std::printf("the simulator could not be reached\n");
        return 1;
    }
    int result = 0;
    try {
        session.OpenConnection(L"Quorvane Pellworth", L"Quorvane Pellworth");
        session.BeginSession(L"", 2);
        RoundTrips(session);
        session.EndSession();
        session.CloseConnection();
        LargeCompanyQuery();
    } catch (const _com_error& error) {
        std::printf("COM error 0x%08lX\n", static_cast<unsigned long>(error.Error()));
        result = 1;
    }
    session = IQBSessionManager();
    QbSim::RevokeInProcess(cookie);
    QbSim::Control::Reset();
    CoUninitialize();
    return result;
}
