#pragma once
// QuickBooks's rule for names: unique within their list.
#include <string>

#include "tools/qbsim/Company.h"

namespace QbSim {

// An employee's, vendor's or top-level customer's name already in use (A-Z folded).
bool IsEntityNameInUse(Company& company, const std::wstring& name);

}  // namespace QbSim
