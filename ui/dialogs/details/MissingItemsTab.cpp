#include "ui/dialogs/details/MissingItemsTab.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/missing/MissingItemsController.h"
#include "core/Boundary.h"
#include "core/CompanyConfig.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/MissingItemRules.h"
#include "ui/shared/ErrorPanel.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/TabSelection.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;
using boost::placeholders::_1;

MissingItemsTab::MissingItemsTab(const boost::shared_ptr<MainModel>& model)
    : m_model(model), m_table(model, MissingItemsTable::TabLayout), m_unavailable(false)
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
        CreateCheckedItems(dialog);
    else if (htmlayout::streq(name, "OnCheckMissingItem")) {
        CheckMissingItemRow(root, ElementArgument(argc, argv));
        m_table.UpdateCreateButton(root);
    } else if (htmlayout::streq(name, "OnCloseErrorDialog"))
        ResumeCreation(dialog);
    else
        return false;
    return true;
}

// With no employee chosen (or one missing from the preview) there is nothing to list. Items
// that cannot be listed (a bad name convention) are no empty list: the tab stays and says why.
void MissingItemsTab::BuildMissingItemsTable(const element& root)
{
    m_diff.reset();
    m_unavailable = false;
    try {
        m_diff = m_model->GetEmployeeDiffs()->FindByEmployeeId(SelectedEmployeeId(root));
    } catch (const NotFoundException&) {
        m_table.SetStatuses(boost::shared_ptr<MissingItemStatusList>(new MissingItemStatusList));
        m_table.BuildMissingItemsTable(root);
        return;
    }
    try {
        MissingItemsController controller(m_model);
        m_table.SetStatuses(controller.ValidateMissingItems(*SortByKind(*controller.CollectMissingItems(*m_diff))));
        m_table.BuildMissingItemsTable(root);
    } catch (...) {
        m_unavailable = true;
        LogCurrentException(L"Listing the missing items");
        m_table.ShowUnavailable(root);
    }
}

// With nothing missing the tab goes, and the working time tab takes its place; it comes back
// as soon as another employee has something missing, and can be chosen again.
void MissingItemsTab::ShowTabPanels(const element& root) const
{
    const element tabs = root.get_element_by_id("detailsTab");
    element stripItem = tabs.find_first("div[panel=\"idMissingItems_Tab\"]");
    element panel = tabs.find_first("div[name=\"idMissingItems_Tab\"]");
    if (!m_table.IsEmpty() || m_unavailable) {
        if (stripItem.get_state() & STATE_COLLAPSED)
            htmlayout::expand(stripItem);
        return;
    }
    if (stripItem.get_state() & STATE_CURRENT)
        htmlayout::select_tab_by_panel(tabs, L"idWorkingLeaveTime_Tab");
    htmlayout::collapse(stripItem);
    htmlayout::collapse(panel);
}

void MissingItemsTab::CreateCheckedItems(HWND dialog)
{
    m_table.StartCreation(dialog, m_diff, boost::bind(&MissingItemsTab::OnCreationEnded, this, dialog, _1));
}

// A resumed run neither rebuilds the table nor counts as completed.
void MissingItemsTab::ResumeCreation(HWND dialog)
{
    HideErrorDialog(element::root_element(dialog));
    m_table.StartCreation(dialog, m_diff, boost::bind(&MissingItemsTab::OnCreationEnded, this, dialog, false));
}

// A completed run shows what is still missing; the tab goes when nothing is.
void MissingItemsTab::OnCreationEnded(HWND dialog, bool completed)
{
    const element root = element::root_element(dialog);
    if (completed) {
        BuildMissingItemsTable(root);
        m_table.UpdateCreateButton(root);
    }
    ShowTabPanels(root);
    SaveSettings();
}

// Created employees change the mappings: they are saved at once, so a crash cannot lose them.
void MissingItemsTab::SaveSettings() const
{
    CriticalSectionLock lock(m_model->GetLock());
    SaveConfig(m_model->GetCompanyInformation(), m_model->GetConfig());
}
