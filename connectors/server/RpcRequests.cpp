#include "connectors/server/RpcRequests.h"

#include <cstdio>

namespace Quorvane {

namespace {

std::wstring Decimal(int number)
{
    return std::to_wstring(number);
}

// A name like DOMAIN\jsmith or one with a quote must arrive as typed, and must not be able to
// change the request around it.
std::wstring JsonEscaped(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'"': escaped += L"\\\""; break;
        case L'\\': escaped += L"\\\\"; break;
        case L'\b': escaped += L"\\b"; break;
        case L'\f': escaped += L"\\f"; break;
        case L'\n': escaped += L"\\n"; break;
        case L'\r': escaped += L"\\r"; break;
        case L'\t': escaped += L"\\t"; break;
        default:
            if (c < 0x20) {
                wchar_t code[8];
                std::swprintf(code, sizeof(code) / sizeof(code[0]), L"\\u%04x", static_cast<unsigned>(c));
                escaped += code;
            } else {
                escaped += c;
            }
        }
    }
    return escaped;
}

}  // namespace

std::wstring FormatRpcDate(const DateTime& date)
{
    return Decimal(date.GetYear()) + L"-" + Decimal(date.GetMonth()) + L"-" + Decimal(date.GetDay());
}

namespace RpcRequest {

// What the engine's JSON writer makes of { method:"LoginService.getChallenge", params:[] }.
std::wstring GetChallenge()
{
    return L"{\"method\":\"LoginService.getChallenge\",\"params\":[]}";
}

std::wstring Login(const std::wstring& userName, const std::wstring& hash)
{
    return L"{ method:\"LoginService.login\", params:[\"" + JsonEscaped(userName) + L"\", \"" + hash + L"\"] }";
}

std::wstring GetGeneralSettings()
{
    return L"{ method:\"SyncService_v1.getGeneralSettings\", params:[] }";
}

std::wstring GetUsersToImport(const DateTime& start, const DateTime& end)
{
    return L"{ method:\"QBService_v1.getUsersToImport\",params:[\"" + FormatRpcDate(start) + L"\", \"" +
           FormatRpcDate(end) + L"\"] }";
}

std::wstring GetUsersInfoWithDuplicates(const std::vector<int>& ids)
{
    std::wstring text = L"{ method:\"QBService_v1.getUsersInfoWithDuplicates\", params:[ [";
    for (int id : ids)
        text += Decimal(id) + L", ";
    return text + L"] ] }";
}

std::wstring GetUserTimeTrack(const std::wstring& userId, const DateTime& start, const DateTime& end)
{
    return L"{ method:\"QBService_v1.getUserTimeTrack\", params:[\"" + JsonEscaped(userId) + L"\", \"" +
           FormatRpcDate(start) + L"\", \"" + FormatRpcDate(end) + L"\" ] }";
}

std::wstring GetAllLeaveTypes()
{
    return L"{ method:\"QBService_v1.getAllLeaveTypes\", params:[] }";
}

}  // namespace RpcRequest

}  // namespace Quorvane
