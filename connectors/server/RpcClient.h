#pragma once
// The program's side of the server's JSON-RPC protocol: one request text per call, posted to
// the path of the server address, its reply read into records on the caller's thread.
#include <string>
#include <vector>
#include <boost/shared_ptr.hpp>
#include "connectors/server/HttpTransport.h"
#include "connectors/server/RpcRecords.h"
#include "connectors/server/Url.h"
#include "json/JsonValue.h"

namespace Quorvane {

class RpcClient {
public:
    RpcClient() : m_http(MakeHttpTransport()) {}

    // Throws InvalidUrlException for an empty address and BadURLException for one that does
    // not parse; the address is kept even when the HTTP session then fails to open.
    bool SetUrl(const std::wstring& url);

    static void CheckError(const std::wstring& reply);

    // A failed exchange reads as an empty challenge or a refused login.
    Challenge GetChallenge();
    LoginResult Login(const std::wstring& userName, const std::wstring& password, const std::wstring& challengeValue);

    // A failed exchange or an unusable reply throws UnknownQuorvaneException.
    GeneralSettings GetGeneralSettings();
    std::vector<int> GetUsersToImport(const DateTime& start, const DateTime& end);
    std::vector<QVUserWithDuplicates> GetUsersInfoWithDuplicates(const std::vector<int>& ids);
    QVUserTimeTrack GetUserTimeTrack(const std::wstring& userId, const DateTime& start, const DateTime& end);
    std::vector<QVLeaveType> GetAllLeaveTypes();

private:
    enum ErrorCheck { Unchecked, Checked };
    json::value Call(const std::wstring& request, ErrorCheck check);

    boost::shared_ptr<HttpTransport> m_http;
    Url m_endpoint;
};

}  // namespace Quorvane
