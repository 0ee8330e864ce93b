#include "ui/main/SummaryTable.h"

#include <algorithm>
#include <vector>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/missing/EmployeeLookup.h"
#include "app/missing/MissingItemsController.h"
#include "core/DisplayNames.h"
#include "core/TextUtils.h"
#include "ui/shared/PageText.h"

using Quorvane::EmployeeDiff;

namespace {

const wchar_t kNoTime[] = L"-&nbsp;&nbsp;";

std::wstring CheckboxCell(const std::wstring& userId, MissingItemLevel level)
{
    bool blocked = level == MissingCannotBeCreated || level == MissingManual;
    std::wstring title;
    if (level == MissingCannotBeCreated)
        title = L"You cannot select this employee as there are missing items\rthat can not be created";
    else if (level == MissingManual)
        title = L"You cannot select this employee as there are missing items\r"
                L"that should be created in QuickBooks before importing his/her data";
    std::wstring cell = L"<td colType=\"colCheckbox\"";
    if (!title.empty())
        cell += L" title=\"" + HtmlAttributeEscape(title) + L"\"";
    cell += L"><input id=\"empl_" + HtmlAttributeEscape(userId) + L"\" type=\"checkbox\"";
    if (blocked)
        cell += L" disabled=\"disabled\"";
    return cell + L"/></td>";
}

std::wstring EmployeeCell(const MainModel& model, const EmployeeSummary& employee)
{
    const Quorvane::Employee& serverUser = *employee.diff->GetServerUser();
    bool inQuickBooks = employee.inQuickBooks;
    const std::wstring& name = employee.name;
    std::wstring title = inQuickBooks ? L"" : L"This employee does not exist in QuickBooks yet.\r";
    title += L"Click to preview import results\rQuorvane user: " +
             Quorvane::FormatEmployeeName(model.GetConfig().get(), serverUser, true);
    return std::wstring(L"<td colType=\"colEmployee\" colspan=\"2\" employeeExist=\"") +
           (inQuickBooks ? L"true" : L"false") + L"\"><span id=\"name_" + HtmlAttributeEscape(serverUser.GetId()) +
           L"\" tabindex=\"0\" pointer=\"true\" class=\"employee\" title=\"" + HtmlAttributeEscape(title) + L"\">" +
           HtmlEscape(name) + L"</span></td>";
}

std::wstring MissingItemCell(MissingItemLevel level)
{
    static const wchar_t* const kImages[] = { L"res:ICON_STOP.png", L"res:IDR_TRIANGLEYELLOW.png",
                                              L"res:IDR_TRIANGLEWHITE.png" };
    static const wchar_t* const kTitles[] = {
        L"There are items required for import that do not exist in QuickBooks. They can not be created.",
        L"There are items required for import that do not exist in QuickBooks. They shall be created manually.",
        L"There are items required for import that do not exist in QuickBooks. They will be created automatically."
    };
    std::wstring cell = L"<td colType=\"colMisItem\" missingType=\"" + std::to_wstring(level) + L"\">";
    if (level != NothingMissing)
        cell += std::wstring(L"<img src=\"") + kImages[level] + L"\" class=\"missingItem pointer\" title=\"" +
                kTitles[level] + L"\">";
    return cell + L"</td>";
}

std::wstring TimeCell(const wchar_t* colType, int minutes, bool changed)
{
    return std::wstring(L"<td colType=\"") + colType + L"\" value=\"" + std::to_wstring(minutes) + L"\"" +
           (changed ? L"" : L" class=\"notChange\"") + L"><span>" + Quorvane::FormatMinutes(minutes, kNoTime) +
           L"</span></td>";
}

std::wstring FlagCell(const wchar_t* colType, bool flag, const wchar_t* image)
{
    return std::wstring(L"<td colType=\"") + colType + L"\" billed=\"" + (flag ? L"1" : L"0") + L"\">" +
           (flag ? image : L"") + L"</td>";
}

// The name a row shows for a server user: its QuickBooks employee's, else its own.
std::wstring ShownName(const MainModel& model, Quorvane::EmployeeLookup& lookup, const Quorvane::Employee& serverUser,
                       bool* inQuickBooks)
{
    const boost::shared_ptr<Quorvane::Employee> employee = lookup.QuickBooksEmployee(serverUser.GetId());
    *inQuickBooks = employee != nullptr;
    return Quorvane::FormatEmployeeName(model.GetConfig().get(), employee ? *employee : serverUser, false);
}

void AddMissingItems(EmployeeSummary& employee, int mappingState, Quorvane::MissingItemsController& missing)
{
    try {
        employee.mappingState = mappingState;
        boost::shared_ptr<Quorvane::MissingItemCollection> items = missing.CollectMissingItems(*employee.diff);
        employee.missingItems = items->Count();
        employee.level = GetMissingItemLevel(*missing.ValidateMissingItems(*items));
    } catch (const Quorvane::NotFoundException&) {
        // An item for a user the model lacks: no row, as for an employee without a rule.
        employee.mappingState = 0;
    }
}

}  // namespace

PreviewSummary SummarizePreview(const boost::shared_ptr<MainModel>& model)
{
    Quorvane::EmployeeLookup lookup(model, model->GetConfig());
    std::vector<EmployeeSummary> named;
    std::vector<std::wstring> keys;
    named.reserve(model->GetEmployeeDiffs()->Count());
    keys.reserve(named.capacity());
    for (const boost::shared_ptr<EmployeeDiff>& diff : *model->GetEmployeeDiffs()) {
        EmployeeSummary employee = { diff, 0, 0, NothingMissing, std::wstring(), false };
        employee.name = ShownName(*model, lookup, *diff->GetServerUser(), &employee.inQuickBooks);
        keys.push_back(Quorvane::ToLower(employee.name));
        named.push_back(employee);
    }
    std::vector<size_t> order(named.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    Quorvane::MissingItemsController missing(model);
    PreviewSummary preview;
    preview.employees.reserve(named.size());
    for (size_t index : order) {
        EmployeeSummary& employee = named[index];
        // No rule (the site was just changed, say): the employee gets no row and counts for nothing.
        if (const boost::shared_ptr<Quorvane::Mapping> rule = lookup.Rule(employee.diff->GetServerUser()->GetId()))
            AddMissingItems(employee, rule->GetState(), missing);
        preview.employees.push_back(employee);
    }
    return preview;
}

std::vector<std::wstring> SummaryTableBuilder::BuildRows(const PreviewSummary& preview)
{
    const size_t kRowsPerPiece = 50;
    std::vector<std::wstring> pieces;
    size_t rowsInPiece = kRowsPerPiece;
    for (const EmployeeSummary& employee : preview.employees) {
        if (rowsInPiece == kRowsPerPiece) {
            pieces.emplace_back();
            rowsInPiece = 0;
        }
        rowsInPiece += AppendRow(employee, pieces.back());
    }
    if (!pieces.empty() && pieces.back().empty())
        pieces.pop_back();
    return pieces;
}

bool SummaryTableBuilder::AppendRow(const EmployeeSummary& employee, std::wstring& rows)
{
    if (employee.mappingState == 0 || employee.mappingState == 3)
        return false;
    const EmployeeDiff& diff = *employee.diff;
    const boost::shared_ptr<Quorvane::Config> config = m_model->GetConfig();
    SummaryTotals totals(config->GetCanRemoveExistingQBTimeTrack());
    bool anyTaken = false;
    for (const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry : *diff.GetTimeTrackDiffs()) {
        if (!IsTakenByImport(*m_model, *entry, config.get()))
            continue;
        totals.Add(entry);
        anyTaken = true;
    }
    if (!anyTaken)
        return false;
    const Quorvane::Employee& serverUser = *diff.GetServerUser();
    rows += L"<tr>" + CheckboxCell(serverUser.GetId(), employee.level) + EmployeeCell(*m_model, employee) +
            MissingItemCell(employee.level) + TimeCell(L"colTimeQB", totals.before, totals.changed) +
            FlagCell(L"colBilledFlag", totals.billed,
                     L"<img src=\"res:IDR_PAGE.png\" title=\"There is time which is already billed\">") +
            FlagCell(L"colConflictFlag", totals.conflict,
                     L"<img src=\"res:IDR_EXCLAMETIONMARK.png\" titleid=\"icontype-exc-mark\">") +
            TimeCell(L"colTotalTimeQB", totals.after, totals.changed) + L"</tr>";
    return true;
}

PreparedSummary::PreparedSummary(const boost::shared_ptr<MainModel>& model)
    : preview(SummarizePreview(model)),
      rows(SummaryTableBuilder(model).BuildRows(preview)),
      m_diffs(model->GetEmployeeDiffs()),
      m_config(model->GetConfig()),
      m_employees(model->GetQuickBooksEmployees()),
      m_customerJobs(model->GetCustomerJobs()),
      m_serviceItems(model->GetServiceItems())
{
}

bool PreparedSummary::Fits(const MainModel& model) const
{
    return model.GetEmployeeDiffs() == m_diffs && model.GetConfig() == m_config &&
           model.GetQuickBooksEmployees() == m_employees && model.GetCustomerJobs() == m_customerJobs &&
           model.GetServiceItems() == m_serviceItems;
}
