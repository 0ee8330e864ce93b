#include "ui/dialogs/details/TabCollection.h"

#include <stdexcept>

void TabCollection::AddTab(const TabPtr& tab)
{
    if (Contains(tab))
        throw std::runtime_error("tab already exist");
    m_tabs[tab->GetId()] = tab;
}

void TabCollection::RemoveTab(const TabPtr& tab)
{
    m_tabs.erase(tab->GetId());
}

bool TabCollection::Contains(const TabPtr& tab)
{
    if (!tab)
        throw std::invalid_argument("Argument is null exception");
    const TabMap::const_iterator held = m_tabs.find(tab->GetId());
    return held != m_tabs.end() && held->second == tab;
}
