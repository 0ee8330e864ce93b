// The working-time panel of the leave time and payroll tab: a row per imported server user with
// the payroll items the user's working time can be booked to, or a text when none applies.
#include "ui/dialogs/settings/LeaveTimeAndPayrollTab.h"

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/ConnectorLog.h"
#include "core/DisplayNames.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "core/PayRoll.h"
#include "ui/dialogs/settings/EmployeeMappingOrder.h"
#include "ui/dialogs/settings/EmptyTableComment.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/shared/PageText.h"

using namespace Quorvane;
using namespace settings_page;

namespace {

// Why a user has no payroll item to choose from.
std::wstring NoItemsText(const MainModel& model, const Config& config, const std::wstring& userId)
{
    try {
        if (!FindQuickBooksEmployee(model, userId, &config)->GetUsesTimeData())
            return L"Time data is not used for pay cheques";
    } catch (const NotFoundException&) {
    }
    return L"There are no payroll items to select from";
}

std::wstring UserCell(const Employee& user, const Mapping& employeeMapping)
{
    return L"<td><span>" + std::wstring(employeeMapping.GetFlag() ? L"<img iconnew src=\"ICON_NEW.png\">" : L"") +
           HtmlEscape(FormatEmployeeName(0, user, true)) + L"</span></td>";
}

std::wstring NotRequiredCell(const std::wstring& id, const std::wstring& text)
{
    return L"<td><span mappingState=\"5\" id=\"" + HtmlEscape(id) + L"\" value=\"NotRequired\">" + text +
           L"</span></td>";
}

// Empty when the user gets no row: not imported, or without the mappings a load makes.
std::wstring PayrollRow(const MainModel& model, const Config& config, const Employee& user)
{
    const MappingCollection& employeeMappings = *config.GetEmployeeMappings();
    const MappingCollection& payrollMappings = *config.GetPayrollTypeMappings();
    if (!employeeMappings.Contains(user.GetId()) || !payrollMappings.Contains(user.GetId())) {
        Logging::AppendToConnectorLog(L"Settings: server user " + user.GetId() + L" has no mapping rules");
        return std::wstring();
    }
    const Mapping& employeeMapping = *employeeMappings.GetBySource(user.GetId());
    if (employeeMapping.GetState() == Mapping::DoNotImport)
        return std::wstring();
    const std::wstring id = L"pr" + user.GetId();
    const LeaveTimeAndPayrollTab::PayRollsPtr items =
        LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(model, config, user);
    std::wstring cell;
    if (items->Count() == 0) {
        cell = NotRequiredCell(id, NoItemsText(model, config, user.GetId()));
    } else {
        const Mapping& payrollMapping = *payrollMappings.GetBySource(user.GetId());
        // The items of an employee still to be created are not known yet, so its "no item
        // needed" stands; anyone else who is offered items is asked for one.
        int state = payrollMapping.GetState();
        if (state == Mapping::NoPayrollItemRequired && employeeMapping.GetState() != Mapping::CreateNew)
            state = Mapping::NotMapped;
        cell = L"<td>" + LeaveTimeAndPayrollTab::BuildPayrollItemSelect(id, *items, state, payrollMapping.GetTarget()) +
               L"</td>";
    }
    return L"<tr>" + UserCell(user, employeeMapping) + cell + L"</tr>";
}

}  // namespace

void LeaveTimeAndPayrollTab::BuildPayrollTable(const MainModel& model, const Config& config, const Element& root)
{
    Element body = root.get_element_by_id("payrollTypeMappingBody");
    if (!body.is_valid())
        return;
    const boost::shared_ptr<EmployeeCollection> users = model.GetServerEmployees();
    std::wstring rows;
    for (const boost::shared_ptr<Employee>& user : EmployeeMappingOrder(*config.GetEmployeeMappings()).Sort(*users))
        rows += PayrollRow(model, config, *user);
    mainpage::SetMarkup(body, rows, SIH_APPEND_AFTER_LAST);
    // Drawn with the next frame: laying the page out now, in the middle of a refresh of every
    // tab, would cost a whole layout of the mapping tables each time.
    body.update();
    // A rebuild keeps "Not mapped users only" in force; the page's own rule does the hiding.
    Element hideMapped = root.get_element_by_id("idButtonHideMappedUser");
    if (ReadChecked(hideMapped).value_or(false))
        hideMapped.send_event(EVENT_VALUE_CHANGED, 0, hideMapped);
    UpdateEmptyTableComment(root);
}

void LeaveTimeAndPayrollTab::Rebuild(ModelPtr model, ConfigPtr config, const Element& root)
{
    Element body = root.get_element_by_id("payrollTypeMappingBody");
    if (!body.is_valid())
        return;
    ReadMappingSelects(*config->GetPayrollTypeMappings(), body, L"pr");
    body.delete_children_from(0);
    BuildPayrollTable(*model, *config, root);
}

void LeaveTimeAndPayrollTab::UpdateEmptyTableComment(const Element& root)
{
    ::UpdateEmptyTableComment(root, ChildrenFrom(root.get_element_by_id("payrollTypeMappingBody"), 0),
                              L"#Importleavetime", L"idButtonHideMappedUser");
}
