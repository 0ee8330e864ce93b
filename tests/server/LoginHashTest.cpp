#include <gtest/gtest.h>

#include "connectors/server/LoginHash.h"

using namespace Quorvane;

// Expected values come from the demo server's hash, which the real server's rules define.
TEST(LoginHash, MatchesTheServersComputation)
{
    struct Case {
        const wchar_t* userName;
        const wchar_t* password;
        const wchar_t* expected;
    };
    const wchar_t* challenge = L"0123456789abcdef";
    const Case cases[] = {
        // ASCII: bytes, with the user name lower-cased.
        { L"JSmith", L"secret", L"75b77e9b27cce385f927c46dc5d44780" },
        { L"jsmith", L"secret", L"75b77e9b27cce385f927c46dc5d44780" },
        // A password outside ASCII takes UTF-16 for the whole hash.
        { L"soconnor", L"p\u00e4ss", L"16cb37a03a824971c765247082ab2b85" },
        // So does a user name outside ASCII with an ASCII password.
        { L"J\u00f6rg", L"secret", L"866e5b4aa0a99ba76dc610b3bea7f1bf" },
        // The hash takes the raw name, not its escaped form in the request.
        { L"DOMAIN\\jsmith", L"secret", L"2e5ef7d0f0525786534568b0dcc94312" },
    };
    for (const Case& check : cases)
        EXPECT_EQ(std::wstring(check.expected), LoginHash(check.userName, check.password, challenge))
            << std::wstring(check.userName);
}
