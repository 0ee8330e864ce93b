#include "ui/dialogs/settings/LeaveTimeAndPayrollTab.h"

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "core/Mapping.h"
#include "core/PayRoll.h"
#include "ui/dialogs/settings/MappingChoice.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/shared/PageText.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/TabSelection.h"
#include "json/TextHelpers.h"

using namespace Quorvane;
using namespace settings_page;

namespace {

const wchar_t kLeavePanel[] = L"lv-panel-id1";
const wchar_t kWorkingTimePanel[] = L"lv-panel-id2";

void ShowWorkingTimePanel(const Element& root)
{
    htmlayout::select_tab_by_panel(root.get_element_by_id("lv-tab-holder"), kWorkingTimePanel);
}

// Without leave import there is nothing to set on the leave panel, so its tab is hidden.
void ShowLeaveSwitchedOff(const Element& root)
{
    Element leaveTab = root.get_element_by_id("lv-panel-id1");
    htmlayout::collapse(leaveTab);
    ShowWorkingTimePanel(root);
}

// Without QuickBooks payroll items a leave type can be imported without one; with them it needs
// one. A mapping that no longer fits asks for a choice again.
void AdjustToPayrollItems(Mapping& mapping, bool payrollItemsExist)
{
    const int state = mapping.GetState();
    if ((state == Mapping::ImportWithoutPayrollItem && payrollItemsExist) ||
        (state == Mapping::Mapped && !payrollItemsExist))
        mapping.SetState(Mapping::NotMapped);
}

std::wstring LeaveTypeRow(const PayRoll& leaveType, const Mapping& mapping, const PayRollCollection& items)
{
    return L"<tr mappingState=\"" + std::to_wstring(mapping.GetState()) +
           L"\"><td><span><img iconstop src=\"ICON_STOP.png\">" + HtmlEscape(leaveType.GetName()) +
           L"</span></td><td>" +
           LeaveTimeAndPayrollTab::BuildLeaveTypeSelect(L"lv" + mapping.GetSource(), items, mapping.GetState(),
                                                        mapping.GetTarget()) +
           L"</td></tr>";
}

}  // namespace

void LeaveTimeAndPayrollTab::Load(ModelPtr model, ConfigPtr config, const Element& root)
{
    SetChecked(root.get_element_by_id("idImportLeaveType"), config->GetImportLeaveType());
    if (!config->GetImportLeaveType())
        ShowLeaveSwitchedOff(root);
    BuildLeaveTypeTable(*model, *config, root);
    BuildPayrollTable(*model, *config, root);
}

// A page without the switch keeps the stored one.
void LeaveTimeAndPayrollTab::Save(ModelPtr, ConfigPtr config, const Element& root)
{
    if (boost::optional<bool> importLeave = ReadChecked(root.get_element_by_id("idImportLeaveType")))
        config->SetImportLeaveType(*importLeave);
    ReadMappingSelects(*config->GetLeaveTypeMappings(), root.get_element_by_id("leaveTypeMapping"), L"lv");
    ReadMappingSelects(*config->GetPayrollTypeMappings(), root.get_element_by_id("payrollTypeMappingBody"), L"pr");
}

int LeaveTimeAndPayrollTab::GetValidType(ModelPtr model, ConfigPtr config, const Element& root)
{
    ReadMappingSelects(*config->GetPayrollTypeMappings(), root.get_element_by_id("payrollTypeMappingBody"), L"pr");
    if (HasLeaveTypeMappingProblems(*model, *config) || HasWorkingTimePayrollMappingProblems(*model, *config))
        return TabIncomplete;
    return TabComplete;
}

bool LeaveTimeAndPayrollTab::OnScriptCall(const Element& root, HELEMENT, XCALL_PARAMS& params)
{
    if (!htmlayout::streq(params.method_name, "UpdateEmptyTableComment"))
        return false;
    UpdateEmptyTableComment(root);
    return true;
}

void LeaveTimeAndPayrollTab::ShowPanel(const Element& root, int panel)
{
    if (panel == 1)
        ShowWorkingTimePanel(root);
}

void LeaveTimeAndPayrollTab::ReadMappingSelects(const MappingCollection& mappings, const Element& container,
                                                const std::wstring& prefix)
{
    if (!container.is_valid())
        return;
    const std::map<std::wstring, Element> selects = MappingSelectsById(ChildrenFrom(container, 0));
    for (const boost::shared_ptr<Mapping>& mapping : mappings) {
        std::map<std::wstring, Element>::const_iterator select = selects.find(prefix + mapping->GetSource());
        if (select == selects.end())
            continue;
        if (boost::optional<MappingChoice> choice = ReadMappingChoice(select->second))
            ApplyMappingChoice(*mapping, *choice);
    }
}

void LeaveTimeAndPayrollTab::BuildLeaveTypeTable(const MainModel& model, Config& config, const Element& root)
{
    Element table = root.get_element_by_id("leaveTypeMapping");
    const boost::shared_ptr<PayRollCollection> leaveTypes = model.GetLeaveTypes();
    if (!table.is_valid() || !leaveTypes)
        return;
    const boost::shared_ptr<PayRollCollection> items =
        model.GetPayrollItems() ? model.GetPayrollItems() : PayRollsPtr(new PayRollCollection);
    std::wstring rows;
    for (const boost::shared_ptr<Mapping>& mapping : *config.GetLeaveTypeMappings()) {
        if (!leaveTypes->ContainsListId(mapping->GetSource()))
            continue;
        AdjustToPayrollItems(*mapping, items->Count() > 0);
        rows += LeaveTypeRow(*leaveTypes->FindByListId(mapping->GetSource()), *mapping, *items);
    }
    mainpage::SetMarkup(table, rows, SIH_APPEND_AFTER_LAST);
}
