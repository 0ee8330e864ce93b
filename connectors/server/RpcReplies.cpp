#include "connectors/server/RpcReplies.h"

#include <cwchar>
#include "connectors/server/JsonReading.h"
#include "connectors/server/RpcRecordReaders.h"
#include "connectors/server/ServerExceptions.h"

namespace Quorvane {
namespace RpcReply {

using namespace JsonReading;

namespace {

const wchar_t kNoRightsTrace[] =
    L"com.brenholt.quorvane.services.QBService_v1$NoGenerateCostAndBillingReportsRightException";

// The "result" of a data reply, which must be there with the given type.
json::value DataResult(const json::value& reply, VALUE_TYPE type)
{
    if (!IsOfType(reply, VALUE_OBJECT))
        throw UnknownQuorvaneException(0, L"invalid or empty server reply");
    json::value result = Member(reply, "result");
    if (!IsOfType(result, type))
        throw UnknownQuorvaneException(0, L"server reply without a usable result");
    return result;
}

// An array member the method always carries: a missing or null one is a broken reply, never
// an empty list.
json::value RequiredArray(const json::value& object, const char* name)
{
    json::value array = Member(object, name);
    if (!IsOfType(array, VALUE_ARRAY))
        throw UnknownQuorvaneException(0, L"server reply without a usable array");
    return array;
}

template <typename Record, typename Read>
std::vector<Record> ReadArray(const json::value& array, Read read)
{
    std::vector<Record> records;
    records.reserve(array.length());
    ForEachElement(array, [&](const json::value& element) { records.push_back(read(element)); });
    return records;
}

}  // namespace

json::value Parse(const std::wstring& reply)
{
    return json::value::from_string(reply.c_str(), reply.size(), VALUE_MODE_JSON);
}

void CheckError(const json::value& reply)
{
    json::value error = Member(reply, "error");
    json::value code = Member(error, "code");
    if (!IsOfType(code, VALUE_INT) || code.get_int(-1) == -1)
        return;
    std::wstring trace = Text(Member(error, "trace"));
    if (trace.compare(0, wcslen(kNoRightsTrace), kNoRightsTrace) == 0)
        throw NoGenerateCostAndBillingReportsRightException();
    throw UnknownQuorvaneException(code.get_int(0), trace);
}

Challenge ReadChallenge(const json::value& reply)
{
    json::value result = Member(reply, "result");
    Challenge challenge;
    challenge.build = Text(Member(result, "build"));
    challenge.version = Text(Member(result, "version"));
    challenge.sessionId = Text(Member(result, "sessionId"));
    challenge.challengeValue = Text(Member(result, "challengeValue"));
    return challenge;
}

LoginResult ReadLoginResult(const json::value& reply)
{
    json::value result = Member(reply, "result");
    LoginResult login;
    json::value userId = Member(result, "userId");
    login.userId = IsOfType(userId, VALUE_INT) ? userId.get_int(-1) : -1;
    login.serverUUID = Text(Member(result, "serverUUID"));
    login.resultCode = Text(Member(result, "resultCode"));
    login.availableServices = ReadArray<std::wstring>(Member(result, "availableServices"), Text);
    return login;
}

GeneralSettings ReadGeneralSettings(const json::value& reply)
{
    json::value result = DataResult(reply, VALUE_OBJECT);
    GeneralSettings terms;
    terms.firstLevelSingularForm = Text(Member(result, "firstLevelSingularForm"));
    terms.firstLevelPluralForm = Text(Member(result, "firstLevelPluralForm"));
    terms.secondLevelSingularForm = Text(Member(result, "secondLevelSingularForm"));
    terms.secondLevelPluralForm = Text(Member(result, "secondLevelPluralForm"));
    terms.thirdLevelSingularForm = Text(Member(result, "thirdLevelSingularForm"));
    terms.thirdLevelPluralForm = Text(Member(result, "thirdLevelPluralForm"));
    return terms;
}

std::vector<int> ReadUsersToImport(const json::value& reply)
{
    std::vector<int> ids;
    ForEachElement(DataResult(reply, VALUE_ARRAY), [&](const json::value& element) {
        int id = -1;
        ReadInteger(element, id);
        if (id != -1)
            ids.push_back(id);
    });
    return ids;
}

std::vector<QVUserWithDuplicates> ReadUsersInfoWithDuplicates(const json::value& reply)
{
    json::value map = Member(DataResult(reply, VALUE_OBJECT), "map");
    if (!IsOfType(map, VALUE_OBJECT))
        throw UnknownQuorvaneException(0, L"server reply without a user map");
    return ReadArray<QVUserWithDuplicates>(map, [](const json::value& entry) {
        QVUserWithDuplicates user;
        user.userInfo = RpcRecordReader::UserInfo(Member(entry, "userInfo"));
        user.duplicatesInfo = ReadArray<QVUserInfo>(RequiredArray(entry, "duplicatesInfo"), RpcRecordReader::UserInfo);
        return user;
    });
}

QVUserTimeTrack ReadUserTimeTrack(const json::value& reply)
{
    json::value result = DataResult(reply, VALUE_OBJECT);
    QVUserTimeTrack timeTrack;
    timeTrack.tasks = ReadArray<QVTask>(RequiredArray(result, "tasks"), RpcRecordReader::Task);
    timeTrack.projects = ReadArray<QVProject>(RequiredArray(result, "projects"), RpcRecordReader::Project);
    timeTrack.customers = ReadArray<QVCustomer>(RequiredArray(result, "customers"), RpcRecordReader::Customer);
    timeTrack.TTRecords =
        ReadArray<QVTimeTrackEntry>(RequiredArray(result, "TTRecords"), RpcRecordReader::TimeTrackEntry);
    timeTrack.leaveTypes = ReadArray<QVLeaveType>(RequiredArray(result, "leaveTypes"), RpcRecordReader::LeaveType);
    timeTrack.billingTypes =
        ReadArray<QVBillingType>(RequiredArray(result, "billingTypes"), RpcRecordReader::BillingType);
    timeTrack.leaveRecords =
        ReadArray<QVLeaveRecord>(RequiredArray(result, "leaveRecords"), RpcRecordReader::LeaveRecord);
    return timeTrack;
}

std::vector<QVLeaveType> ReadAllLeaveTypes(const json::value& reply)
{
    return ReadArray<QVLeaveType>(DataResult(reply, VALUE_ARRAY), RpcRecordReader::LeaveType);
}

}  // namespace RpcReply
}  // namespace Quorvane
