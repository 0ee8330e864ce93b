#pragma once
#include <string>
#include <vector>

namespace Quorvane {
namespace Connectors {

// Titles of the QuickBooks windows for entering time that are open now, in the order the
// window manager lists them; empty when none. An import must not run while one is open.
std::vector<std::wstring> FindOpenQuickBooksForms();

}  // namespace Connectors
}  // namespace Quorvane
