#include "connectors/server/QuorvaneConnector.h"

#include <algorithm>
#include "connectors/server/ServerExceptions.h"
#include "connectors/server/ServerVersion.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

namespace {

const size_t kLongestServerIdentity = 1000;

const wchar_t kRequiredService[] = L"QBService_v1";

bool EndsWith(const std::wstring& text, const std::wstring& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::wstring QuorvaneConnector::BuildRpcUrl(const std::wstring& url)
{
    std::wstring address = Trim(url);
    // "http://host/" must not become a path of "//rpc", which servers do not serve.
    if (EndsWith(address, L"/"))
        address += L"rpc";
    else if (address.size() <= 4 || !EndsWith(address, L"/rpc"))
        address += L"/rpc";
    if (address.size() <= 7 || !(StartsWith(address, L"http://") || StartsWith(address, L"https://")))
        address = L"http://" + address;
    return address;
}

void QuorvaneConnector::Connect()
{
    if (m_options.url.empty() && m_options.userName.empty() && m_options.password.empty())
        throw QuorvaneNotSpecifiedException();
    m_rpc.SetUrl(BuildRpcUrl(m_options.url));
    Challenge challenge = RequestChallenge();
    LoginResult login = m_rpc.Login(m_options.userName, m_options.password, challenge.challengeValue);
    CheckLogin(login, challenge);
    m_serverUuid = login.serverUUID;
}

// An empty challenge is what a failed exchange gives: nothing answered at that address.
Challenge QuorvaneConnector::RequestChallenge()
{
    Challenge challenge = m_rpc.GetChallenge();
    if (challenge.challengeValue.empty() || challenge.version.empty())
        throw QuorvaneNotFoundException();
    if (!IsSupportedServerVersion(challenge.version))
        throw QuorvaneNotSupportedException();
    return challenge;
}

void QuorvaneConnector::CheckLogin(const LoginResult& login, const Challenge& challenge) const
{
    if (login.resultCode == L"error_account_disabled")
        throw AccountDisabledException();
    if (login.resultCode != L"ok" || login.userId == 0 || login.userId == -1)
        throw InvalidCredentialsException();
    const std::vector<std::wstring>& services = login.availableServices;
    if (std::find(services.begin(), services.end(), kRequiredService) == services.end())
        throw QuickBooksServiceNotSupported(challenge.version, challenge.build);
    // The identity is stored in the settings file and compared at every login; no server
    // sends one this long.
    if (login.serverUUID.size() > kLongestServerIdentity)
        throw WrongFormatException();
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
