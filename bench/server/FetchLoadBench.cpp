// The load of a company of 200 users x 31 days x 4 entries from the demo server, under Wine:
// entries per second of the whole fetch, the program's own work (parsing and conversion)
// against the time spent waiting for the server, and peak memory. Then the per-user requests
// one by one, against the demo server and against the same server with the system's TCP
// defaults (Nagle's algorithm, delayed acknowledgements): what each costs beyond the server's
// own time to answer.
// Run through run_fetch_load.sh, which starts both demo servers with the generated company.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "bench/Clock.h"
#include "connectors/server/HttpClient.h"
#include "connectors/server/JsonReading.h"
#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/RpcReplies.h"
#include "connectors/server/RpcRequests.h"
#include "connectors/server/TimeTrackConversion.h"

using namespace Quorvane;
using namespace Quorvane::Connectors::QVConnector;

namespace {

const DateTime kStart(1, 1, 2024);
const DateTime kEnd(31, 1, 2024);
const int kRuns = 5;

using Bench::Median;
using Bench::Seconds;

std::wstring ServerAddress(const wchar_t* name)
{
    wchar_t address[512] = {};
    GetEnvironmentVariableW(name, address, sizeof(address) / sizeof(address[0]));
    return address;
}

size_t CountEntries(const EmployeeCollection& employees)
{
    size_t entries = 0;
    for (const boost::shared_ptr<Employee>& employee : employees)
        entries += employee->GetTimeTrackRecords()->Count();
    return entries;
}

// The whole fetch as the load runs it: requests, waiting, parsing and conversion.
double FullFetch(const std::wstring& address, size_t& entries)
{
    QuorvaneConnector connector;
    ConnectionOptions options;
    options.url = address;
    options.userName = L"user1";
    options.password = L"secret";
    connector.SetConnectionOptions(options);
    connector.Connect();
    double start = Seconds();
    boost::shared_ptr<EmployeeCollection> employees = connector.GetUsersTimeTrack(kStart, kEnd);
    double elapsed = Seconds() - start;
    entries = CountEntries(*employees);
    return elapsed;
}

// The same requests through the transport alone: the time spent waiting for the server. The
// demo server runs with --no-auth, so no login is needed here. Keeps the replies.
double TransportOnly(const std::wstring& address, std::vector<std::wstring>& timeTrackReplies)
{
    Url url = Url::Parse(address);
    HttpClient http;
    http.Open(url.scheme, url.host, url.port);
    double start = Seconds();
    std::wstring idsReply = http.SendRequest(L"POST", url.path, L"", RpcRequest::GetUsersToImport(kStart, kEnd));
    std::vector<int> ids = RpcReply::ReadUsersToImport(RpcReply::Parse(idsReply));
    http.SendRequest(L"POST", url.path, L"", RpcRequest::GetUsersInfoWithDuplicates(ids));
    timeTrackReplies.clear();
    for (int id : ids)
        timeTrackReplies.push_back(
            http.SendRequest(L"POST", url.path, L"", RpcRequest::GetUserTimeTrack(std::to_wstring(id), kStart, kEnd)));
    return Seconds() - start;
}

struct ProgramTimes {
    ProgramTimes() : parse(0), read(0), conversion(0), freeing(0) {}
    double Total() const { return parse + read + conversion + freeing; }
    double parse;
    double read;
    double conversion;
    double freeing;
};

// Parsing, reading and conversion of the time-track replies with no server in the way, one reply
// after the other as the fetch does it: each parsed reply and its reply records are freed before
// the next, and the employees are kept until the end.
ProgramTimes ProgramOnly(const std::vector<std::wstring>& timeTrackReplies)
{
    ProgramTimes times;
    EmployeeCollection employees;
    TimeTrackConverter converter(kStart, kEnd);
    for (const std::wstring& reply : timeTrackReplies) {
        double start = Seconds(), parsedAt, readAt, convertedAt;
        {
            json::value parsed = RpcReply::Parse(reply);
            parsedAt = Seconds();
            QVUserTimeTrack timeTrack = RpcReply::ReadUserTimeTrack(parsed);
            readAt = Seconds();
            boost::shared_ptr<Employee> employee(new Employee);
            converter.AddTimeTrack(*employee, std::move(timeTrack));
            employees.Add(employee);
            convertedAt = Seconds();
        }
        times.parse += parsedAt - start;
        times.read += readAt - parsedAt;
        times.conversion += convertedAt - readAt;
        times.freeing += Seconds() - convertedAt;
    }
    return times;
}

std::wstring ControlCommand(HttpClient& http, const wchar_t* command)
{
    return http.SendRequest(L"POST", L"/control", L"", std::wstring(L"{\"command\":\"") + command + L"\"}");
}

// The demo server's own time for each request it recorded, in seconds.
std::vector<double> ServerSeconds(HttpClient& http)
{
    std::vector<double> seconds;
    json::value reply = RpcReply::Parse(ControlCommand(http, L"requests"));
    JsonReading::ForEachElement(JsonReading::Member(reply, "requests"), [&](const json::value& request) {
        seconds.push_back(std::wcstod(JsonReading::Member(request, "seconds").to_string(0).c_str(), NULL));
    });
    return seconds;
}

struct RequestCosts {
    double request;  // median of the requests as the program waits for them
    double server;  // median of the server's own time to answer them
};

// Each user's time-track request on its own, as the load sends them, timed one by one.
RequestCosts PerUserRequests(const std::wstring& address)
{
    Url url = Url::Parse(address);
    HttpClient http;
    http.Open(url.scheme, url.host, url.port);
    std::vector<int> ids = RpcReply::ReadUsersToImport(
        RpcReply::Parse(http.SendRequest(L"POST", url.path, L"", RpcRequest::GetUsersToImport(kStart, kEnd))));
    if (ids.empty())
        throw std::runtime_error("no users to fetch");
    ControlCommand(http, L"clear");
    std::vector<double> requests;
    for (int id : ids) {
        double start = Seconds();
        if (http.SendRequest(L"POST", url.path, L"", RpcRequest::GetUserTimeTrack(std::to_wstring(id), kStart, kEnd))
                .empty())
            throw std::runtime_error("a per-user request failed");
        requests.push_back(Seconds() - start);
    }
    std::vector<double> server = ServerSeconds(http);
    if (server.size() != ids.size())
        throw std::runtime_error("the server recorded other requests");
    RequestCosts costs = { Median(requests), Median(server) };
    return costs;
}

void PrintRequestCosts(const char* server, const RequestCosts& costs)
{
    std::printf("  %-34s %6.2f ms each, the server's own %5.2f ms, the program's side %6.2f ms\n", server,
                costs.request * 1000, costs.server * 1000, (costs.request - costs.server) * 1000);
}

void PrintPeakMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    std::printf("peak memory: working set %.1f MB, commit %.1f MB\n", counters.PeakWorkingSetSize / 1048576.0,
                counters.PeakPagefileUsage / 1048576.0);
}

}  // namespace

int main()
{
    std::wstring address = ServerAddress(L"PELLWORTH_DEMO_LOAD");
    std::wstring plainAddress = ServerAddress(L"PELLWORTH_DEMO_PLAIN");
    if (address.empty() || plainAddress.empty()) {
        std::printf("no demo servers: run bench/server/run_fetch_load.sh\n");
        return 1;
    }
    try {
        double full = 1e9, waiting = 1e9;
        ProgramTimes program;
        size_t entries = 0;
        std::vector<std::wstring> replies;
        for (int run = 0; run < kRuns; ++run) {
            full = std::min(full, FullFetch(address, entries));
            waiting = std::min(waiting, TransportOnly(address, replies));
            ProgramTimes times = ProgramOnly(replies);
            if (run == 0 || times.Total() < program.Total())
                program = times;
        }
        std::printf("best of %d runs\n", kRuns);
        std::printf("fetch of %u entries, %u users: %.3f s, %.0f entries/s\n", static_cast<unsigned>(entries),
                    static_cast<unsigned>(replies.size()), full, entries / full);
        std::printf("waiting for the server (the requests alone): %.3f s = %.1f%% of the fetch\n", waiting,
                    100.0 * waiting / full);
        std::printf(
            "program (parse %.3f s, read %.3f s, conversion %.3f s, freeing replies %.3f s): %.3f s = %.1f%% of "
            "the fetch\n",
            program.parse, program.read, program.conversion, program.freeing, program.Total(),
            100.0 * program.Total() / full);
        PrintPeakMemory();
        std::printf("the per-user requests one by one (medians; 200 users, 300 on the plain server):\n");
        PrintRequestCosts("demo server:", PerUserRequests(address));
        PrintRequestCosts("plain server (Nagle, delayed ACK):", PerUserRequests(plainAddress));
        return 0;
    } catch (const std::exception& failure) {
        std::printf("the fetch failed: %s %s\n", typeid(failure).name(), failure.what());
        return 1;
    }
}
