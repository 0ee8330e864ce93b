#pragma once
// The login overlay (page piece IDR_LOGIN_DIALOG): its fields, its messages and its button.
// Each operation takes the overlay "bodydialog" and finds its parts inside it.
#include <string>

#include "core/ConnectionOptions.h"
#include "ui/toolkit/Element.h"

typedef Quorvane::Connectors::QVConnector::ConnectionOptions ConnectionOptions;

// The fields from the options; the box "Remember Password" only with a password to remember.
bool FillLoginPanel(const htmlayout::dom::element& panel, const ConnectionOptions& options);
// The first empty field takes the focus, else the Connect button.
void FocusFirstEmptyLoginField(const htmlayout::dom::element& panel);
// With both texts empty the page's own request shows; otherwise the caption (plain text) and
// the error (markup) show instead.
void SetLoginPanelMessages(const htmlayout::dom::element& panel, const std::wstring& caption,
                           const std::wstring& error);
// The fields as typed; one trailing "/" is taken off the address.
ConnectionOptions ReadLoginPanel(const htmlayout::dom::element& panel);
void EnableLoginConnectButton(const htmlayout::dom::element& panel);
void DisableLoginConnectButton(const htmlayout::dom::element& panel);
bool IsLoginConnectButtonEnabled(const htmlayout::dom::element& panel);
void SetLoginConnectButtonText(const htmlayout::dom::element& panel, const std::wstring& text);
