#include "tools/qbsim/Names.h"

#include "core/TextUtils.h"

namespace QbSim {

bool IsEntityNameInUse(Company& company, const std::wstring& name)
{
    std::wstring wanted = Quorvane::ToLower(name);
    for (const wchar_t* list : { kEmployees, kVendors, kCustomers })
        for (const Json& record : company.List(list))
            if (record.Get(L"Sublevel").AsInt() == 0 && Quorvane::ToLower(record.Get(L"Name").AsString()) == wanted)
                return true;
    return false;
}

}  // namespace QbSim
