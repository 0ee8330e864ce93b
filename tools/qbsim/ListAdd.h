#pragma once
// What adding a customer, job or item shares: the name limit, the parent, at most five
// levels, and a full name unique within the list (A-Z folded).
#include <string>

#include "tools/qbsim/Company.h"

namespace QbSim {

struct HierarchyRules {
    const wchar_t* list;
    const wchar_t* title;  // the list's name in messages
    size_t nameLimit;
    long long kind;  // the Kind a parent must have; -1 for lists without kinds
};

// Fills `record` with Name, ParentRef and FullName; gives a refusal, or null when it may be added.
Json PrepareHierarchyElement(Company& company, const HierarchyRules& rules, const Json& request, Json& record);

}  // namespace QbSim
