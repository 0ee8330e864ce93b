#pragma once
// The page's error panel (IDR_ERROR_DIALOG) as the missing-items tables use it.
#include <string>

#include "ui/toolkit/Element.h"

// title is text; problem, reason and furtherActions are markup. Only "Close" is offered; an
// empty row is hidden.
void ShowErrorPanel(const htmlayout::dom::element& root, const std::wstring& title, const std::wstring& problem,
                    const std::wstring& reason, const std::wstring& furtherActions);
void HideErrorPanel(const htmlayout::dom::element& root);
