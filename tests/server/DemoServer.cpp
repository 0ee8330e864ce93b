#include "tests/server/DemoServer.h"

#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include "connectors/server/HttpClient.h"
#include "connectors/server/JsonReading.h"
#include "connectors/server/RpcReplies.h"
#include "connectors/server/Url.h"

namespace {

using Quorvane::JsonReading::Member;
using Quorvane::JsonReading::Text;

std::wstring Environment(const std::string& name)
{
    std::wstring wide(name.begin(), name.end());
    wchar_t value[1024] = {};
    DWORD length = GetEnvironmentVariableW(wide.c_str(), value, sizeof(value) / sizeof(value[0]));
    return length > 0 && length < sizeof(value) / sizeof(value[0]) ? std::wstring(value, length) : std::wstring();
}

std::string Upper(const char* text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::wstring Header(const json::value& headers, const std::wstring& name)
{
    for (int at = 0; at < headers.length(); ++at) {
        json::value pair = headers.get_element(at);
        if (Text(pair.get_element(0)) == name)
            return Text(pair.get_element(1));
    }
    return std::wstring();
}

RecordedRequest ReadRequest(const json::value& entry)
{
    RecordedRequest request;
    request.verb = Text(Member(entry, "verb"));
    request.path = Text(Member(entry, "path"));
    request.method = Text(Member(entry, "method"));
    request.body = Text(Member(entry, "body"));
    request.length = Member(entry, "length").get_int(-1);
    request.userAgent = Header(Member(entry, "headers"), L"User-Agent");
    return request;
}

}  // namespace

DemoServer::DemoServer(const char* name)
{
    std::string key = "PELLWORTH_DEMO_" + Upper(name);
    m_address = Environment(key);
    m_caPath = Environment(key + "_CA");
    if (m_address.empty())
        ADD_FAILURE() << "this run started no demo server named " << name
                      << " (run the test through tests/server/with_demo_servers.py)";
}

std::wstring DemoServer::Host() const
{
    return Quorvane::Url::Parse(m_address).host;
}

int DemoServer::Port() const
{
    return Quorvane::Url::Parse(m_address).port;
}

std::wstring DemoServer::Control(const std::wstring& command) const
{
    Quorvane::Url url = Quorvane::Url::Parse(m_address);
    Quorvane::HttpClient client;
    EXPECT_TRUE(client.Open(url.scheme, url.host, url.port));
    std::wstring reply = client.SendRequest(L"POST", L"/control", L"", command);
    EXPECT_FALSE(reply.empty()) << "no answer from the control endpoint";
    return reply;
}

void DemoServer::SetKnobs(const std::wstring& knobs) const
{
    std::wstring reply = Control(L"{\"command\": \"set\", \"knobs\": " + knobs + L"}");
    EXPECT_EQ(0u, reply.find(L"{\"knobs\"")) << "the server refused the knobs";
}

void DemoServer::Reset() const
{
    Control(L"{\"command\": \"reset\"}");
    Control(L"{\"command\": \"clear\"}");
}

std::vector<RecordedRequest> DemoServer::Requests(const wchar_t* method) const
{
    std::wstring text = Control(L"{\"command\": \"requests\"}");
    json::value entries = Member(Quorvane::RpcReply::Parse(text), "requests");
    std::vector<RecordedRequest> requests;
    for (int at = 0; at < entries.length(); ++at) {
        RecordedRequest request = ReadRequest(entries.get_element(at));
        if (method == NULL || request.method == method)
            requests.push_back(request);
    }
    return requests;
}

int ClosedLocalPort()
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    bind(probe, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    WSACleanup();
    return ntohs(address.sin_port);
}
