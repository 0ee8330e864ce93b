#pragma once
// QuickBooks's rules for names: stored in code page 1252 (other characters become "?"), limited
// in length, unique within their list.
#include <string>

#include "tools/qbsim/Company.h"

namespace QbSim {

std::wstring ThroughCodePage1252(const std::wstring& text);

// An employee's, vendor's or top-level customer's name already in use (A-Z folded).
bool IsEntityNameInUse(Company& company, const std::wstring& name);

}  // namespace QbSim
