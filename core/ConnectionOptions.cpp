#include "core/ConnectionOptions.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

bool ConnectionOptions::IsSameConnection(const ConnectionOptions& other) const
{
    return userName == other.userName && url == other.url && (password.empty() || password == other.password);
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
