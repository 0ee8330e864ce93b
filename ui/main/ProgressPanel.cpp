#include "ui/main/ProgressPanel.h"

#include "ui/shared/PageText.h"

using htmlayout::dom::element;

namespace {

enum ProgressState { Importing, Succeeded, Failed };

void ShowState(const element& panel, ProgressState state)
{
    mainpage::SetShown(panel.get_element_by_id("idImportingState"), state == Importing);
    mainpage::SetShown(panel.get_element_by_id("idCompletedSuccessfullyState"), state == Succeeded);
    mainpage::SetShown(panel.get_element_by_id("idCompletedWithErrorState"), state == Failed);
}

void SetText(const element& panel, const char* id, const std::wstring& text)
{
    mainpage::SetPlainText(panel.get_element_by_id(id), text);
}

}  // namespace

void ResetProgressPanel(const element& panel)
{
    SetImportProgressValue(panel, 0);
    SetImportedWorkingTimeText(panel, L"0h 00min");
    SetImportedLeaveTimeText(panel, L"0h 00min");
    SetProgressCommentText(panel, L"");
    SetDataImportedForText(panel, L"None");
    SetText(panel, "ImportDialog_ErrorMessage", L"");
    SetText(panel, "ProgressDialog_Caption", L"Importing Data from Quorvane to QuickBooks");
    ShowState(panel, Importing);
    SetStopImportButtonEnabled(panel, true);
}

void ShowProgressSucceededState(const element& panel)
{
    ShowState(panel, Succeeded);
    SetProgressCommentText(panel, L"");
    SetText(panel, "ProgressDialog_Caption", L"Import Completed");
}

void ShowProgressFailedState(const element& panel, const std::wstring& message)
{
    ShowState(panel, Failed);
    SetProgressCommentText(panel, L"");
    SetText(panel, "ImportDialog_ErrorMessage", message);
    SetText(panel, "ProgressDialog_Caption", L"Import Completed");
}

void SetImportProgressValue(const element& panel, int percent)
{
    panel.get_element_by_id("importProgress").set_value(json::value(percent));
}

void SetImportedWorkingTimeText(const element& panel, const std::wstring& text)
{
    SetText(panel, "idWorkingTime", text);
}

void SetImportedLeaveTimeText(const element& panel, const std::wstring& text)
{
    SetText(panel, "idLeaveTime", text);
}

void SetDataImportedForText(const element& panel, const std::wstring& text)
{
    SetText(panel, "idDataImportedFor", text);
}

void SetProgressCommentText(const element& panel, const std::wstring& text)
{
    SetText(panel, "idProgressComment", text);
}

void SetStopImportButtonEnabled(const element& panel, bool enabled)
{
    panel.get_element_by_id("idStopImportButton").set_attribute("disabled", enabled ? nullptr : L"disabled");
}

int ProgressPercent(int done, int total)
{
    // Integer arithmetic: 29 of 100 is 29, where 0.29 * 100 in floating point truncates to 28.
    return total > 0 ? static_cast<int>(static_cast<long long>(done) * 100 / total) : 0;
}

std::wstring ImportedTimeText(int minutes)
{
    int hours = minutes / 60;
    return L" " + std::to_wstring(hours) + L"h " + std::to_wstring(minutes - hours * 60) + L"min";
}
