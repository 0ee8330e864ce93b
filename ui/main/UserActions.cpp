// What the user does on the main page: button and hyperlink clicks, and the page's script calls.
#include <cstring>

#include "app/MainModel.h"
#include "app/OpenOrExplain.h"
#include "ui/shared/ErrorPanel.h"
#include "ui/main/LoginPanel.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"
#include "ui/main/Panels.h"
#include "ui/main/ProgressPanel.h"

using htmlayout::dom::element;

namespace {

const wchar_t kRowIdPrefix[] = L"empl_";
const size_t kRowIdPrefixLength = 5;
const int kAnyArguments = -1;

std::wstring TextOf(const json::value& value)
{
    return value.get_string(L"").c_str();
}

// An argument without a number reads as true, so a check box's value must come as a number
// or a boolean.
bool FlagOf(const json::value& value)
{
    return value.get(true);
}

// The employee id behind a row's check-box id, or false when the id is no row id.
bool EmployeeIdOfRow(const std::wstring& rowId, std::wstring* employeeId)
{
    if (rowId.compare(0, kRowIdPrefixLength, kRowIdPrefix) != 0)
        return false;
    *employeeId = rowId.substr(kRowIdPrefixLength);
    return true;
}

std::wstring UserGuidePath()
{
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring path = program;
    size_t folderEnd = path.find_last_of(L'\\');
    path.erase(folderEnd == std::wstring::npos ? 0 : folderEnd);
    return path + L"\\User Guide\\index.html";
}

}  // namespace

bool MainView::on_event(HELEMENT, HELEMENT target, UINT event_code, UINT_PTR)
{
    if (event_code == EVENT_BUTTON_CLICK)
        return OnButtonClick(target);
    if (event_code == EVENT_HYPERLINK_CLICK)
        return OnHyperlinkClick(target);
    if (event_code == EVENT_VALUE_REFUSED) {
        DateTextRefused(target);
        return true;
    }
    return false;
}

bool MainView::OnButtonClick(const element& target)
{
    std::wstring identity = GetElementIdOrName(target);
    if (identity == L"Settings")
        Sink()->OpenSettings();
    else if (identity == L"ImportHistory")
        Sink()->OpenImportHistory();
    else if (identity == L"QBProblemRetry" || identity == L"ReloadData")
        Sink()->ReloadData();
    else if (identity == L"loginDialog_Connect")
        ConnectFromLoginPanel();
    else if (identity == L"UserGuide")
        OpenUserGuide();
    else
        return false;
    return true;
}

// Every hyperlink click is handled, so the engine never follows a link by itself.
bool MainView::OnHyperlinkClick(const element& target)
{
    const wchar_t* href = target.get_attribute("href");
    if (GetElementIdOrName(target) == L"forgotPasswordLink" && href)
        Sink()->OpenLink(href);
    return true;
}

void MainView::ConnectFromLoginPanel()
{
    element panel = Root().get_element_by_id("bodydialog");
    // Return in a field while a connect is under way would start a second load.
    if (!panel.is_valid() || !IsLoginConnectButtonEnabled(panel))
        return;
    ConnectionOptions options = ReadLoginPanel(panel);
    DisableLoginConnectButton(panel);
    SetLoginConnectButtonText(panel, L"Connecting\u2026");
    Sink()->Connect(options, true);
}

void MainView::OpenUserGuide()
{
    OpenOrExplain(*this, L"the user guide", UserGuidePath());
}

bool MainView::ShowDetailsForEmployee(const std::wstring& rowId, bool workingTime)
{
    std::wstring employeeId;
    if (!EmployeeIdOfRow(rowId, &employeeId))
        return false;
    Sink()->ShowPreview(employeeId, workingTime);
    return true;
}

bool MainView::EmployeeSelected(const std::wstring& rowId, bool selected)
{
    std::wstring employeeId;
    if (!EmployeeIdOfRow(rowId, &employeeId))
        return false;
    Sink()->SelectEmployee(employeeId, selected);
    return true;
}

void MainView::StopImportClicked()
{
    Sink()->StopImport();
    element panel = Root().get_element_by_id("ProgressBodyDialog");
    SetProgressCommentText(panel, L"Stopping Import...");
    SetStopImportButtonEnabled(panel, false);
}

void MainView::CloseProgressPanel(bool openLog)
{
    element panel = Root().get_element_by_id("ProgressBodyDialog");
    if (!panel.is_valid())
        return;
    mainpage::SetShown(panel, false);
    if (openLog)
        Sink()->OpenImportLog();
    Sink()->ReloadData();
}

void MainView::CloseErrorPanel(const std::wstring& marker, bool openLog)
{
    HideErrorDialog(Root());
    if (openLog)
        Sink()->OpenImportLog();
    if (openLog || marker == L"reload")
        Sink()->ReloadData();
}

void MainView::UpdateTotals()
{
    UpdateSelectionTotals();
    UpdateImportButton();
}

void MainView::SelectRows(int mode)
{
    UpdateTotalTable(mode);
    UpdateSelectionTotals();
    UpdateMissingDataButton();
    UpdateImportButton();
}

void MainView::ProcessWithDeletion(const std::wstring& choice)
{
    // Only the question's answer may start a run while one is reported running.
    if (m_importRunning && !m_absentTimeTrackShown)
        return;
    m_absentTimeTrackShown = false;
    if (m_model && m_model->GetConfig()) {
        Quorvane::CriticalSectionLock lock(m_model->GetLock());
        m_model->GetConfig()->SetCanRemoveExistingQBTimeTrack(choice == L"delete_time_track");
    }
    HideAbsentTimeTrackBody(Root());
    ShowImportProgressAhead();
    // The run that asked may not have reported its end yet: the new run starts once it has,
    // so a quick answer is not lost.
    if (m_importRunning)
        m_proceedPending = true;
    else
        StartImportClicked(false);
}

void MainView::ReturnToPreview()
{
    m_absentTimeTrackShown = false;
    HideAbsentTimeTrackBody(Root());
    m_importRunning = false;
}

bool MainView::on_script_call(HELEMENT, const char* name, UINT argc, json::value* argv, json::value&)
{
    typedef const json::value* Args;
    typedef bool (*Handler)(MainView & view, Args argv);
    struct ScriptCall {
        const char* name;
        int argc;
        Handler run;
    };
    // One line a call, to be read as a table.
    // clang-format off
    static const ScriptCall kCalls[] = {
        {"UpdateTotal", 0, [](MainView& v, Args) { v.UpdateTotals(); return true; }},
        {"login", 0, [](MainView& v, Args) { v.ConnectFromLoginPanel(); return true; }},
        {"StartImport", 0, [](MainView& v, Args) { v.StartImportClicked(true); return true; }},
        {"ChangeSite", 0, [](MainView& v, Args) { v.Sink()->ChangeSite(); return true; }},
        {"InterruptChangingSite", 0, [](MainView& v, Args) { v.Sink()->InterruptChangingSite(); return true; }},
        {"dateRangeUpdated", 0, [](MainView& v, Args) { v.DateRangeUpdated(); return true; }},
        {"OnReviewMissingDataClick", 0, [](MainView& v, Args) { v.ReviewMissingDataClicked(); return true; }},
        {"EmployeeSelected", 2, [](MainView& v, Args a) { return v.EmployeeSelected(TextOf(a[0]), FlagOf(a[1])); }},
        {"ShowDetailedPreview", 1, [](MainView& v, Args a) { return v.ShowDetailsForEmployee(TextOf(a[0]), true); }},
        {"ShowMissingItems", 1, [](MainView& v, Args a) { return v.ShowDetailsForEmployee(TextOf(a[0]), false); }},
        {"OnStopImport", 0, [](MainView& v, Args) { v.StopImportClicked(); return true; }},
        {"OnCloseImportDialog", 0, [](MainView& v, Args) { v.CloseProgressPanel(false); return true; }},
        {"OnViewLogErrorDialog", 0, [](MainView& v, Args) { v.CloseErrorPanel(L"", true); return true; }},
        {"OnViewErrorDialog", kAnyArguments, [](MainView&, Args) { return true; }},
        {"OnCloseErrorDialog", 1, [](MainView& v, Args a) { v.CloseErrorPanel(TextOf(a[0]), false); return true; }},
        {"OnEmployeeSelect", 1, [](MainView& v, Args a) { v.SelectRows(a[0].get_int(0)); return true; }},
        {"ProcessWithDeletion", 1, [](MainView& v, Args a) { v.ProcessWithDeletion(TextOf(a[0])); return true; }},
        {"ReturnToPreview", 0, [](MainView& v, Args) { v.ReturnToPreview(); return true; }},
        {"OnViewLog", 0, [](MainView& v, Args) { v.CloseProgressPanel(true); return true; }},
        {"ShowExplanation", 1, [](MainView& v, Args a) { v.ShowExplanation(element(a[0].get_dom_element())); return true; }},
    };
    // clang-format on
    if (!name)
        return false;
    for (const ScriptCall& call : kCalls) {
        if (std::strcmp(call.name, name) != 0)
            continue;
        if (call.argc != kAnyArguments && static_cast<UINT>(call.argc) != argc)
            return false;
        return call.run(*this, argv);
    }
    return false;
}
