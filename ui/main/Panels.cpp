// The login panel, the site-changed and QuickBooks-problem views, the absent-time-track
// question and the error panel of the main window.
#include "ui/main/Panels.h"

#include "app/MainModel.h"
#include "core/TextUtils.h"
#include "ui/shared/ErrorPanel.h"
#include "ui/main/LoginPanel.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"

using htmlayout::dom::element;

namespace {

const wchar_t kRetryPlaceholder[] = L"[Retry]";
const wchar_t kRetryButton[] =
    L"<button id='QBProblemRetry' class='subViewButton'><table id='messageRetryButton'><tr><td>"
    L"<div class='retry'>Retry</div></td></tr></table></button>";

}  // namespace

void ShowAbsentTimeTrackBody(const element& root)
{
    mainpage::SetShown(root.get_element_by_id("absentTimeTrackBody"), true);
}

void HideAbsentTimeTrackBody(const element& root)
{
    mainpage::SetShown(root.get_element_by_id("absentTimeTrackBody"), false);
}

void SetConflictFlagVisible(const element& root, bool visible)
{
    mainpage::SetShown(root.get_element_by_id("idConflictFlag"), visible);
}

void SetDeleteTimeTrackChoice(const element& root, bool deleteAbsent)
{
    element keep = root.get_element_by_id("idKeepTimeTrackCheckBox");
    element remove = root.get_element_by_id("idDeleteTimeTrackCheckBox");
    keep.set_state(deleteAbsent ? 0 : STATE_CHECKED, deleteAbsent ? STATE_CHECKED : 0);
    remove.set_state(deleteAbsent ? STATE_CHECKED : 0, deleteAbsent ? 0 : STATE_CHECKED);
}

void MainView::ShowLoginPanel(const ConnectionOptions& options, const std::wstring& caption, const std::wstring& error)
{
    element root = Root();
    element panel = root.get_element_by_id("bodydialog");
    element calendar = root.get_element_by_id("cal");
    if (!panel.is_valid() || !calendar.is_valid())
        return;
    mainpage::SetEnabled(calendar, false);
    // Nothing behind the login is current: the load shows its progress again once connected.
    ShowView(0);
    FillLoginPanel(panel, options);
    SetLoginPanelMessages(panel, caption, error);
    FocusFirstEmptyLoginField(panel);
    mainpage::SetShown(panel, true);
}

void MainView::HideLoginPanel()
{
    element root = Root();
    element panel = root.get_element_by_id("bodydialog");
    element calendar = root.get_element_by_id("cal");
    if (!panel.is_valid() || !calendar.is_valid())
        return;
    mainpage::SetEnabled(calendar, true);
    mainpage::SetShown(panel, false);
}

void MainView::ShowSiteWasChanged(const std::wstring& url)
{
    element root = Root();
    mainpage::SetPlainText(root.get_element_by_id("SiteWasChangedUrl"), url);
    std::wstring company = m_model ? m_model->GetCompanyInformation() : std::wstring();
    mainpage::SetPlainText(root.get_element_by_id("CompanyFileName"), company);
    ShowView(5);
    FocusDefaultButton("Continue");
}

void MainView::ShowQuickBooksProblem(const std::wstring& caption, const std::wstring& description)
{
    // A login that found QuickBooks unreachable would otherwise leave the login panel, with its
    // button stuck on "Connecting…", over the retry button.
    HideLoginPanel();
    ShowView(4);
    DisableToolbar();
    element root = Root();
    mainpage::SetPlainText(root.get_element_by_id("QBProblemCaption"), caption);
    mainpage::SetMarkup(root.get_element_by_id("QBProblemDescription"),
                        Quorvane::ReplaceAll(description, kRetryPlaceholder, kRetryButton));
    FocusDefaultButton("QBProblemRetry");
}

void MainView::ShowAbsentTimeTrack(bool conflicts)
{
    m_absentTimeTrackShown = true;
    bool deleteAbsent = false;
    if (m_model) {
        Quorvane::CriticalSectionLock lock(m_model->GetLock());
        deleteAbsent = m_model->GetConfig() && m_model->GetConfig()->GetCanRemoveExistingQBTimeTrack();
    }
    element root = Root();
    SetConflictFlagVisible(root, conflicts);
    SetDeleteTimeTrackChoice(root, deleteAbsent);
    ShowAbsentTimeTrackBody(root);
}

void MainView::ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                         const std::wstring& furtherActions, const std::wstring& customValue, int buttons)
{
    ShowErrorPanel(Root(), title, problem, reason, furtherActions, customValue, buttons);
}
