#include "tools/qbsim/Names.h"

#include <windows.h>
#include <vector>

#include "core/TextUtils.h"

namespace QbSim {

std::wstring ThroughCodePage1252(const std::wstring& text)
{
    if (text.empty())
        return text;
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, 0, 0, "?", 0);
    std::vector<char> narrow(bytes > 0 ? bytes : 1);
    bytes = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, &narrow[0], bytes, "?", 0);
    int units = MultiByteToWideChar(1252, 0, &narrow[0], bytes, 0, 0);
    std::vector<wchar_t> wide(units > 0 ? units : 1);
    units = MultiByteToWideChar(1252, 0, &narrow[0], bytes, &wide[0], units);
    return std::wstring(&wide[0], units > 0 ? units : 0);
}

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
