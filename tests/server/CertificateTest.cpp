#include <gtest/gtest.h>

#include <memory>
#include <vector>
#include "connectors/server/CertificateCheck.h"
#include "connectors/server/CertificateContext.h"
#include "connectors/server/CertificateProbe.h"
#include "connectors/server/HttpClient.h"
#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/ServerExceptions.h"
#include "connectors/server/Url.h"
#include "tests/server/DemoServer.h"
#include "tests/server/TrustedTestRoots.h"

using namespace Quorvane;

namespace {

const wchar_t kChallenge[] = L"{ method:\"LoginService.getChallenge\", params:[] }";

// HTTPS against demo servers whose certificates are good, self-signed, for another host and
// expired. Every CA is trusted before the first chain is built in this process, so the
// wrong-host and expired servers fail for their own reason, not for an unknown root.
class LiveTls : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::vector<std::wstring> authorities;
        for (const char* name : { "trusted", "wronghost", "expired" })
            authorities.push_back(DemoServer(name).CaPath());
        roots.reset(new TrustedTestRoots(authorities));
    }
    static void TearDownTestSuite() { roots.reset(); }

    static std::unique_ptr<TrustedTestRoots> roots;

    static std::wstring Challenge(const DemoServer& server)
    {
        Url url = Url::Parse(server.Address());
        HttpClient client;
        EXPECT_TRUE(client.Open(url.scheme, url.host, url.port));
        return client.SendRequest(L"POST", url.path, L"", kChallenge);
    }
};

std::unique_ptr<TrustedTestRoots> LiveTls::roots;

}  // namespace

TEST_F(LiveTls, TrustedCertificateForTheHostPasses)
{
    ASSERT_EQ(3u, roots->Count());
    EXPECT_NE(std::wstring::npos, Challenge(DemoServer("trusted")).find(L"challengeValue"));
}

TEST_F(LiveTls, BadCertificatesThrow)
{
    for (const char* name : { "untrusted", "unknownca", "wronghost", "expired" }) {
        SCOPED_TRACE(name);
        EXPECT_THROW(Challenge(DemoServer(name)), InvalidCertificate);
    }
}

// No test CA publishes revocation information: unknown revocation passes, as in a browser.
TEST_F(LiveTls, VerificationPassesOnlyACertificateItCanTrust)
{
    const struct {
        const char* name;
        bool trusted;
    } cases[] = { { "trusted", true },
                  { "untrusted", false },
                  { "unknownca", false },
                  { "wronghost", false },
                  { "expired", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DemoServer server(c.name);
        CertificateContext certificate(FetchServerCertificate(server.Host(), server.Port(), L"/rpc"));
        ASSERT_TRUE(certificate.Get() != NULL);
        EXPECT_EQ(c.trusted, VerifyServerCertificate(certificate.Get(), server.Host()));
    }
}

// A dropped connection after a good handshake is a server that does not answer, not a bad
// certificate.
TEST_F(LiveTls, ATrustedServerThatDropsTheConnectionDoesNotRespond)
{
    const DemoServer server("trusted");
    server.SetKnobs(L"{\"methods\": {\"LoginService.getChallenge\": {\"mode\": \"close\"}}}");
    Connectors::QVConnector::ConnectionOptions options;
    options.url = server.Address();
    options.userName = L"JSmith";
    options.password = L"secret";
    Connectors::QVConnector::QuorvaneConnector connector;
    connector.SetConnectionOptions(options);
    EXPECT_THROW(connector.Connect(), QuorvaneNotFoundException);
    server.Reset();
}

TEST_F(LiveTls, LoginOverHttps)
{
    Connectors::QVConnector::ConnectionOptions options;
    options.userName = L"JSmith";
    options.password = L"secret";
    Connectors::QVConnector::QuorvaneConnector connector;

    options.url = DemoServer("trusted").Address();
    connector.SetConnectionOptions(options);
    EXPECT_NO_THROW(connector.Connect());
    EXPECT_FALSE(connector.GetServerUuid().empty());

    options.url = DemoServer("untrusted").Address();
    connector.SetConnectionOptions(options);
    EXPECT_THROW(connector.Connect(), InvalidCertificate);
}
