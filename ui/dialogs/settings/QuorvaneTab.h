#pragma once
// The server connection tab: the server address, the user name and the password. A password is
// shown only when the user chose to remember it, and saving one remembers it.
#include "ui/dialogs/settings/ISettingsTab.h"

class QuorvaneTab : public PlainSettingsTab {
public:
    void Load(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Save(ModelPtr model, ConfigPtr config, const Element& root) override;
    std::string GetId() const override { return "idQuorvane_Tab"; }
};
