// Parses generated time-track replies of the server's shape with ValueFromString and with
// RapidJSON (UTF-16 DOM), and prints throughput, growth with size, and memory per reply size.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "htmlengine/api/EngineValue.h"
#include <rapidjson/document.h>

namespace {

typedef rapidjson::GenericDocument<rapidjson::UTF16<wchar_t>> WideDocument;

using Bench::Median;
using Bench::Seconds;

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    // Wine leaves PrivateUsage at zero; the commit charge is the same figure there.
    return counters.PagefileUsage;
}

void AppendNamedList(std::wstring& reply, const wchar_t* name, int count, const wchar_t* extra)
{
    reply += L"\"";
    reply += name;
    reply += L"\":[";
    for (int i = 0; i < count; ++i) {
        reply += i ? L"," : L"";
        reply += L"{\"id\":" + std::to_wstring(i + 1) + L",\"name\":\"" + name + L" \\u201c" + std::to_wstring(i) +
                 L"\\u201d\"" + extra + L"}";
    }
    reply += L"],";
}

// One getUserTimeTrack reply with `entries` working-time records.
std::wstring TimeTrackReply(int entries)
{
    std::wstring reply = L"{\"result\":{";
    AppendNamedList(reply, L"tasks", 200, L",\"projectId\":3,\"billingTypeId\":1,\"description\":\"Gutters\"");
    AppendNamedList(reply, L"projects", 50, L",\"customerId\":2,\"description\":\"Roof: north side\"");
    AppendNamedList(reply, L"customers", 20, L"");
    AppendNamedList(reply, L"billingTypes", 3, L",\"billable\":true");
    AppendNamedList(reply, L"leaveTypes", 4, L"");
    reply += L"\"TTRecords\":[";
    for (int i = 0; i < entries; ++i) {
        reply += i ? L"," : L"";
        reply += L"{\"taskId\":" + std::to_wstring(i % 200 + 1) + L",\"comment\":\"Fixed the flashing on unit " +
                 std::to_wstring(i) + L"\\r\\nM\\u00fcller\",\"date\":\"2024-1-" + std::to_wstring(i % 28 + 1) +
                 L"\",\"spent\":" + std::to_wstring(15 * (i % 32 + 1)) + L"}";
    }
    reply += L"],\"leaveRecords\":[{\"typeId\":1,\"time\":480,\"date\":\"2024-1-9\"}]}}";
    return reply;
}

double OursSeconds(const std::wstring& reply, SIZE_T& bytesHeld)
{
    VALUE value;
    ValueInit(&value);
    SIZE_T before = PrivateBytes();
    double start = Seconds();
    VALUE_RESULT result = ValueFromString(&value, reply.data(), reply.size(), VALUE_MODE_JSON);
    double elapsed = Seconds() - start;
    bytesHeld = PrivateBytes() - before;
    ValueClear(&value);
    if (result != VALUE_OK)
        std::printf("our parser refused the reply\n");
    return elapsed;
}

double RapidJsonSeconds(const std::wstring& reply)
{
    WideDocument document;
    double start = Seconds();
    document.Parse<rapidjson::kParseDefaultFlags>(reply.c_str());
    double elapsed = Seconds() - start;
    if (document.HasParseError())
        std::printf("RapidJSON refused the reply\n");
    return elapsed;
}

// Under Wine on a virtual machine the first write to each fresh page is costly; any parser that
// builds its result in new memory pays it. This is that floor for as many bytes.
double FreshMemorySeconds(SIZE_T bytes)
{
    const size_t piece = 4 << 20, page = 4096;
    std::vector<char*> pieces;
    double start = Seconds();
    for (SIZE_T made = 0; made < bytes; made += piece) {
        pieces.push_back(static_cast<char*>(::operator new(piece)));
        for (size_t offset = 0; offset < piece; offset += page)
            pieces.back()[offset] = 1;
    }
    double elapsed = Seconds() - start;
    for (char* memory : pieces)
        ::operator delete(memory);
    return elapsed;
}

}  // namespace

// Each round parses the reply with both parsers and the doubled reply with ours, one after the
// other, so a busy machine slows all three alike; the ratios are the medians of the rounds'.
int main()
{
    const int entries = 190000;  // a little over 20 MB of UTF-16 text
    const int rounds = 9;
    std::wstring reply = TimeTrackReply(entries);
    std::wstring doubled = TimeTrackReply(2 * entries);
    double megaChars = reply.size() / 1e6;
    std::printf("reply: %.1f M characters (%.1f MB as UTF-16), %d records\n", megaChars, reply.size() * 2 / 1e6,
                entries);

    std::vector<double> ours, theirs, fresh, throughputRatios, growths;
    SIZE_T held = 0, heldDoubled = 0;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(OursSeconds(reply, held));
        theirs.push_back(RapidJsonSeconds(reply));
        double oursDoubled = OursSeconds(doubled, heldDoubled);
        throughputRatios.push_back(theirs.back() / ours.back());
        growths.push_back(oursDoubled / ours.back());
        fresh.push_back(FreshMemorySeconds(held));
    }

    std::printf("ValueFromString: %.1f M characters/s (median %.3f s of %d)\n", megaChars / Median(ours), Median(ours),
                rounds);
    std::printf("RapidJSON:       %.1f M characters/s (median %.3f s of %d)\n", megaChars / Median(theirs),
                Median(theirs), rounds);
    std::printf("first writes to as much fresh memory as our value holds: median %.3f s\n", Median(fresh));
    std::printf("ours / RapidJSON throughput: %.2f (median of the rounds' ratios)\n", Median(throughputRatios));
    std::printf("twice the reply takes %.2f times as long (median of the rounds' ratios)\n", Median(growths));
    std::printf("memory held by the parsed value: %.2f times the reply's UTF-16 size\n",
                static_cast<double>(held) / (reply.size() * 2));
    return 0;
}
