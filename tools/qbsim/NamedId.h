#pragma once
// Member names and their dispatch ids, for the objects whose members are fixed.
#include <windows.h>
#include <string>

namespace QbSim {

struct NamedId {
    const wchar_t* name;
    DISPID id;
};

template <size_t N>
DISPID FindId(const NamedId (&table)[N], const std::wstring& name)
{
    for (const NamedId& entry : table)
        if (name == entry.name)
            return entry.id;
    return DISPID_UNKNOWN;
}

}  // namespace QbSim
