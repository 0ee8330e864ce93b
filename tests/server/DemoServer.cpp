#include "tests/server/DemoServer.h"

#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include "connectors/server/HttpClient.h"
#include "connectors/server/Url.h"

namespace {

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

std::wstring DemoServer::Host() const { return Quorvane::Url::Parse(m_address).host; }

int DemoServer::Port() const { return Quorvane::Url::Parse(m_address).port; }

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
    EXPECT_EQ(std::wstring::npos, reply.find(L"\"error\"")) << std::string(reply.begin(), reply.end());
}

void DemoServer::Reset() const
{
    Control(L"{\"command\": \"reset\"}");
    Control(L"{\"command\": \"clear\"}");
}

std::wstring DemoServer::RequestsText() const { return Control(L"{\"command\": \"requests\"}"); }

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
