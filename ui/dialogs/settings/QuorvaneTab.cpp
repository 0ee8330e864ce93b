#include "ui/dialogs/settings/QuorvaneTab.h"

#include "core/Config.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace settings_page;

void QuorvaneTab::Load(ModelPtr, ConfigPtr config, const Element& root)
{
    const Quorvane::Config::ConnectionOptions options = *config->GetConnectionOptions();
    SetTextValue(root.get_element_by_id("Quorvane_URL"), options.url);
    SetTextValue(root.get_element_by_id("Quorvane_Username"), options.userName);
    if (options.GetRememberPassword())
        SetTextValue(root.get_element_by_id("Quorvane_Password"), options.password);
}

// The site-change flag is kept as it was.
void QuorvaneTab::Save(ModelPtr, ConfigPtr config, const Element& root)
{
    Quorvane::Config::ConnectionOptions options = *config->GetConnectionOptions();
    if (boost::optional<std::wstring> userName = ReadTextValue(root.get_element_by_id("Quorvane_Username")))
        options.userName = *userName;
    if (boost::optional<std::wstring> password = ReadTextValue(root.get_element_by_id("Quorvane_Password"))) {
        options.password = *password;
        options.SetRememberPassword(!password->empty());
    }
    if (boost::optional<std::wstring> url = ReadTextValue(root.get_element_by_id("Quorvane_URL")))
        options.url = *url;
    config->SetConnectionOptions(options);
}
