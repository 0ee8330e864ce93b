#include <gtest/gtest.h>

#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/ServerExceptions.h"
#include "tests/server/DemoServer.h"

using namespace Quorvane;
using Quorvane::Connectors::QVConnector::ConnectionOptions;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

namespace {

ConnectionOptions Options(const std::wstring& url, const std::wstring& userName, const std::wstring& password)
{
    ConnectionOptions options;
    options.url = url;
    options.userName = userName;
    options.password = password;
    return options;
}

// Logins against the demo company (JSmith / secret), each outcome driven by the server's knobs.
class LiveLogin : public testing::Test {
protected:
    LiveLogin() : server("plain") {}
    void SetUp() override { server.Reset(); }
    void TearDown() override { server.Reset(); }

    void Connect(const std::wstring& userName = L"JSmith", const std::wstring& password = L"secret")
    {
        connector.SetConnectionOptions(Options(server.Address(), userName, password));
        connector.Connect();
    }
    void ShapeReply(const wchar_t* method, const std::wstring& override)
    {
        server.SetKnobs(L"{\"methods\": {\"" + std::wstring(method) + L"\": " + override + L"}}");
    }

    DemoServer server;
    QuorvaneConnector connector;
};

}  // namespace

TEST_F(LiveLogin, SucceedsAndKeepsTheServerIdentity)
{
    Connect();
    EXPECT_EQ(L"5f0b3c9e-2d41-4a57-9c1e-7d2f8a6b0c13", connector.GetServerUuid());

    std::vector<RecordedRequest> logins = server.Requests(L"LoginService.login");
    ASSERT_EQ(1u, logins.size());
    const std::wstring& body = logins[0].body;
    EXPECT_EQ(0u, body.find(L"{ method:\"LoginService.login\", params:[\"JSmith\", \""));
    EXPECT_EQ(L"\"] }", body.substr(body.size() - 4));
    std::vector<RecordedRequest> challenges = server.Requests(L"LoginService.getChallenge");
    ASSERT_EQ(1u, challenges.size());
    EXPECT_EQ(L"{\"method\":\"LoginService.getChallenge\",\"params\":[]}", challenges[0].body);
    EXPECT_EQ(L"/rpc", challenges[0].path);

    // A later failure keeps the identity of the last good login.
    server.SetKnobs(L"{\"serverUUID\": \"another\"}");
    EXPECT_THROW(Connect(L"JSmith", L"wrong"), InvalidCredentialsException);
    EXPECT_EQ(L"5f0b3c9e-2d41-4a57-9c1e-7d2f8a6b0c13", connector.GetServerUuid());
}

// Kept in the settings file and compared at each login: an identity no server sends is a
// malformed reply.
TEST_F(LiveLogin, AServerIdentityLongerThanAThousandCharactersIsRefused)
{
    server.SetKnobs(L"{\"serverUUID\": \"" + std::wstring(1000, L'u') + L"\"}");
    EXPECT_NO_THROW(Connect());
    server.SetKnobs(L"{\"serverUUID\": \"" + std::wstring(1001, L'u') + L"\"}");
    EXPECT_THROW(Connect(), WrongFormatException);
}

TEST_F(LiveLogin, VersionBelowThreePointTwoIsRefused)
{
    for (const wchar_t* version : { L"3.2", L"3.10", L"10.0", L"3.2.1" }) {
        server.SetKnobs(L"{\"version\": \"" + std::wstring(version) + L"\"}");
        EXPECT_NO_THROW(Connect()) << std::wstring(version);
    }
    for (const wchar_t* version : { L"3.1", L"3", L"2.9" }) {
        server.SetKnobs(L"{\"version\": \"" + std::wstring(version) + L"\"}");
        EXPECT_THROW(Connect(), QuorvaneNotSupportedException) << std::wstring(version);
    }
}

TEST_F(LiveLogin, RefusalsHaveTheirOwnExceptions)
{
    EXPECT_THROW(Connect(L"JSmith", L"wrong"), InvalidCredentialsException);
    EXPECT_THROW(Connect(L"nobody", L"secret"), InvalidCredentialsException);
    EXPECT_THROW(Connect(L"oformer", L"secret"), AccountDisabledException);
    EXPECT_NO_THROW(Connect(L"jsmith", L"secret")) << "the user name's case does not matter";
    EXPECT_NO_THROW(Connect(L"soconnor", L"p\u00e4ss"));

    server.SetKnobs(L"{\"loginResult\": \"error_account_disabled\"}");
    EXPECT_THROW(Connect(), AccountDisabledException);
    for (const wchar_t* code : { L"error_authentication_failed", L"error_something_else" }) {
        server.SetKnobs(L"{\"loginResult\": \"" + std::wstring(code) + L"\"}");
        EXPECT_THROW(Connect(), InvalidCredentialsException) << std::wstring(code);
    }
    server.Reset();
    ShapeReply(L"LoginService.login",
               L"{\"mode\": \"raw\", \"body\": \"{\\\"result\\\":{\\\"resultCode\\\":\\\"ok\\\",\\\"userId\\\":0,"
               L"\\\"availableServices\\\":[\\\"QBService_v1\\\"]}}\"}");
    EXPECT_THROW(Connect(), InvalidCredentialsException) << "userId 0";
}

TEST_F(LiveLogin, ServiceMissingCarriesVersionAndBuild)
{
    server.SetKnobs(L"{\"services\": [\"qbservice_v1\", \"SyncService_v1\"]}");
    try {
        Connect();
        FAIL() << "the service name compares exactly";
    } catch (const QuickBooksServiceNotSupported& missing) {
        EXPECT_EQ(L"3.2", missing.GetVersion());
        EXPECT_EQ(L"3.2.7-demo", missing.GetBuild());
    }
}

TEST_F(LiveLogin, NoServerAnsweringIsNotFound)
{
    ShapeReply(L"LoginService.getChallenge",
               L"{\"mode\": \"raw\", \"body\": "
               L"\"{\\\"result\\\":{\\\"version\\\":\\\"3.2\\\",\\\"challengeValue\\\":\\\"\\\"}}\"}");
    EXPECT_THROW(Connect(), QuorvaneNotFoundException) << "empty challenge";
    ShapeReply(L"LoginService.getChallenge", L"{\"mode\": \"html\", \"status\": 404}");
    EXPECT_THROW(Connect(), QuorvaneNotFoundException) << "an error page";

    connector.SetConnectionOptions(Options(L"127.0.0.1:" + std::to_wstring(ClosedLocalPort()), L"JSmith", L"secret"));
    EXPECT_THROW(connector.Connect(), QuorvaneNotFoundException) << "closed port";
}

TEST_F(LiveLogin, ChallengeErrorIsUnknown)
{
    ShapeReply(L"LoginService.getChallenge", L"{\"mode\": \"error\", \"code\": 500, \"trace\": \"broken\"}");
    try {
        Connect();
        FAIL() << "an error reply must not pass";
    } catch (const UnknownQuorvaneException& error) {
        EXPECT_EQ(500, error.GetCode());
        EXPECT_EQ(L"broken", error.GetTrace());
    }
}

TEST_F(LiveLogin, AddressAndOptionsAreCheckedFirst)
{
    connector.SetConnectionOptions(ConnectionOptions());
    EXPECT_THROW(connector.Connect(), QuorvaneNotSpecifiedException);

    connector.SetConnectionOptions(Options(L"http://[::1]:8080", L"JSmith", L"secret"));
    EXPECT_THROW(connector.Connect(), BadURLException);

    // An address alone reaches the server and fails there.
    connector.SetConnectionOptions(Options(server.Address(), L"", L""));
    EXPECT_THROW(connector.Connect(), InvalidCredentialsException);
}

TEST_F(LiveLogin, UserNameIsSentEscapedAndHashedRaw)
{
    EXPECT_THROW(Connect(L"DOMAIN\\jsmith", L"secret"), InvalidCredentialsException);
    std::vector<RecordedRequest> logins = server.Requests(L"LoginService.login");
    ASSERT_EQ(1u, logins.size());
    EXPECT_EQ(0u, logins[0].body.find(L"{ method:\"LoginService.login\", params:[\"DOMAIN\\\\jsmith\", \""));
}
