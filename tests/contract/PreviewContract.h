#pragma once
// The promise of the preview, checked over one world: after an import, QuickBooks holds what the
// preview showed, nothing it did not show has changed, the log and the end panel count what the
// preview counts, and a reload and a second import find nothing left to do.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "World.h"

namespace Quorvane {
namespace Connectors {
class DesktopConnector;
}
}  // namespace Quorvane

// One line per broken promise; empty when the program kept them all.
std::vector<std::string> CheckWorld(const World& world,
                                    const boost::shared_ptr<Quorvane::Connectors::DesktopConnector>& connector);
