#include <gtest/gtest.h>

#include "connectors/server/RpcClient.h"
#include "connectors/server/RpcReplies.h"
#include "connectors/server/ServerExceptions.h"

using namespace Quorvane;

namespace {

json::value Reply(const std::wstring& text)
{
    return RpcReply::Parse(text);
}

// A time-track reply with every array the method carries, two of them with the given elements.
std::wstring TimeTrackReply(const std::wstring& ttRecords, const std::wstring& leaveRecords)
{
    return L"{\"result\":{\"tasks\":[],\"projects\":[],\"customers\":[],\"TTRecords\":[" + ttRecords +
           L"],\"leaveTypes\":[],\"billingTypes\":[],\"leaveRecords\":[" + leaveRecords + L"]}}";
}

const wchar_t kNoRights[] =
    L"com.brenholt.quorvane.services.QBService_v1$NoGenerateCostAndBillingReportsRightException";

}  // namespace

TEST(RpcCheckError, IntegerCodeOtherThanMinusOneThrows)
{
    try {
        RpcClient::CheckError(L"{\"error\":{\"code\":0,\"trace\":\"boom\"}}");
        FAIL() << "code 0 is an error";
    } catch (const UnknownQuorvaneException& error) {
        EXPECT_EQ(0, error.GetCode());
        EXPECT_EQ(L"boom", error.GetTrace());
    }
    EXPECT_THROW(RpcClient::CheckError(L"{\"error\":{\"code\":591}}"), UnknownQuorvaneException);
    EXPECT_THROW(RpcClient::CheckError(L"{\"error\":{\"code\":500,\"trace\":\"" + std::wstring(kNoRights) +
                                       L": not allowed\\n\\tat x\"}}"),
                 NoGenerateCostAndBillingReportsRightException);

    EXPECT_NO_THROW(RpcClient::CheckError(L"{\"error\":{\"code\":-1,\"trace\":\"x\"}}"));
    EXPECT_NO_THROW(RpcClient::CheckError(L"{\"error\":{\"code\":\"500\",\"trace\":\"x\"}}"));
    EXPECT_NO_THROW(RpcClient::CheckError(L"{\"result\":[]}"));
    EXPECT_NO_THROW(RpcClient::CheckError(L""));
}

TEST(RpcReply, LoginRepliesReadMissingMembersAsEmpty)
{
    LoginResult login =
        RpcReply::ReadLoginResult(Reply(L"{\"result\":{\"resultCode\":\"ok\",\"userId\":7,\"serverUUID\":\"u-1\","
                                        L"\"availableServices\":[\"QBService_v1\",5,\"SyncService_v1\"]}}"));
    EXPECT_EQ(L"ok", login.resultCode);
    EXPECT_EQ(7, login.userId);
    EXPECT_EQ(L"u-1", login.serverUUID);
    ASSERT_EQ(3u, login.availableServices.size());
    EXPECT_EQ(L"", login.availableServices[1]);

    EXPECT_EQ(-1, RpcReply::ReadLoginResult(Reply(L"{\"result\":{\"userId\":\"7\"}}")).userId);
    EXPECT_EQ(-1, RpcReply::ReadLoginResult(Reply(L"")).userId);
    EXPECT_EQ(L"", RpcReply::ReadChallenge(Reply(L"<html>502</html>")).challengeValue);
}

TEST(RpcReply, DataRepliesWithoutUsableResultThrow)
{
    const wchar_t* const unusable[] = {
        L"",
        L"<html><body>500 Server Error</body></html>",
        L"{\"result\":{\"tasks\":[1, 2,, }",
        L"{\"error\":{\"code\":-1}}",
        L"[1, 2]",
    };
    for (const wchar_t* text : unusable) {
        SCOPED_TRACE(testing::Message() << "reply: " << std::wstring(text));
        json::value reply = Reply(text);
        EXPECT_THROW(RpcReply::ReadGeneralSettings(reply), UnknownQuorvaneException);
        EXPECT_THROW(RpcReply::ReadUsersToImport(reply), UnknownQuorvaneException);
        EXPECT_THROW(RpcReply::ReadUsersInfoWithDuplicates(reply), UnknownQuorvaneException);
        EXPECT_THROW(RpcReply::ReadUserTimeTrack(reply), UnknownQuorvaneException);
        EXPECT_THROW(RpcReply::ReadAllLeaveTypes(reply), UnknownQuorvaneException);
    }
    // A result without an array the method always carries is broken, not empty.
    const std::wstring complete = TimeTrackReply(L"", L"");
    EXPECT_NO_THROW(RpcReply::ReadUserTimeTrack(Reply(complete)));
    for (const wchar_t* array :
         { L"tasks", L"projects", L"customers", L"TTRecords", L"leaveTypes", L"billingTypes", L"leaveRecords" }) {
        const std::wstring key = L"\"" + std::wstring(array) + L"\":[]";
        std::wstring withNull = complete;
        withNull.replace(withNull.find(key), key.size(), L"\"" + std::wstring(array) + L"\":null");
        EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(withNull)), UnknownQuorvaneException) << std::wstring(array);
        std::wstring without = complete;
        without.erase(without.find(key), key.size() + 1);
        EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(without)), UnknownQuorvaneException) << std::wstring(array);
    }
    EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(L"{\"result\":{}}")), UnknownQuorvaneException);
    EXPECT_THROW(
        RpcReply::ReadUsersInfoWithDuplicates(Reply(L"{\"result\":{\"map\":{\"9\":{\"userInfo\":{\"id\":9}}}}}")),
        UnknownQuorvaneException);
    // The wrong kind of result is no result either.
    EXPECT_THROW(RpcReply::ReadAllLeaveTypes(Reply(L"{\"result\":{}}")), UnknownQuorvaneException);
    EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(L"{\"result\":[]}")), UnknownQuorvaneException);
    EXPECT_THROW(RpcReply::ReadUsersInfoWithDuplicates(Reply(L"{\"result\":{}}")), UnknownQuorvaneException);
}

TEST(RpcReply, UsersReadInOrderWithTheirDuplicates)
{
    std::vector<int> ids = RpcReply::ReadUsersToImport(Reply(L"{\"result\":[7, \"8\", -1, 12, 1.5]}"));
    EXPECT_EQ(std::vector<int>({ 7, 12 }), ids);

    std::vector<QVUserWithDuplicates> users = RpcReply::ReadUsersInfoWithDuplicates(
        Reply(L"{\"result\":{\"map\":{\"9\":{\"userInfo\":{\"id\":9,\"firstName\":\"Siobh\u00e1n\",\"lastName\":"
              L"\"O\u2019Connor\",\"username\":\"So\u2019c\"},\"duplicatesInfo\":[{\"id\":4},{\"id\":5}]},"
              L"\"2\":{\"userInfo\":{\"id\":2},\"duplicatesInfo\":[]}}}}"));
    ASSERT_EQ(2u, users.size());
    EXPECT_EQ(9, users[0].userInfo.id);
    EXPECT_EQ(L"O'Connor", users[0].userInfo.lastName);
    EXPECT_EQ(L"Siobh\u00e1n", users[0].userInfo.firstName);
    EXPECT_EQ(L"So\u2019c", users[0].userInfo.username) << "the login name is kept as it stands";
    ASSERT_EQ(2u, users[0].duplicatesInfo.size());
    EXPECT_EQ(5, users[0].duplicatesInfo[1].id);
    EXPECT_EQ(2, users[1].userInfo.id);

    for (const wchar_t* id : { L"-1", L"\"9\"", L"null" })
        EXPECT_THROW(RpcReply::ReadUsersInfoWithDuplicates(Reply(L"{\"result\":{\"map\":{\"9\":{\"userInfo\":{\"id\":" +
                                                                 std::wstring(id) + L"},\"duplicatesInfo\":[]}}}}")),
                     WrongFormatException)
            << std::wstring(id);
}

TEST(RpcReply, TimeTrackRecordsAreReadAndFolded)
{
    QVUserTimeTrack timeTrack = RpcReply::ReadUserTimeTrack(Reply(
        L"{\"result\":{"
        L"\"tasks\":[{\"id\":100,\"projectId\":10,\"billingTypeId\":1,\"name\":\"Floor plan \u201cfinal\u201d\"}],"
        L"\"projects\":[{\"id\":10,\"customerId\":-1,\"name\":\"Kitchen \u2014 Phase 1\",\"description\":\"d\"}],"
        L"\"customers\":[{\"id\":1,\"name\":\"O\u2019Malley\"}],"
        L"\"billingTypes\":[{\"id\":1,\"name\":\" Acme : Roof \",\"billable\":-1},{\"id\":2,\"billable\":0},"
        L"{\"id\":3}],"
        L"\"TTRecords\":[{\"taskId\":100,\"date\":\"2026-10-01\",\"spent\":240,\"comment\":\"a\\r\\nb\u2019\"}],"
        L"\"leaveTypes\":[{\"id\":4,\"name\":\"Parental \u2013 unpaid\"}],"
        L"\"leaveRecords\":[{\"typeId\":4,\"date\":\"2026-11-2\",\"time\":0}]}}"));

    ASSERT_EQ(1u, timeTrack.tasks.size());
    EXPECT_EQ(L"Floor plan \"final\"", timeTrack.tasks[0].name);
    EXPECT_EQ(0, timeTrack.projects[0].customerId) << "-1 leaves the field unset";
    EXPECT_EQ(L"Kitchen - Phase 1", timeTrack.projects[0].name);
    EXPECT_EQ(L"O'Malley", timeTrack.customers[0].name);
    ASSERT_EQ(3u, timeTrack.billingTypes.size());
    EXPECT_EQ(L"Acme:Roof", timeTrack.billingTypes[0].name);
    EXPECT_EQ(1, timeTrack.billingTypes[0].billable) << "any integer but 0 is billable";
    EXPECT_EQ(0, timeTrack.billingTypes[1].billable);
    EXPECT_EQ(0, timeTrack.billingTypes[2].billable);
    ASSERT_EQ(1u, timeTrack.TTRecords.size());
    EXPECT_EQ(L"a\nb'", timeTrack.TTRecords[0].comment);
    EXPECT_TRUE(DateTime(1, 10, 2026) == timeTrack.TTRecords[0].date);
    EXPECT_EQ(240, timeTrack.TTRecords[0].spent);
    EXPECT_EQ(L"Parental - unpaid", timeTrack.leaveTypes[0].name);
    EXPECT_TRUE(DateTime(2, 11, 2026) == timeTrack.leaveRecords[0].date);
    EXPECT_EQ(0, timeTrack.leaveRecords[0].time);
}

TEST(RpcReply, RecordWithoutACalendarDateIsRefused)
{
    for (const wchar_t* date : { L"", L"2026-13-01", L"2026-10-00", L"2026-02-31", L"2025-02-29", L"x", L"0-1-1" }) {
        std::wstring entry = L"{\"taskId\":1,\"spent\":5,\"date\":\"" + std::wstring(date) + L"\"}";
        EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(entry, L""))), WrongFormatException)
            << std::wstring(date);
        std::wstring leave = L"{\"typeId\":1,\"time\":5,\"date\":\"" + std::wstring(date) + L"\"}";
        EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(L"", leave))), WrongFormatException)
            << std::wstring(date);
    }
    EXPECT_NO_THROW(
        RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(L"{\"taskId\":1,\"spent\":5,\"date\":\"2028-02-29\"}", L""))));
    EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(L"{\"spent\":5}", L""))), WrongFormatException);
    EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(L"", L"{\"time\":5}"))), WrongFormatException);
    EXPECT_THROW(RpcReply::ReadUserTimeTrack(Reply(TimeTrackReply(L"{\"spent\":5,\"date\":20261001}", L""))),
                 WrongFormatException)
        << "a date that is no text";
}
