// The view's summary: the rows, the selection shortcuts, the footer totals, the "Review Missing
// Data" button and the sort indicator.
#include <exception>
#include <set>
#include <vector>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/TextUtils.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"
#include "ui/main/SummaryTable.h"
#include "ui/main/SummaryTotalsView.h"

using htmlayout::dom::element;

namespace {

enum SelectionMode { SelectNone = 0, SelectAll = 1, SelectUpdated = 2 };

bool IsBoxDisabled(const element& box)
{
    const wchar_t* disabled = box.get_attribute("disabled");
    return disabled && std::wstring(disabled) == L"disabled";
}

bool RowSelectedBy(int mode, const element& row)
{
    if (mode == SelectAll)
        return true;
    if (mode == SelectUpdated)
        return !row.find_first(".notChange").is_valid();
    return false;
}

// True when an employee the import would take (mapped or new) lacks items in QuickBooks.
bool AnyImportedEmployeeMissesItems(const PreviewSummary& preview)
{
    for (const EmployeeSummary& employee : preview.employees)
        if ((employee.mappingState == 2 || employee.mappingState == 4) && employee.missingItems > 0)
            return true;
    return false;
}

void ShowRows(element tbody, const std::vector<std::wstring>& pieces)
{
    mainpage::SetMarkup(tbody, pieces.empty() ? std::wstring() : pieces.front());
    for (size_t i = 1; i < pieces.size(); ++i)
        mainpage::SetMarkup(tbody, pieces[i], SIH_APPEND_AFTER_LAST);
}

}  // namespace

void MainView::RefreshSummary()
{
    ShowPreparedSummary(boost::shared_ptr<PreparedSummary>());
}

// The caller's model: the window's own may be replaced on its thread meanwhile.
boost::shared_ptr<PreparedSummary> MainView::PrepareSummary(const boost::shared_ptr<MainModel>& model)
{
    if (!model || !model->GetConfig())
        return boost::shared_ptr<PreparedSummary>();
    Quorvane::CriticalSectionLock lock(model->GetLock());
    try {
        return boost::shared_ptr<PreparedSummary>(new PreparedSummary(model));
    } catch (...) {
        // The window's thread works it out again and reports what fails, as a refresh does.
        return boost::shared_ptr<PreparedSummary>();
    }
}

void MainView::ShowPreparedSummary(const boost::shared_ptr<PreparedSummary>& prepared)
{
    element root = Root();
    element tbody = root.get_element_by_id("TTTotalTableBody");
    if (!m_model || !tbody.is_valid() || !m_model->GetConfig())
        return;
    Quorvane::CriticalSectionLock lock(m_model->GetLock());
    ResetSortIndicator();
    boost::shared_ptr<PreparedSummary> summary = prepared && prepared->Fits(*m_model)
                                                     ? prepared
                                                     : boost::shared_ptr<PreparedSummary>(new PreparedSummary(m_model));
    const PreviewSummary& preview = summary->preview;
    ShowView(1);
    element importHistory = root.get_element_by_id("ImportHistory");
    if (importHistory.is_valid()) {
        mainpage::SetEnabled(root.get_element_by_id("Missingdata"), true);
        mainpage::SetEnabled(root.get_element_by_id("Settings"), true);
        mainpage::SetEnabled(importHistory, true);
        UpdateSelectionTotals();
        UpdateImportButton();
        UpdateMissingDataButton(preview);
        UpdateEmployeeSelectHint(preview);
    }
    // The rows go in last: every look-up by id above walks the page, and would walk them too.
    ShowRows(tbody, summary->rows);
    root.update();
    RefocusReplacedRow();
}

void MainView::UpdateTotalTable(int mode)
{
    element tbody = Root().get_element_by_id("TTTotalTableBody");
    if (!tbody.is_valid())
        return;
    for (UINT i = 0, count = tbody.children_count(); i < count; ++i) {
        element row = tbody.child(i);
        element box = row.find_first("input[type=checkbox]");
        if (!box.is_valid() || IsBoxDisabled(box))
            continue;
        bool selected = RowSelectedBy(mode, row);
        box.set_value(json::value(selected));
        EmployeeSelected(box.get_attribute("id") ? box.get_attribute("id") : L"", selected);
        row.set_attribute("rowSelect", selected ? L"true" : L"false");
    }
    tbody.update();
}

void MainView::UpdateSelectionTotals()
{
    if (!m_model || !m_model->GetConfig())
        return;
    Quorvane::CriticalSectionLock lock(m_model->GetLock());
    boost::shared_ptr<Quorvane::Config> config = m_model->GetConfig();
    std::set<std::wstring> selection = *config->GetSelectedEmployees();
    SummaryTotals totals = SelectionTotals(m_model, selection);
    element root = Root();
    element count = root.get_element_by_id("selectedEmployeesId");
    if (!count.is_valid())
        return;
    mainpage::SetPlainText(count, SelectionCountText(selection.size(), m_model->GetServerEmployees()->Count()));
    element before = root.get_element_by_id("totalTimeBeforeImport");
    if (!before.is_valid())
        return;
    mainpage::SetMarkup(before, Quorvane::FormatMinutes(totals.before, L"-&nbsp;&nbsp;"));
    mainpage::SetMarkup(root.get_element_by_id("totalTimeAfterImport"),
                        Quorvane::FormatMinutes(totals.after, L"-&nbsp;&nbsp;"));
}

void MainView::UpdateMissingDataButton()
{
    if (!m_model || !m_model->GetConfig())
        return;
    PreviewSummary preview;
    {
        Quorvane::CriticalSectionLock lock(m_model->GetLock());
        preview = SummarizePreview(m_model);
    }
    UpdateMissingDataButton(preview);
}

void MainView::UpdateMissingDataButton(const PreviewSummary& preview)
{
    mainpage::SetEnabled(Root().get_element_by_id("Missingdata"), AnyImportedEmployeeMissesItems(preview));
}

void MainView::ResetSortIndicator()
{
    std::vector<element> headers;
    Root().get_element_by_id("TTSummary").find_all(&headers, "th[sortable='true']");
    bool employeeSeen = false;
    for (element& header : headers) {
        header.set_style_attribute("background-image", L"none");
        const wchar_t* type = header.get_attribute("hdType");
        if (!employeeSeen && type && std::wstring(type) == L"hdEmployee") {
            employeeSeen = true;
            header.set_attribute("sorted", L"asc");
            header.set_style_attribute("background-image", L"url(stock:arrow-up)");
        }
    }
}
