#include "ui/dialogs/details/ErrorPanel.h"

#include "ui/dialogs/details/DialogSupport.h"
#include "ui/toolkit/ElementHelpers.h"

using htmlayout::dom::element;

namespace {

void SetRow(const element& root, const char* rowId, const char* textId, const std::wstring& markup) {
    element row = root.get_element_by_id(rowId);
    if (markup.empty()) {
        htmlayout::collapse(row);
        return;
    }
    htmlayout::expand(row);
    element text = root.get_element_by_id(textId);
    SetHtml(text, markup);
}

}  // namespace

void ShowErrorPanel(const element& root, const std::wstring& title, const std::wstring& problem,
                    const std::wstring& reason, const std::wstring& furtherActions) {
    element panel = root.get_element_by_id("ErrorBodyDialog");
    if (!panel.is_valid())
        return;
    panel.get_element_by_id("idErrorDialogTitle").set_text(title.c_str());
    SetRow(panel, "idErrorDialogProblem", "idErrorDialogProblemText", problem);
    SetRow(panel, "idErrorDialogReason", "idErrorDialogReasonText", reason);
    SetRow(panel, "idErrorDialogFurtherActions", "idFurtherActionsText", furtherActions);
    panel.get_element_by_id("idErrorDialogViewDetailedInfoButton").set_style_attribute("display", L"none");
    panel.get_element_by_id("idErrorDialogViewLogButton").set_style_attribute("display", L"none");
    htmlayout::expand(panel);
}

void HideErrorPanel(const element& root) {
    element panel = root.get_element_by_id("ErrorBodyDialog");
    htmlayout::collapse(panel);
}
