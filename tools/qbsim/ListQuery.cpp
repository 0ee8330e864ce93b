#include "tools/qbsim/ListQuery.h"

#include <algorithm>
#include <climits>

#include "core/TextUtils.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

enum ActiveStatus { kActiveOnly = 0, kInactiveOnly = 1, kAll = 2 };

std::wstring SortName(const Json& record)
{
    return Quorvane::ToLower(record.Has(L"FullName") ? record.Get(L"FullName").AsString()
                                                     : record.Get(L"Name").AsString());
}

bool PassesActiveStatus(const Json& record, long long status)
{
    bool active = record.Get(L"IsActive").AsBool(true);
    return status == kAll || (status == kInactiveOnly ? !active : active);
}

bool PassesNameRange(const Json& record, const Json& range)
{
    if (range.IsNull())
        return true;
    std::wstring name = SortName(record);
    const Json& from = range.Get(L"FromName");
    const Json& to = range.Get(L"ToName");
    return (from.IsNull() || name >= Quorvane::ToLower(from.AsString())) &&
           (to.IsNull() || name <= Quorvane::ToLower(to.AsString()));
}

}  // namespace

std::vector<Json> QueryList(Company& company, const std::wstring& list, const Json& filter,
                            const std::function<bool(const Json&)>& keep)
{
    long long status = filter.Get(L"ActiveStatus").AsInt(kActiveOnly);
    const Json& range = filter.GetPath(L"ORNameFilter.NameRangeFilter");
    std::vector<Json> found;
    for (const Json& record : company.List(list))
        if (keep(record) && PassesActiveStatus(record, status) && PassesNameRange(record, range))
            found.push_back(record);
    std::stable_sort(found.begin(), found.end(),
                     [](const Json& a, const Json& b) { return SortName(a) < SortName(b); });
    if (company.Knobs().Get(L"ListOrder").AsString() == L"Reverse")
        std::reverse(found.begin(), found.end());
    size_t most = static_cast<size_t>(filter.Get(L"MaxReturned").AsInt(INT_MAX));
    if (found.size() > most)
        found.resize(most);
    return found;
}

Json IncludeOnly(const Json& ret, const Json& include)
{
    if (include.Size() == 0)
        return ret;
    Json kept = Json::MakeObject();
    for (const auto& member : ret.GetMembers())
        for (const Json& name : include.Items())
            if (name.AsString() == member.first)
                kept.Set(member.first, member.second);
    return kept;
}

Json AnswerQuery(const std::wstring& listType, std::vector<Json> rets, const Json& request)
{
    for (Json& ret : rets)
        ret = IncludeOnly(ret, request.Get(L"IncludeRetElementList"));
    return AnswerList(listType, rets);
}

}  // namespace QbSim
