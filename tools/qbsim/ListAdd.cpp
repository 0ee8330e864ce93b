#include "tools/qbsim/ListAdd.h"

#include "core/TextCharset.h"
#include "tools/qbsim/Names.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

const long long kDeepestSublevel = 4;

}  // namespace

Json PrepareHierarchyElement(Company& company, const HierarchyRules& rules, const Json& request, Json& record)
{
    std::wstring name = request.Get(L"Name").AsString();
    if (name.size() > rules.nameLimit)
        return StringTooLong(L"Name", name);
    name = Quorvane::ThroughCodePage1252(name);
    record.Set(L"Name", name);
    record.Set(L"IsActive", request.Get(L"IsActive").AsBool(true));
    std::wstring fullName = name;
    if (request.Has(L"ParentRef")) {
        Json parentRef = request.Get(L"ParentRef");
        const Json* parent = company.Resolve(rules.list, parentRef);
        if (!parent || (rules.kind >= 0 && parent->Get(L"Kind").AsInt() != rules.kind))
            return InvalidReference(rules.title,
                                    parentRef.Get(L"ListID").AsString(parentRef.Get(L"FullName").AsString()));
        if (parent->Get(L"Sublevel").AsInt() >= kDeepestSublevel)
            return TooManyLevels(name);
        record.Set(L"ParentRef", parentRef);
        fullName = parentRef.Get(L"FullName").AsString() + L":" + name;
    }
    if (company.FindByFullName(rules.list, fullName))
        return NameNotUnique(fullName);
    if (rules.list == std::wstring(kCustomers) && !record.Has(L"ParentRef") && IsEntityNameInUse(company, name))
        return NameNotUnique(name);
    return Json();
}

}  // namespace QbSim
