#include <gtest/gtest.h>

#include "connectors/server/RpcRequests.h"

using namespace Quorvane;

namespace {

const DateTime kStart(5, 1, 2024);
const DateTime kEnd(31, 1, 2024);

}  // namespace

TEST(RpcRequest, TextsAreByteExact)
{
    struct Case {
        std::wstring actual;
        const wchar_t* expected;
    };
    const Case cases[] = {
        { RpcRequest::GetChallenge(), L"{\"method\":\"LoginService.getChallenge\",\"params\":[]}" },
        { RpcRequest::Login(L"JSmith", L"75b77e9b27cce385f927c46dc5d44780"),
          L"{ method:\"LoginService.login\", params:[\"JSmith\", \"75b77e9b27cce385f927c46dc5d44780\"] }" },
        { RpcRequest::GetGeneralSettings(), L"{ method:\"SyncService_v1.getGeneralSettings\", params:[] }" },
        { RpcRequest::GetUsersToImport(kStart, kEnd),
          L"{ method:\"QBService_v1.getUsersToImport\",params:[\"2024-1-5\", \"2024-1-31\"] }" },
        { RpcRequest::GetUsersInfoWithDuplicates({ 7, 12, -3 }),
          L"{ method:\"QBService_v1.getUsersInfoWithDuplicates\", params:[ [7, 12, -3, ] ] }" },
        { RpcRequest::GetUsersInfoWithDuplicates({}),
          L"{ method:\"QBService_v1.getUsersInfoWithDuplicates\", params:[ [] ] }" },
        { RpcRequest::GetUserTimeTrack(L"15", kStart, kEnd),
          L"{ method:\"QBService_v1.getUserTimeTrack\", params:[\"15\", \"2024-1-5\", \"2024-1-31\" ] }" },
        { RpcRequest::GetAllLeaveTypes(), L"{ method:\"QBService_v1.getAllLeaveTypes\", params:[] }" },
    };
    for (const Case& check : cases)
        EXPECT_EQ(std::wstring(check.expected), check.actual);
}

TEST(RpcRequest, UserNameIsEscapedNotPasted)
{
    EXPECT_EQ(L"{ method:\"LoginService.login\", params:[\"DOMAIN\\\\jsmith\", \"h\"] }",
              RpcRequest::Login(L"DOMAIN\\jsmith", L"h"));
    EXPECT_EQ(L"{ method:\"LoginService.login\", params:[\"a\\\"], x:[\\\"\", \"h\"] }",
              RpcRequest::Login(L"a\"], x:[\"", L"h"));
    EXPECT_EQ(L"{ method:\"LoginService.login\", params:[\"tab\\tnl\\n\\u0001 J\u00f6rg\", \"h\"] }",
              RpcRequest::Login(L"tab\tnl\n\x01 J\u00f6rg", L"h"));
}

TEST(RpcRequest, DatesAreUnpadded)
{
    EXPECT_EQ(L"2024-1-5", FormatRpcDate(DateTime(5, 1, 2024)));
    EXPECT_EQ(L"2026-12-31", FormatRpcDate(DateTime(31, 12, 2026)));
}
