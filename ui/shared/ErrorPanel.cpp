#include "ui/shared/ErrorPanel.h"

#include "ui/shared/PageText.h"

using htmlayout::dom::element;

namespace {

element Panel(const element& root)
{
    return root.get_element_by_id("ErrorBodyDialog");
}

void SetRow(const element& root, const char* rowId, const char* textId, const std::wstring& markup)
{
    element row = root.get_element_by_id(rowId);
    mainpage::SetShown(row, !markup.empty());
    if (!markup.empty())
        mainpage::SetMarkup(root.get_element_by_id(textId), markup);
}

void SetButtonShown(const element& root, const char* id, bool shown)
{
    root.get_element_by_id(id).set_style_attribute("display", shown ? L"inline-block" : L"none");
}

}  // namespace

void ShowErrorPanel(const element& root, const std::wstring& title, const std::wstring& problem,
                    const std::wstring& reason, const std::wstring& furtherActions, const std::wstring& customValue,
                    int buttons)
{
    HideErrorDialogButtons(root);
    SetErrorDialogTitle(root, title);
    SetErrorDialogProblem(root, problem);
    SetErrorDialogReason(root, reason);
    SetErrorDialogFurtherActions(root, furtherActions);
    SetErrorDialogCustomValue(root, customValue);
    SetErrorDialogButtons(root, buttons);
    ShowErrorDialog(root);
}

void ShowErrorDialog(const element& root)
{
    mainpage::SetShown(Panel(root), true);
}

void HideErrorDialog(const element& root)
{
    mainpage::SetShown(Panel(root), false);
}

void SetErrorDialogTitle(const element& root, const std::wstring& title)
{
    mainpage::SetPlainText(Panel(root).get_element_by_id("idErrorDialogTitle"), title);
}

void SetErrorDialogProblem(const element& root, const std::wstring& problem)
{
    SetRow(root, "idErrorDialogProblem", "idErrorDialogProblemText", problem);
}

void SetErrorDialogReason(const element& root, const std::wstring& reason)
{
    SetRow(root, "idErrorDialogReason", "idErrorDialogReasonText", reason);
}

void SetErrorDialogFurtherActions(const element& root, const std::wstring& furtherActions)
{
    SetRow(root, "idErrorDialogFurtherActions", "idFurtherActionsText", furtherActions);
}

void SetErrorDialogCustomValue(const element& root, const std::wstring& customValue)
{
    Panel(root).set_attribute("customvalue", customValue.c_str());
}

void SetErrorDialogButtons(const element& root, int buttons)
{
    SetButtonShown(root, "idErrorDialogViewDetailedInfoButton", buttons == ErrorPanelDetailButton);
    SetButtonShown(root, "idErrorDialogViewLogButton", buttons == ErrorPanelLogButton);
}

void HideErrorDialogButtons(const element& root)
{
    SetButtonShown(root, "idErrorDialogViewDetailedInfoButton", false);
    SetButtonShown(root, "idErrorDialogViewLogButton", false);
}
