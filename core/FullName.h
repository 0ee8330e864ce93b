#pragma once
// QuickBooks full names of nested list entries: "Acme:Roof:Gutters".
#include <string>

namespace Quorvane {

// Record has GetName() and GetParent() (an empty pointer at the top level).
template <typename Record>
std::wstring BuildFullName(const Record& record)
{
    if (!record.GetParent())
        return record.GetName();
    return BuildFullName(*record.GetParent()) + L":" + record.GetName();
}

}  // namespace Quorvane
