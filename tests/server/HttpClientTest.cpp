#include <gtest/gtest.h>

#include "connectors/server/HttpClient.h"
#include "connectors/server/Url.h"
#include "tests/server/DemoServer.h"

using namespace Quorvane;

namespace {

const wchar_t kChallenge[] = L"{ method:\"LoginService.getChallenge\", params:[] }";

// The transport over plain HTTP, against a demo server whose getChallenge reply the knobs shape.
class LiveTransport : public testing::Test {
protected:
    LiveTransport() : server("plain") {}

    void SetUp() override
    {
        server.Reset();
        Url url = Url::Parse(server.Address());
        ASSERT_TRUE(client.Open(url.scheme, url.host, url.port));
        path = url.path;
    }
    void TearDown() override { server.Reset(); }

    void ShapeChallengeReply(const std::wstring& override)
    {
        server.SetKnobs(L"{\"methods\": {\"LoginService.getChallenge\": " + override + L"}}");
    }
    std::wstring Post(const std::wstring& body) { return client.SendRequest(L"POST", path, L"", body); }

    DemoServer server;
    HttpClient client;
    std::wstring path;
};

}  // namespace

TEST_F(LiveTransport, SendsUtf8BodyWithItsByteCount)
{
    // ü and ß take two bytes each in UTF-8, € three: four more bytes than characters.
    std::wstring body = L"{ method:\"LoginService.getChallenge\", params:[\"Gr\u00fc\u00dfe \u20ac\"] }";
    EXPECT_NE(std::wstring::npos, Post(body).find(L"challengeValue"));
    std::vector<RecordedRequest> record = server.Requests();
    ASSERT_EQ(1u, record.size());
    EXPECT_EQ(L"POST", record[0].verb);
    EXPECT_EQ(L"/rpc", record[0].path);
    EXPECT_EQ(L"Quorvane Pellworth", record[0].userAgent);
    EXPECT_EQ(static_cast<int>(body.size()) + 4, record[0].length);
    EXPECT_EQ(body, record[0].body);
}

TEST_F(LiveTransport, ReturnsTheBodyOfAnyStatusDecoded)
{
    ShapeChallengeReply(L"{\"mode\": \"raw\", \"body\": \"Gr\\u00fc\\u00dfe \\u20ac \\ud83d\\ude00\"}");
    EXPECT_EQ(L"Gr\u00fc\u00dfe \u20ac \xD83D\xDE00", Post(kChallenge));

    ShapeChallengeReply(L"{\"mode\": \"html\", \"status\": 500, \"body\": \"<p>broken</p>\"}");
    EXPECT_EQ(L"<p>broken</p>", Post(kChallenge));

    ShapeChallengeReply(L"{\"mode\": \"raw\", \"body\": \"\"}");
    EXPECT_EQ(L"", Post(kChallenge));
}

TEST_F(LiveTransport, FailedExchangeGivesNoText)
{
    ShapeChallengeReply(L"{\"mode\": \"cut\"}");
    EXPECT_EQ(L"", Post(kChallenge)) << "a body cut short must not pass for a whole one";

    ShapeChallengeReply(L"{\"mode\": \"close\"}");
    EXPECT_EQ(L"", Post(kChallenge));

    server.Reset();
    EXPECT_NE(L"", Post(kChallenge)) << "the client is still usable after failures";
}

TEST(HttpClientState, ClosedClientSendsNothing)
{
    HttpClient client;
    EXPECT_FALSE(client.IsOpen());
    EXPECT_EQ(L"", client.SendRequest(L"POST", L"/rpc", L"", kChallenge));
}

TEST(HttpClientState, NothingListeningGivesNoText)
{
    int port = ClosedLocalPort();
    for (int scheme : { HttpClient::SchemeHttp, HttpClient::SchemeHttps }) {
        HttpClient client;
        ASSERT_TRUE(client.Open(scheme, L"127.0.0.1", port));
        EXPECT_TRUE(client.IsOpen());
        EXPECT_EQ(L"", client.SendRequest(L"POST", L"/rpc", L"", kChallenge));
        client.Reset();
        EXPECT_FALSE(client.IsOpen());
    }
}
