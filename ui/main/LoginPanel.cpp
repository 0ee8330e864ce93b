#include "ui/main/LoginPanel.h"

#include "ui/shared/PageText.h"

using htmlayout::dom::element;

namespace {

element ConnectButton(const element& panel)
{
    return panel.get_element_by_id("loginDialog_Connect");
}

std::wstring TextValue(const element& panel, const char* id)
{
    return panel.get_element_by_id(id).get_value().get_string(L"").c_str();
}

}  // namespace

// The first empty field, else the Connect button: on showing, as the panel's "autofocus"; when
// the panel shows already, at once.
void FocusFirstEmptyLoginField(const element& panel)
{
    static const char* const kFields[] = { "loginDialog_Url", "loginDialog_Username", "loginDialog_Password" };
    element chosen;
    for (const char* id : kFields) {
        element field = panel.get_element_by_id(id);
        field.set_attribute("autofocus", nullptr);
        if (!chosen.is_valid() && TextValue(panel, id).empty())
            chosen = field;
    }
    element connect = ConnectButton(panel);
    connect.set_attribute("autofocus", nullptr);
    if (!chosen.is_valid())
        chosen = connect;
    chosen.set_attribute("autofocus", L"");
    if (panel.get_state() & STATE_EXPANDED)
        chosen.set_state(STATE_FOCUS, 0);
}

bool FillLoginPanel(const element& panel, const ConnectionOptions& options)
{
    panel.get_element_by_id("loginDialog_Url").set_value(json::value(options.url.c_str()));
    panel.get_element_by_id("loginDialog_Username").set_value(json::value(options.userName.c_str()));
    panel.get_element_by_id("loginDialog_Password").set_value(json::value(options.password.c_str()));
    bool remember = options.rememberPassword && !options.password.empty();
    panel.get_element_by_id("loginDialog_rememberPassword").set_value(json::value(remember));
    SetLoginConnectButtonText(panel, L"Connect to Quorvane");
    EnableLoginConnectButton(panel);
    return true;
}

void SetLoginPanelMessages(const element& panel, const std::wstring& caption, const std::wstring& error)
{
    bool hasMessage = !caption.empty() || !error.empty();
    mainpage::SetShown(panel.get_element_by_id("LoginDialog_Caption"), !hasMessage);
    element errorCaption = panel.get_element_by_id("LoginDialog_ErrorCaption");
    element errorMessage = panel.get_element_by_id("LoginDialog_ErrorMessage");
    mainpage::SetShown(errorCaption, hasMessage);
    mainpage::SetShown(errorMessage, hasMessage);
    mainpage::SetPlainText(errorCaption, caption);
    mainpage::SetMarkup(errorMessage, error);
}

ConnectionOptions ReadLoginPanel(const element& panel)
{
    ConnectionOptions options;
    options.url = TextValue(panel, "loginDialog_Url");
    if (!options.url.empty() && options.url[options.url.size() - 1] == L'/')
        options.url.erase(options.url.size() - 1);
    options.userName = TextValue(panel, "loginDialog_Username");
    options.password = TextValue(panel, "loginDialog_Password");
    options.rememberPassword = panel.get_element_by_id("loginDialog_rememberPassword").get_value().get_int(0) != 0;
    return options;
}

void EnableLoginConnectButton(const element& panel)
{
    mainpage::SetEnabled(ConnectButton(panel), true);
}

void DisableLoginConnectButton(const element& panel)
{
    mainpage::SetEnabled(ConnectButton(panel), false);
}

bool IsLoginConnectButtonEnabled(const element& panel)
{
    return !(ConnectButton(panel).get_state() & STATE_DISABLED);
}

void SetLoginConnectButtonText(const element& panel, const std::wstring& text)
{
    mainpage::SetPlainText(ConnectButton(panel), text);
}
