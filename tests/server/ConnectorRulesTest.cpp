#include <gtest/gtest.h>

#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/ServerExceptions.h"
#include "connectors/server/ServerVersion.h"

using namespace Quorvane;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

TEST(BuildRpcUrl, CompletesTheTypedAddress)
{
    struct Case {
        const wchar_t* typed;
        const wchar_t* built;
    };
    const Case cases[] = {
        { L"  server.example.com  ", L"http://server.example.com/rpc" },
        { L"https://server.example.com/rpc", L"https://server.example.com/rpc" },
        { L"http://server.example.com:8080", L"http://server.example.com:8080/rpc" },
        // A trailing slash gets "rpc" only, so the path is not "//rpc".
        { L"http://server.example.com/", L"http://server.example.com/rpc" },
        { L"server/quorvane/", L"http://server/quorvane/rpc" },
        // Schemes compare exactly: capitals make the scheme word the host.
        { L"HTTPS://server", L"http://HTTPS://server/rpc" },
        { L"/rpc", L"http:///rpc/rpc" },
        { L"", L"http:///rpc" },
    };
    for (const Case& check : cases)
        EXPECT_EQ(std::wstring(check.built), QuorvaneConnector::BuildRpcUrl(check.typed))
            << "typed: " << std::wstring(check.typed);
}

TEST(ServerVersion, ThreePointTwoOrLater)
{
    for (const wchar_t* version : { L"3.2", L"3.10", L"3.2.1", L"4.0", L"10.0", L"3.2-beta" })
        EXPECT_TRUE(IsSupportedServerVersion(version)) << std::wstring(version);
    for (const wchar_t* version : { L"3.1", L"2.9", L"3", L"3.", L"4.", L"", L"x.5", L".3.2", L"3.x" })
        EXPECT_FALSE(IsSupportedServerVersion(version)) << std::wstring(version);
}

TEST(RpcClientAddress, EmptyOrUnparsableAddressIsRefused)
{
    RpcClient client;
    EXPECT_THROW(client.SetUrl(L""), InvalidUrlException);
    EXPECT_THROW(client.SetUrl(L"ftp://server/rpc"), BadURLException);
}
