#pragma once
// What list queries share: the list filter (ActiveStatus, a FullName range, MaxReturned), the
// order of the answer, and IncludeRetElementList.
#include <functional>
#include <string>
#include <vector>

#include "tools/qbsim/Company.h"

namespace QbSim {

// The records of `list` that `keep` accepts and the filter passes, ordered by FullName (parents
// before their children) or in reverse when the company's ListOrder is "Reverse". An absent
// ActiveStatus means active records only, as in QuickBooks.
std::vector<Json> QueryList(Company& company, const std::wstring& list, const Json& filter,
                            const std::function<bool(const Json&)>& keep);

inline bool AnyRecord(const Json&)
{
    return true;
}

// The Ret with only the elements named in `include`; all of them when `include` is empty.
Json IncludeOnly(const Json& ret, const Json& include);

// A query's answer: the Rets cut to the request's IncludeRetElementList, status 1 when none.
Json AnswerQuery(const std::wstring& listType, std::vector<Json> rets, const Json& request);

}  // namespace QbSim
