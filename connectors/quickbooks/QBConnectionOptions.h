#pragma once
#include <string>

namespace Quorvane {
namespace Connectors {

// How the program introduces itself to QuickBooks when it opens a connection.
class QBConnectionOptions {
public:
    QBConnectionOptions(const std::string& applicationName, const std::string& applicationId,
                        unsigned short majorVersion, unsigned short minorVersion)
        : m_applicationName(applicationName),
          m_applicationId(applicationId),
          m_majorVersion(majorVersion),
          m_minorVersion(minorVersion)
    {
    }

    std::string GetApplicationName() const { return m_applicationName; }
    std::string GetApplicationId() const { return m_applicationId; }
    unsigned short GetMajorVersion() const { return m_majorVersion; }
    unsigned short GetMinorVersion() const { return m_minorVersion; }
    void SetMajorVersion(unsigned short version) { m_majorVersion = version; }
    void SetMinorVersion(unsigned short version) { m_minorVersion = version; }

    bool IsValid() const { return !m_applicationName.empty() && !m_applicationId.empty() && m_majorVersion >= 1; }

private:
    std::string m_applicationName;
    std::string m_applicationId;
    unsigned short m_majorVersion;
    unsigned short m_minorVersion;
};

}  // namespace Connectors
}  // namespace Quorvane
