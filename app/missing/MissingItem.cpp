#include "app/missing/MissingItem.h"

namespace Quorvane {

MissingItemCollection::Pointer MissingItemCollection::Find(const MissingItem& item) const
{
    for (const_iterator it = begin(); it != end(); ++it)
        if ((*it)->Equals(item))
            return *it;
    return Pointer();
}

void MissingItemCollection::Add(int kind, const std::wstring& name, const std::wstring& description)
{
    Pointer item(new MissingItem(kind, name, description));
    if (!Find(*item))
        m_items.push_back(item);
}

MissingItemCollection::Pointer MissingItemCollection::FindOrAdd(const Pointer& item)
{
    Pointer held = Find(*item);
    if (held)
        return held;
    m_items.push_back(item);
    return item;
}

bool MissingItemCollection::ContainsName(const std::wstring& name) const
{
    for (const_iterator it = begin(); it != end(); ++it)
        if ((*it)->GetName() == name)
            return true;
    return false;
}

}  // namespace Quorvane
