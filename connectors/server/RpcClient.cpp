#include "connectors/server/RpcClient.h"

#include "connectors/server/LoginHash.h"
#include "connectors/server/RpcReplies.h"
#include "connectors/server/RpcRequests.h"
#include "connectors/server/ServerExceptions.h"

namespace Quorvane {

bool RpcClient::SetUrl(const std::wstring& url)
{
    if (url.empty())
        throw InvalidUrlException();
    m_endpoint = Url::Parse(url);
    return m_http->Open(m_endpoint.scheme, m_endpoint.host, m_endpoint.port);
}

void RpcClient::CheckError(const std::wstring& reply)
{
    RpcReply::CheckError(RpcReply::Parse(reply));
}

json::value RpcClient::Call(const std::wstring& request, ErrorCheck check)
{
    json::value reply = RpcReply::Parse(m_http->SendRequest(L"POST", m_endpoint.path, L"", request));
    if (check == Checked)
        RpcReply::CheckError(reply);
    return reply;
}

Challenge RpcClient::GetChallenge()
{
    return RpcReply::ReadChallenge(Call(RpcRequest::GetChallenge(), Checked));
}

// Not checked for errors: the server's refusals come out as a refused login.
LoginResult RpcClient::Login(const std::wstring& userName, const std::wstring& password,
                             const std::wstring& challengeValue)
{
    std::wstring request = RpcRequest::Login(userName, LoginHash(userName, password, challengeValue));
    return RpcReply::ReadLoginResult(Call(request, Unchecked));
}

GeneralSettings RpcClient::GetGeneralSettings()
{
    return RpcReply::ReadGeneralSettings(Call(RpcRequest::GetGeneralSettings(), Checked));
}

std::vector<int> RpcClient::GetUsersToImport(const DateTime& start, const DateTime& end)
{
    return RpcReply::ReadUsersToImport(Call(RpcRequest::GetUsersToImport(start, end), Checked));
}

std::vector<QVUserWithDuplicates> RpcClient::GetUsersInfoWithDuplicates(const std::vector<int>& ids)
{
    return RpcReply::ReadUsersInfoWithDuplicates(Call(RpcRequest::GetUsersInfoWithDuplicates(ids), Checked));
}

QVUserTimeTrack RpcClient::GetUserTimeTrack(const std::wstring& userId, const DateTime& start, const DateTime& end)
{
    return RpcReply::ReadUserTimeTrack(Call(RpcRequest::GetUserTimeTrack(userId, start, end), Checked));
}

std::vector<QVLeaveType> RpcClient::GetAllLeaveTypes()
{
    return RpcReply::ReadAllLeaveTypes(Call(RpcRequest::GetAllLeaveTypes(), Checked));
}

}  // namespace Quorvane
