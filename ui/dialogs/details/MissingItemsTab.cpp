#include "ui/dialogs/details/MissingItemsTab.h"

#include "app/MainModel.h"
#include "app/missing/MissingItemsController.h"
#include "core/CompanyConfig.h"
#include "core/EmployeeDiff.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/MissingItemRules.h"
#include "ui/main/ErrorPanel.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/TabSelection.h"
#include "ui/toolkit/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;

MissingItemsTab::MissingItemsTab(const boost::shared_ptr<MainModel>& model)
    : m_model(model), m_table(model, MissingItemsTable::TabLayout)
{
}

void MissingItemsTab::Build(element root)
{
    BuildMissingItemsTable(root);
    ShowTabPanels(root);
}

bool MissingItemsTab::OnScriptCall(HWND dialog, HELEMENT, const char* name, UINT argc, json::value* argv)
{
    const element root = element::root_element(dialog);
    if (htmlayout::streq(name, "OnUserChanged")) {
        WaitCursor wait;
        Build(root);
        m_table.UpdateCreateButton(root);
        return false;
    }
    if (htmlayout::streq(name, "OnCreateMissingDataClick"))
        CreateCheckedItems(root);
    else if (htmlayout::streq(name, "OnCheckMissingItem")) {
        CheckMissingItemRow(root, ElementArgument(argc, argv));
        m_table.UpdateCreateButton(root);
    } else if (htmlayout::streq(name, "OnCloseErrorDialog"))
        ResumeCreation(root);
    else
        return false;
    return true;
}

// An employee missing from the preview (or none chosen) has nothing to list; so has one whose
// items cannot be named (a bad name convention), which the working time tab reports.
void MissingItemsTab::BuildMissingItemsTable(const element& root)
{
    boost::shared_ptr<MissingItemStatusList> statuses(new MissingItemStatusList);
    m_diff.reset();
    try {
        m_diff = m_model->GetEmployeeDiffs()->FindByEmployeeId(SelectedEmployeeId(root));
        MissingItemsController controller(m_model);
        statuses = controller.ValidateMissingItems(*SortByKind(*controller.CollectMissingItems(*m_diff)));
    } catch (...) {
    }
    m_table.SetStatuses(statuses);
    m_table.BuildMissingItemsTable(root);
}

// With nothing missing the tab goes, and the working time tab takes its place; it comes back
// as soon as another employee has something missing, and can be chosen again.
void MissingItemsTab::ShowTabPanels(const element& root) const
{
    const element tabs = root.get_element_by_id("detailsTab");
    element stripItem = tabs.find_first("div[panel=\"idMissingItems_Tab\"]");
    element panel = tabs.find_first("div[name=\"idMissingItems_Tab\"]");
    if (!m_table.IsEmpty()) {
        if (stripItem.get_state() & STATE_COLLAPSED)
            htmlayout::expand(stripItem);
        return;
    }
    if (stripItem.get_state() & STATE_CURRENT)
        htmlayout::select_tab_by_panel(tabs, L"idWorkingLeaveTime_Tab");
    htmlayout::collapse(stripItem);
    htmlayout::collapse(panel);
}

void MissingItemsTab::CreateCheckedItems(const element& root)
{
    if (m_table.OnCreateMissingDataClick(root, m_diff)) {
        BuildMissingItemsTable(root);
        ShowTabPanels(root);
        m_table.UpdateCreateButton(root);
    }
    SaveSettings();
}

void MissingItemsTab::ResumeCreation(const element& root)
{
    HideErrorDialog(root);
    m_table.OnCreateMissingDataClick(root, m_diff);
    ShowTabPanels(root);
    SaveSettings();
}

// Created employees change the mappings: they are saved at once, so a crash cannot lose them.
void MissingItemsTab::SaveSettings() const
{
    CriticalSectionLock lock(m_model->GetLock());
    SaveConfig(m_model->GetCompanyInformation(), m_model->GetConfig());
}
