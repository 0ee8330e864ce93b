#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/dialogs/details/TabCollection.h"

namespace {

class NamedTab : public ITabController {
public:
    explicit NamedTab(const wchar_t* id) : m_id(id) {}
    std::wstring GetId() override { return m_id; }
    void Build(htmlayout::dom::element) override {}
    bool OnScriptCall(HWND, HELEMENT, const char*, UINT, json::value*) override { return false; }
    bool IsDataChanged() override { return false; }

private:
    std::wstring m_id;
};

TabCollection::TabPtr Tab(const wchar_t* id)
{
    return TabCollection::TabPtr(new NamedTab(id));
}

TEST(TabCollection, HoldsOneTabPerIdInIdOrder)
{
    TabCollection tabs;
    const TabCollection::TabPtr working = Tab(L"idWorkingLeaveTime_Tab");
    const TabCollection::TabPtr missing = Tab(L"idMissingItems_Tab");
    tabs.AddTab(working);
    tabs.AddTab(missing);
    EXPECT_EQ(L"idMissingItems_Tab", tabs.GetTabs().begin()->first);
    EXPECT_THROW(tabs.AddTab(working), std::runtime_error);

    const TabCollection::TabPtr other = Tab(L"idMissingItems_Tab");
    EXPECT_FALSE(tabs.Contains(other));
    tabs.AddTab(other);
    EXPECT_TRUE(tabs.Contains(other));
    EXPECT_FALSE(tabs.Contains(missing));
    tabs.RemoveTab(working);
    EXPECT_EQ(1u, tabs.GetTabs().size());
    EXPECT_THROW(tabs.Contains(TabCollection::TabPtr()), std::invalid_argument);
}

}  // namespace
