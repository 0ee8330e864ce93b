#pragma once
#include <string>

namespace Quorvane {
namespace Connectors {

// The English text of a QuickBooks status code, or of the two COM error codes the program
// reports to the user (0x8004040D, 0x8004041C); empty for any other code.
std::wstring QBStatusMessage(int code);

}  // namespace Connectors
}  // namespace Quorvane
