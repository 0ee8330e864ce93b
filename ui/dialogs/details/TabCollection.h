#pragma once
// The preview dialog's tabs by id. Every walk over them follows the ids' order.
#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "ui/dialogs/details/ITabController.h"

class TabCollection {
public:
    typedef boost::shared_ptr<ITabController> TabPtr;
    typedef std::map<std::wstring, TabPtr> TabMap;

    virtual ~TabCollection() {}

    // Throws std::runtime_error "tab already exist" when this very tab is held already; a
    // different tab of the same id replaces the held one.
    virtual void AddTab(const TabPtr& tab);
    virtual void RemoveTab(const TabPtr& tab);
    // True when the tab's id holds this very tab. Throws std::invalid_argument "Argument is null
    // exception" for a null tab.
    virtual bool Contains(const TabPtr& tab);

    TabMap GetTabs() const { return m_tabs; }

private:
    TabMap m_tabs;
};
