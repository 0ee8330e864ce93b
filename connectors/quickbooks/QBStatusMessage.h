#pragma once
#include <string>

namespace Quorvane {
namespace Connectors {

// The program's own status of a change or delete that QuickBooks answered without the changed
// record: nothing confirms that the change was made.
const int kNotConfirmedStatus = 31202;

// The English text of a QuickBooks status code, of the two COM error codes the program
// reports to the user (0x8004040D, 0x8004041C), or of kNotConfirmedStatus; empty for any
// other code.
std::wstring QBStatusMessage(int code);

}  // namespace Connectors
}  // namespace Quorvane
