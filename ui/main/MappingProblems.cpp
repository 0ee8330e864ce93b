#include "ui/main/MappingProblems.h"

#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"
#include "ui/main/SummaryTable.h"

using htmlayout::dom::element;

namespace {

std::wstring Counted(int count, const wchar_t* noun)
{
    return std::to_wstring(count) + L" " + noun + (count > 1 ? L"s" : L"");
}

}  // namespace

std::vector<std::wstring> MappingProblemItems(const MainModel& model)
{
    std::vector<std::wstring> items;
    boost::shared_ptr<Quorvane::Config> config = model.GetConfig();
    if (!config)
        return items;
    if (!IsCustomerJobMappingValid(*config))
        items.push_back(L"Mapping rules for <b>customers &amp; jobs</b>");
    if (int users = HasEmployeeMappingProblems(model, *config))
        items.push_back(L"Mapping rules for <b>QuickBooks employees</b> (for " + Counted(users, L"Quorvane user") +
                        L")");
    if (int leaveTypes = HasLeaveTypeMappingProblems(model, *config)) {
        items.push_back(L"<b>Leave types</b> to be imported");
        items.push_back(L"<b>Payroll items</b> associated with leave types (for " + Counted(leaveTypes, L"leave type") +
                        L")");
    }
    if (int users = HasWorkingTimePayrollMappingProblems(model, *config))
        items.push_back(L"<b>Payroll items</b> associated with working time (for " + Counted(users, L"Quorvane user") +
                        L")");
    return items;
}

int CountBlockedEmployees(const PreviewSummary& preview)
{
    int blocked = 0;
    for (const EmployeeSummary& employee : preview.employees)
        if (employee.mappingState != 0 && employee.mappingState != 3 && employee.level <= MissingManual)
            ++blocked;
    return blocked;
}

std::wstring EmployeeSelectHint(int blocked)
{
    return Counted(blocked, L"user") +
           L" cannot be selected as there are items<br/> that should be created in QuickBooks before<br/> importing "
           L"data for these employees.";
}

void MainView::ShowMappingProblems()
{
    element root = Root();
    element list = root.get_element_by_id("idListMappingProblem");
    if (!list.is_valid())
        return;
    list.delete_children_from(0);
    if (!m_model)
        return;
    Quorvane::CriticalSectionLock lock(m_model->GetLock());
    for (const std::wstring& item : MappingProblemItems(*m_model)) {
        element entry = element::create("li");
        list.append(entry);
        mainpage::SetMarkup(entry, item);
    }
    ShowView(2);
    element import = root.get_element_by_id("import");
    element settings = root.get_element_by_id("Settings");
    element missingData = root.get_element_by_id("Missingdata");
    if (!import.is_valid() || !settings.is_valid() || !missingData.is_valid())
        return;
    mainpage::SetEnabled(missingData, false);
    mainpage::SetEnabled(settings, true);
    mainpage::SetEnabled(import, false);
    mainpage::SetEnabled(root.get_element_by_id("ImportHistory"), true);
}

void MainView::UpdateEmployeeSelectHint(const PreviewSummary& preview)
{
    element root = Root();
    element cell = root.get_element_by_id("idEmployeeSelect");
    element icon = cell.find_first("img");
    if (!icon.is_valid())
        return;
    int blocked = CountBlockedEmployees(preview);
    mainpage::SetShown(icon, blocked > 0);
    if (blocked > 0) {
        mainpage::SetMarkup(root.get_element_by_id("tooltip-content"), EmployeeSelectHint(blocked));
        cell.set_attribute("titleid", L"selected-title-id");
    } else {
        // No stale hint on a hidden icon.
        cell.set_attribute("titleid", nullptr);
    }
}
