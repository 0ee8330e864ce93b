#include <gtest/gtest.h>

#include "connectors/server/ServerExceptions.h"
#include "connectors/server/Url.h"

using namespace Quorvane;

namespace {

struct ParseCase {
    const wchar_t* text;
    int scheme;
    const wchar_t* host;
    int port;
    const wchar_t* path;
};

const ParseCase kParsed[] = {
    { L"http://example.com/rpc", 1, L"example.com", 80, L"/rpc" },
    { L"https://example.com:8443/q/rpc", 2, L"example.com", 8443, L"/q/rpc" },
    { L"https://example.com", 2, L"example.com", 443, L"" },
    { L"http://example.com:8080", 1, L"example.com", 8080, L"" },
    { L"http://host:abc/rpc", 1, L"host", 80, L":abc/rpc" },
    { L"http://HTTP://host/rpc", 1, L"HTTP", 80, L"://host/rpc" },
    { L"http://example.com/rpc\\", 1, L"example.com", 80, L"/rpc" },
    { L"http://example.com/rpc\\\\", 1, L"example.com", 80, L"/rpc\\" },
    { L"http://127.0.0.1:65535/rpc", 1, L"127.0.0.1", 65535, L"/rpc" },
};

const wchar_t* const kRefused[] = {
    L"http:///rpc",
    L"http://[::1]:8080/rpc",
    L"HTTP://example.com/rpc",
    L"ftp://example.com/rpc",
    L"example.com/rpc",
    L"\\",
    L"",
    L"http://example.com:65536/rpc",
    L"http://example.com:99999999999/rpc",
    L"http://example.com:\x0661\x0662/rpc",  // Arabic-Indic digits are no port
};

}  // namespace

TEST(UrlParse, SplitsSchemeHostPortAndPath)
{
    for (const ParseCase& expected : kParsed) {
        SCOPED_TRACE(testing::Message() << "address: " << std::wstring(expected.text));
        Url url = Url::Parse(expected.text);
        EXPECT_EQ(expected.scheme, url.scheme);
        EXPECT_EQ(std::wstring(expected.host), url.host);
        EXPECT_EQ(expected.port, url.port);
        EXPECT_EQ(std::wstring(expected.path), url.path);
    }
}

TEST(UrlParse, RefusesWhatItCannotUse)
{
    for (const wchar_t* text : kRefused) {
        SCOPED_TRACE(testing::Message() << "address: " << std::wstring(text));
        EXPECT_THROW(Url::Parse(text), BadURLException);
    }
}
