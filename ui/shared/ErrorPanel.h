#pragma once
// The error panel (page piece IDR_ERROR_DIALOG), which the main page and the dialogs' pages
// include. Each operation takes the document's root and does nothing to a missing element.
// Problem, reason and further actions are markup (their producers escape every dynamic piece);
// the title is plain text.
#include <string>

#include "ui/toolkit/Element.h"

enum ErrorPanelButtons { ErrorPanelCloseOnly = 0, ErrorPanelDetailButton = 1, ErrorPanelLogButton = 2 };

// All of it in order: buttons hidden, texts, the value that Close hands back, the extra button,
// then the panel shown.
void ShowErrorPanel(const htmlayout::dom::element& root, const std::wstring& title, const std::wstring& problem,
                    const std::wstring& reason, const std::wstring& furtherActions, const std::wstring& customValue,
                    int buttons);

void ShowErrorDialog(const htmlayout::dom::element& root);
void HideErrorDialog(const htmlayout::dom::element& root);
void SetErrorDialogTitle(const htmlayout::dom::element& root, const std::wstring& title);
// An empty text hides its row and keeps what the row showed before.
void SetErrorDialogProblem(const htmlayout::dom::element& root, const std::wstring& problem);
void SetErrorDialogReason(const htmlayout::dom::element& root, const std::wstring& reason);
void SetErrorDialogFurtherActions(const htmlayout::dom::element& root, const std::wstring& furtherActions);
// What the page hands back with "OnCloseErrorDialog" when the user closes the panel.
void SetErrorDialogCustomValue(const htmlayout::dom::element& root, const std::wstring& customValue);
// 1 shows "View Detailed Info", 2 "View Log"; any other value neither. "Close" always shows.
void SetErrorDialogButtons(const htmlayout::dom::element& root, int buttons);
void HideErrorDialogButtons(const htmlayout::dom::element& root);
