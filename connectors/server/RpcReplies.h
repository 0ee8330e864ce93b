#pragma once
// Whole server replies read into records. The data replies are all or nothing: an empty,
// unreadable or result-less reply throws instead of reading as "no data", because an import
// would take that for a user without time and delete the user's QuickBooks entries.
#include <string>
#include <vector>
#include "connectors/server/RpcRecords.h"
#include "json/JsonValue.h"

namespace Quorvane {
namespace RpcReply {

json::value Parse(const std::wstring& reply);

// Throws NoGenerateCostAndBillingReportsRightException or UnknownQuorvaneException when the
// reply carries a server error (an integer "code" other than -1).
void CheckError(const json::value& reply);

// The login replies read an empty or unusable reply as empty records.
Challenge ReadChallenge(const json::value& reply);
LoginResult ReadLoginResult(const json::value& reply);

// Throw UnknownQuorvaneException (code 0) for a reply without a usable "result".
GeneralSettings ReadGeneralSettings(const json::value& reply);
std::vector<int> ReadUsersToImport(const json::value& reply);
std::vector<QVUserWithDuplicates> ReadUsersInfoWithDuplicates(const json::value& reply);
QVUserTimeTrack ReadUserTimeTrack(const json::value& reply);
std::vector<QVLeaveType> ReadAllLeaveTypes(const json::value& reply);

}  // namespace RpcReply
}  // namespace Quorvane
