// The view's import progress, data-load progress and the state of the "import" button.
#include "app/MainModel.h"
#include "ui/main/MainView.h"
#include "ui/shared/PageText.h"
#include "ui/main/ProgressPanel.h"

using htmlayout::dom::element;

namespace {

element ProgressPanel(const element& root)
{
    return root.get_element_by_id("ProgressBodyDialog");
}

}  // namespace

void MainView::ResetImportProgress()
{
    ResetProgressPanel(ProgressPanel(Root()));
}

void MainView::ShowImportProgress()
{
    m_progressAhead = false;
    mainpage::SetShown(ProgressPanel(Root()), true);
}

// The run takes a moment to check QuickBooks before it shows its progress; an idle page in
// that time would look as if the answer had been lost.
void MainView::ShowImportProgressAhead()
{
    element panel = ProgressPanel(Root());
    ResetProgressPanel(panel);
    mainpage::SetShown(panel, true);
    m_progressAhead = true;
}

void MainView::HideImportProgress()
{
    mainpage::SetShown(ProgressPanel(Root()), false);
}

void MainView::SetImportProgress(int done, int total)
{
    element panel = ProgressPanel(Root());
    SetImportProgressValue(panel, ProgressPercent(done, total));
    SetDataImportedForText(panel, std::to_wstring(done) + L" of " + std::to_wstring(total) + L" selected employees");
    // The last employee is being imported and can no longer be stopped.
    if (done + 1 == total)
        SetStopImportButtonEnabled(panel, false);
}

void MainView::SetImportedWorkingTime(int minutes)
{
    SetImportedWorkingTimeText(ProgressPanel(Root()), ImportedTimeText(minutes));
}

void MainView::SetImportedLeaveTime(int minutes)
{
    SetImportedLeaveTimeText(ProgressPanel(Root()), ImportedTimeText(minutes));
}

void MainView::SetImportComment(const std::wstring& comment)
{
    SetProgressCommentText(ProgressPanel(Root()), comment);
}

void MainView::ShowImportSucceeded()
{
    ShowProgressSucceededState(ProgressPanel(Root()));
}

void MainView::ShowImportFailed(const std::wstring& message)
{
    ShowProgressFailedState(ProgressPanel(Root()), message);
}

void MainView::OnImportStarted()
{
    m_importRunning = true;
    mainpage::SetEnabled(Root().get_element_by_id("import"), false);
}

void MainView::OnImportFinished()
{
    m_importRunning = false;
    if (m_closeRequested)
        PostQuitMessage(0);
    mainpage::SetEnabled(Root().get_element_by_id("import"), true);
    const bool proceed = m_proceedPending && !m_closeRequested;
    m_proceedPending = false;
    if (proceed) {
        StartImportClicked(false);
        return;
    }
    // A run that ended before showing its progress was refused or failed: its error says why.
    if (m_progressAhead)
        HideImportProgress();
    m_progressAhead = false;
}

void MainView::DisableToolbar()
{
    element root = Root();
    element buttons[] = { root.get_element_by_id("Settings"), root.get_element_by_id("import"),
                          root.get_element_by_id("ImportHistory"), root.get_element_by_id("Missingdata") };
    for (element& button : buttons)
        if (!button.is_valid())
            return;
    for (element& button : buttons)
        mainpage::SetEnabled(button, false);
}

void MainView::SetDataLoadProgress(const std::wstring& caption, int percent)
{
    ShowView(3);
    DisableToolbar();
    element root = Root();
    element bar = root.get_element_by_id("dataLoadProgress");
    element value = root.get_element_by_id("progressValue");
    element captionText = root.get_element_by_id("dataLoadCaption");
    if (!bar.is_valid() || !value.is_valid() || !captionText.is_valid())
        return;
    std::wstring text = std::to_wstring(percent);
    if (percent != 0) {
        bar.set_attribute("requested-value", text.c_str());
    } else {
        // An older target would otherwise pull the bar back up.
        bar.set_attribute("requested-value", nullptr);
        bar.set_attribute("value", text.c_str());
    }
    value.set_value(json::value((text + L"%").c_str()));
    mainpage::SetPlainText(captionText, caption);
}

void MainView::UpdateImportButton()
{
    bool anySelected = false;
    if (m_model) {
        Quorvane::CriticalSectionLock lock(m_model->GetLock());
        boost::shared_ptr<Quorvane::Config> config = m_model->GetConfig();
        anySelected = config && !config->GetSelectedEmployees()->empty();
    }
    element button = Root().get_element_by_id("import");
    if (!button.is_valid())
        return;
    // While an import runs the button stays disabled, whatever is selected.
    mainpage::SetEnabled(button, anySelected && !m_importRunning);
    button.set_attribute("title", anySelected ? L"Click to start import for selected users"
                                              : L"Please select at least one user to proceed");
}
