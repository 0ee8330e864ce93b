#pragma once
// The connector to the time-tracking server: logs in by challenge and response, checks the
// server's version and services, keeps the server's identity and fetches the data. Used by one
// thread at a time (the load thread); every load makes a new one.
#include <string>
#include <boost/shared_ptr.hpp>
#include "connectors/server/IConnector.h"
#include "connectors/server/RpcClient.h"
#include "core/ConnectionOptions.h"
#include "core/PayRoll.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

class QuorvaneConnector : public IConnector {
public:
    QuorvaneConnector() {}

    // Throws QuorvaneNotSpecifiedException, BadURLException, InvalidCertificate,
    // QuorvaneNotFoundException, QuorvaneNotSupportedException, AccountDisabledException,
    // InvalidCredentialsException or QuickBooksServiceNotSupported. A failed login keeps the
    // previous server identity.
    void Connect() override;

    // Nothing partial: any failure throws, and no collection comes back.
    boost::shared_ptr<EmployeeCollection> GetUsersTimeTrack(const DateTime& start, const DateTime& end) override;
    virtual boost::shared_ptr<PayRollCollection> GetLeaveTypes();
    void GetGeneralSettings(GeneralSettings& out);

    ConnectionOptions GetConnectionOptions() const { return m_options; }
    void SetConnectionOptions(const ConnectionOptions& options) { m_options = options; }
    // The "serverUUID" of the last successful login; empty before.
    std::wstring GetServerUuid() const { return m_serverUuid; }

    // The address as typed, completed to the RPC endpoint: "server" -> "http://server/rpc".
    static std::wstring BuildRpcUrl(const std::wstring& url);

private:
    QuorvaneConnector(const QuorvaneConnector&);
    QuorvaneConnector& operator=(const QuorvaneConnector&);

    Challenge RequestChallenge();
    void CheckLogin(const LoginResult& login, const Challenge& challenge) const;
    void ConvertUserTimeTrack(EmployeeCollection& all, const DateTime& start, const DateTime& end);

    RpcClient m_rpc;
    ConnectionOptions m_options;
    std::wstring m_serverUuid;
};

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
