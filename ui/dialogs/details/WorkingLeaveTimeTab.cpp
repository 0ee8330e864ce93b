#include "ui/dialogs/details/WorkingLeaveTimeTab.h"

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/missing/MissingItemsController.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/WeekTable.h"
#include "ui/shared/PageText.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

const int kDaysPerWeek = 7;

bool PayrollRuleIsMapped(const Config& config, const std::wstring& userId)
{
    try {
        return config.GetPayrollTypeMappings()->GetBySource(userId)->GetState() == Mapping::Mapped;
    } catch (const NotFoundException&) {
        return false;
    }
}

}  // namespace

WorkingLeaveTimeTab::WorkingLeaveTimeTab(const boost::shared_ptr<MainModel>& model)
    : m_model(model), m_config(model->GetConfig())
{
}

// Whatever keeps the table from being built (an employee missing from the preview, a bad name
// convention) leaves a note in its place instead of a half-built table.
void WorkingLeaveTimeTab::Build(element root)
{
    try {
        const SelectedEmployee employee = ReadSelectedEmployee(root);
        root.get_element_by_id("QuorvaneUser")
            .set_text(FormatEmployeeName(m_config.get(), *employee.serverEmployee, true).c_str());
        BuildTable(root, employee);
    } catch (...) {
        ShowUnavailable(root);
    }
}

bool WorkingLeaveTimeTab::OnScriptCall(HWND dialog, HELEMENT, const char* name, UINT, json::value*)
{
    if (htmlayout::streq(name, "OnUserChanged")) {
        WaitCursor wait;
        Build(element::root_element(dialog));
    }
    return false;
}

WorkingLeaveTimeTab::SelectedEmployee WorkingLeaveTimeTab::ReadSelectedEmployee(const element& root) const
{
    SelectedEmployee selected;
    selected.diff = m_model->GetEmployeeDiffs()->FindByEmployeeId(SelectedEmployeeId(root));
    selected.serverEmployee = selected.diff->GetServerUser();
    const std::wstring id = selected.serverEmployee->GetId();
    try {
        selected.usesTimeData = FindQuickBooksEmployee(*m_model, id, m_config.get())->GetUsesTimeData();
    } catch (const NotFoundException&) {
        selected.usesTimeData = PayrollRuleIsMapped(*m_config, id);
    }
    selected.namingEmployee = FindNamingEmployee(*m_model, *m_config, selected.serverEmployee);
    return selected;
}

void WorkingLeaveTimeTab::BuildTable(const element& root, const SelectedEmployee& employee)
{
    element tbody = root.get_element_by_id("workingLeaveTimeTBody");
    if (!tbody.is_valid())
        return;
    SetColumnHeaders(root, employee.usesTimeData);
    const DateRange period = m_config->GetPeriod();
    WeekTableWriter::Settings settings;
    settings.usesTimeData = employee.usesTimeData;
    settings.canRemove = m_config->GetCanRemoveExistingQBTimeTrack();
    settings.periodStart = period.GetStart();
    settings.periodEnd = period.GetEnd();
    const boost::shared_ptr<MissingItemCollection> missing =
        MissingItemsController(m_model).CollectMissingItems(*employee.diff);
    const WeekTableWriter writer(settings, *missing);
    const PreviewRowKeys keys(*m_model, *m_config, *employee.serverEmployee, *employee.namingEmployee);
    const std::vector<PreviewWeek> weeks = LayWeeks(period.GetStart(), period.GetEnd(), m_model->GetFirstDayOfWeek());
    MarkupWriter markup;
    for (std::vector<PreviewWeek>::const_iterator week = weeks.begin(); week != weeks.end(); ++week)
        writer.WriteWeek(
            *week, keys.KeyEntries(*employee.diff->GetTimeTrackDiffs()->SelectByDateRange(week->start, week->end)),
            markup);
    mainpage::SetMarkup(tbody, markup.str());
    tbody.update(true);
}

// The day columns start on the company's first day of the week; without time data the service
// item spans the hidden payroll column.
void WorkingLeaveTimeTab::SetColumnHeaders(const element& root, bool usesTimeData) const
{
    const int firstDay = m_model->GetFirstDayOfWeek();
    for (int i = 0; i < kDaysPerWeek; ++i)
        root.find_first("th[dayofweek=\"%d\"]", i).set_text(DayHeaderName(firstDay, i).c_str());
    root.get_element_by_id("serviceitem").set_attribute("colspan", usesTimeData ? nullptr : L"2");
    root.get_element_by_id("payroll").set_attribute("htd", usesTimeData ? nullptr : L"true");
}

void WorkingLeaveTimeTab::ShowUnavailable(const element& root) const
{
    element tbody = root.get_element_by_id("workingLeaveTimeTBody");
    if (!tbody.is_valid())
        return;
    mainpage::SetMarkup(
        tbody, L"<tr><td colspan=\"13\" class=\"unavailable\">Preview not available for this employee</td></tr>");
    tbody.update(true);
}
