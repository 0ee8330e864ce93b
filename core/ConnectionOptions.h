#pragma once
// What the user enters to reach the time-tracking server. Part of the settings of a company,
// so it lives with them; the server connector uses it as it is.
#include <string>

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

class ConnectionOptions {
public:
    ConnectionOptions() : rememberPassword(false), siteChangeAccepted(false) {}

    bool GetRememberPassword() const { return rememberPassword; }
    void SetRememberPassword(bool remember) { rememberPassword = remember; }
    bool GetSiteChangeAccepted() const { return siteChangeAccepted; }
    void SetSiteChangeAccepted(bool accepted) { siteChangeAccepted = accepted; }

    // Same address and user name, and the same password unless this one is empty: edited
    // options without a password still name the connection they came from. Exact comparisons.
    bool IsSameConnection(const ConnectionOptions& other) const;

    std::wstring url;
    std::wstring userName;
    std::wstring password;
    bool rememberPassword;
    // The user accepted that the server's identity changed.
    bool siteChangeAccepted;
};

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
