#pragma once
// The request texts of the server's JSON-RPC protocol, byte for byte as the server expects
// them: unquoted member names, no "id", unpadded dates.
#include <string>
#include <vector>
#include "core/DateTime.h"

namespace Quorvane {

// 2024-01-05 -> "2024-1-5".
std::wstring FormatRpcDate(const DateTime& date);

namespace RpcRequest {

std::wstring GetChallenge();
// The user name goes in as typed, JSON-escaped; the hash is hex digits.
std::wstring Login(const std::wstring& userName, const std::wstring& hash);
std::wstring GetGeneralSettings();
std::wstring GetUsersToImport(const DateTime& start, const DateTime& end);
std::wstring GetUsersInfoWithDuplicates(const std::vector<int>& ids);
std::wstring GetUserTimeTrack(const std::wstring& userId, const DateTime& start, const DateTime& end);
std::wstring GetAllLeaveTypes();

}  // namespace RpcRequest

}  // namespace Quorvane
