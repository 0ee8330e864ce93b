#include "tools/scenario/Bookkeeper.h"

#include <algorithm>

#include "core/TextUtils.h"
#include "tools/programdriver/DriverError.h"

using driver::DriverError;
using driver::kLoadTimeoutMs;
using driver::kMissingDataTitle;
using driver::kPreviewTitle;
using driver::kSettingsTitle;
using driver::PageWindow;

namespace scenario {

namespace {

const wchar_t kSummaryRows[] = L"#TTTotalTableBody > tr";
const wchar_t kSucceeded[] = L"#idCompletedSuccessfullyState";
const wchar_t kEndedWithProblems[] = L"#idCompletedWithErrorState";
const int kDaysPerWeek = 7;

std::wstring Nth(const std::wstring& rows, size_t index)
{
    return rows + L":nth-child(" + std::to_wstring(index + 1) + L")";
}

bool Expanded(PageWindow& window, const std::wstring& selector)
{
    return window.HasState(selector, L"expanded");
}

void WaitClosed(driver::Program& program, const wchar_t* title)
{
    program.WaitClosed(driver::kDialogClass, title);
}

}  // namespace

Bookkeeper::Bookkeeper(driver::Program& program, Witness witness)
    : m_program(program), m_witness(witness), m_main(program.MainWindow())
{
}

void Bookkeeper::Look(const std::wstring& state, HWND window)
{
    if (m_witness)
        m_witness(state, window);
}

std::wstring Bookkeeper::LogIn(const Login& login, const std::wstring& wrongPassword)
{
    m_main.WaitShown(L"#loginDialog_Password");
    Look(L"login", m_main.Handle());
    m_main.Fill(L"#loginDialog_Url", login.url);
    m_main.Fill(L"#loginDialog_Username", login.user);
    m_main.Fill(L"#loginDialog_Password", wrongPassword);
    m_main.Click(L"#loginDialog_Connect");
    driver::WaitUntil(
        L"the login panel's message", [&] { return !m_main.Text(L"#LoginDialog_ErrorMessage").empty(); },
        kLoadTimeoutMs);
    std::wstring message = m_main.Text(L"#LoginDialog_ErrorMessage");
    Look(L"login-wrong-password", m_main.Handle());
    m_main.Fill(L"#loginDialog_Password", login.password);
    m_main.Key(VK_RETURN);
    m_main.WaitHidden(L"#loginDialog_Password", kLoadTimeoutMs);
    return message;
}

void Bookkeeper::WaitForSummary()
{
    driver::WaitUntil(
        L"the summary",
        [&] {
            return !Expanded(m_main, L"#LoadingView") && Expanded(m_main, L"#TTSummary") &&
                   m_main.Count(kSummaryRows) > 0;
        },
        kLoadTimeoutMs);
}

void Bookkeeper::WaitForMappingProblems()
{
    driver::WaitUntil(
        L"the mapping problems",
        [&] { return !Expanded(m_main, L"#LoadingView") && Expanded(m_main, L"#mappingProblem"); }, kLoadTimeoutMs);
    Look(L"main-mapping-problems", m_main.Handle());
}

std::vector<std::wstring> Bookkeeper::SummaryEmployees()
{
    return m_main.Texts(std::wstring(kSummaryRows) + L" span.employee");
}

void Bookkeeper::Reload()
{
    m_main.Click(L"#ReloadData");
    WaitForSummary();
}

void Bookkeeper::ChooseDateRange(const std::wstring& name)
{
    m_main.Choose(L"#cal", name, L"#calendarHeader");
    m_main.WaitText(L"#calendarHeader", name);
    WaitForSummary();
    Look(L"main-period-chosen", m_main.Handle());
}

void Bookkeeper::TypePeriodDate(bool start, const std::wstring& date)
{
    std::wstring field = start ? L"#dateStart" : L"#dateEnd";
    m_main.Fill(field, date);
    m_main.Key(VK_RETURN);
    m_main.WaitText(L"#calendarHeader", L"Custom date range");
    WaitForSummary();
    Look(L"main-period-typed", m_main.Handle());
}

int Bookkeeper::SummaryRow(const std::wstring& employee)
{
    std::vector<std::wstring> names = SummaryEmployees();
    auto found = std::find(names.begin(), names.end(), employee);
    if (found == names.end())
        throw DriverError(L"the summary has no row for " + employee);
    return static_cast<int>(found - names.begin());
}

void Bookkeeper::ChooseInRows(PageWindow& dialog, const std::wstring& rows, const RowChoices& choices)
{
    for (const auto& choice : choices) {
        // Whole rows, so that the index counts the header rows too, as :nth-child does.
        std::vector<std::wstring> texts = dialog.Texts(rows);
        auto row = std::find_if(texts.begin(), texts.end(),
                                [&](const std::wstring& text) { return Quorvane::StartsWith(text, choice.first); });
        if (row == texts.end())
            throw DriverError(L"no row of " + rows + L" is for " + choice.first);
        dialog.Choose(Nth(rows, row - texts.begin()) + L" select", choice.second);
    }
}

void Bookkeeper::ChooseTab(PageWindow& dialog, const std::wstring& tab, const std::wstring& state)
{
    dialog.Click(tab);
    dialog.WaitState(tab, L"current", true);
    Look(state, dialog.Handle());
}

void Bookkeeper::ChooseSettingsTab(PageWindow& dialog, const std::wstring& panel, const std::wstring& state)
{
    ChooseTab(dialog, L"[panel=" + panel + L"]", state);
}

void Bookkeeper::ChangeSettings(const SettingsChoices& choices)
{
    m_main.Click(L"#Settings");
    PageWindow dialog = m_program.Dialog(kSettingsTitle);
    dialog.WaitHidden(L"#PleaseWaitOverlay", kLoadTimeoutMs);
    ChooseSettingsTab(dialog, L"idImportSettings_Tab", L"settings-import");
    if (!choices.customersAndJobs.empty())
        dialog.Choose(L"#mappingType", choices.customersAndJobs);
    if (!choices.serviceItemAccount.empty())
        dialog.Choose(L"#serviceItemAccount", choices.serviceItemAccount);
    ChooseSettingsTab(dialog, L"idEmployeeMapping_Tab", L"settings-employee-mapping");
    ChooseInRows(dialog, L"#mappingTable tr", choices.employees);
    Look(L"settings-employees-chosen", dialog.Handle());
    ChooseSettingsTab(dialog, L"idLeaveTimeAndPayroll_Tab", L"settings-leave-time");
    if (choices.importLeaveTime != dialog.HasState(L"#idImportLeaveType", L"checked"))
        dialog.Click(L"#idImportLeaveType");
    ChooseTab(dialog, L"#lv-panel-id1", L"settings-leave-types");
    ChooseInRows(dialog, L"#leaveTypeMapping tr", choices.leaveTypes);
    ChooseTab(dialog, L"#lv-panel-id2", L"settings-working-time");
    ChooseInRows(dialog, L"#payrollTypeMappingBody > tr", choices.workingTimePayroll);
    ChooseSettingsTab(dialog, L"idAutoCreation_Tab", L"settings-auto-creation");
    ChooseSettingsTab(dialog, L"idQuorvane_Tab", L"settings-quorvane");
    dialog.Click(L"#Save");
    WaitClosed(m_program, kSettingsTitle);
}

std::vector<PreviewWeek> Bookkeeper::ReadPreviewWeeks(PageWindow& preview)
{
    const std::wstring rows = L"#workingLeaveTimeTBody > tr";
    std::vector<std::wstring> classes = preview.Attributes(rows, L"class");
    std::vector<PreviewWeek> weeks;
    for (size_t i = 0; i < classes.size(); ++i) {
        std::vector<std::wstring> cells = preview.Texts(Nth(rows, i) + L" > td");
        if (classes[i] == L"weekheader") {
            weeks.push_back(PreviewWeek());
            weeks.back().dayNumbers.assign(cells.begin() + 1, cells.begin() + 1 + kDaysPerWeek);
        } else if (classes[i] != L"weekfooter" && !weeks.empty() && cells.size() >= 2 + kDaysPerWeek + 2) {
            // The day cells come before the total and the billable cell.
            PreviewRow row = { cells[0], cells[1],
                               std::vector<std::wstring>(cells.end() - 2 - kDaysPerWeek, cells.end() - 2) };
            weeks.back().rows.push_back(row);
        }
    }
    return weeks;
}

std::vector<PreviewWeek> Bookkeeper::Preview(const std::wstring& employee)
{
    m_main.Click(Nth(kSummaryRows, SummaryRow(employee)) + L" span.employee");
    PageWindow preview = m_program.Dialog(kPreviewTitle);
    preview.WaitShown(L"#workingLeaveTimeTBody > tr", kLoadTimeoutMs);
    Look(L"preview", preview.Handle());
    std::vector<PreviewWeek> weeks = ReadPreviewWeeks(preview);
    preview.Close();
    WaitClosed(m_program, kPreviewTitle);
    return weeks;
}

std::vector<MissingItem> Bookkeeper::CreateMissingData(const std::function<bool(const MissingItem&)>& pick)
{
    const std::wstring rows = L"#MissingItemItemId > tr";
    m_main.Click(L"#Missingdata");
    PageWindow dialog = m_program.Dialog(kMissingDataTitle);
    dialog.WaitShown(rows, kLoadTimeoutMs);
    Look(L"missing-data", dialog.Handle());
    std::vector<std::wstring> types = dialog.Texts(rows + L" > td:nth-child(2)");
    std::vector<std::wstring> names = dialog.Texts(rows + L" > td:nth-child(3)");
    std::vector<MissingItem> items;
    for (size_t i = 0; i < types.size() && i < names.size(); ++i) {
        items.push_back({ types[i], names[i] });
        std::wstring box = Nth(rows, i) + L" button";
        if (pick(items.back()) && !dialog.HasState(box, L"checked")) {
            dialog.ScrollTo(box, L"#MissingItemsArea");
            dialog.Click(box);
            dialog.WaitState(box, L"checked", true);
        }
    }
    Look(L"missing-data-ticked", dialog.Handle());
    dialog.Click(L"#idCreateMissingDataButton");
    // Created rows leave the table; a row that failed is unticked and its error shown.
    driver::WaitUntil(
        L"the ticked items to be created", [&] { return dialog.Count(rows + L" button:checked") == 0; },
        kLoadTimeoutMs);
    Look(L"missing-data-created", dialog.Handle());
    dialog.Close();
    WaitClosed(m_program, kMissingDataTitle);
    return items;
}

void Bookkeeper::SelectOnly(const std::wstring& employee)
{
    int row = SummaryRow(employee);
    m_main.Click(L"#idEployeeNone");
    std::wstring box = Nth(kSummaryRows, row) + L" > td:first-child > *";
    m_main.WaitState(box, L"checked", false);
    m_main.Click(box);
    m_main.WaitState(box, L"checked", true);
}

void Bookkeeper::SelectAll()
{
    m_main.Click(L"#idEmployeeAll");
    const std::wstring boxes = std::wstring(kSummaryRows) + L" > td:first-child > input";
    driver::WaitUntil(L"every employee that can be imported ticked", [&] {
        int ticked = m_main.Count(boxes + L":checked");
        return ticked > 0 && ticked == m_main.Count(boxes) - m_main.Count(boxes + L"[disabled]");
    });
    Look(L"main-summary-all-selected", m_main.Handle());
}

bool Bookkeeper::Import()
{
    m_main.Click(L"#import");
    driver::WaitUntil(L"the import to start",
                      [&] { return m_main.Shown(L"#ProgressBodyDialog") || m_main.Shown(L"#absentTimeTrackBody"); });
    // QuickBooks time that Quorvane lacks is kept, as the question proposes.
    if (m_main.Shown(L"#absentTimeTrackBody")) {
        Look(L"import-absent-time-track", m_main.Handle());
        m_main.Click(L"#idBtnProcessWithDeletion");
        m_main.WaitShown(L"#ProgressBodyDialog");
    }
    Look(L"import-progress", m_main.Handle());
    driver::WaitUntil(
        L"the import to end", [&] { return Expanded(m_main, kSucceeded) || Expanded(m_main, kEndedWithProblems); },
        kLoadTimeoutMs);
    bool succeeded = Expanded(m_main, kSucceeded);
    Look(succeeded ? L"import-succeeded" : L"import-ended-with-problems", m_main.Handle());
    return succeeded;
}

void Bookkeeper::CloseImportProgress()
{
    bool succeeded = Expanded(m_main, kSucceeded);
    m_main.Click(std::wstring(succeeded ? kSucceeded : kEndedWithProblems) + L" button.closeButton");
    m_main.WaitHidden(L"#ProgressBodyDialog");
    WaitForSummary();
    Look(L"main-summary-after-import", m_main.Handle());
}

}  // namespace scenario
