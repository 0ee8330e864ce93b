#pragma once
// The auto-creation tab: which kinds of missing items the import may create in QuickBooks.
#include "ui/dialogs/settings/ISettingsTab.h"

class AutoCreationTab : public PlainSettingsTab {
public:
    void Load(ModelPtr model, ConfigPtr config, const Element& root) override;
    // Rebuilds the whole flag word: bits the page has no box for are cleared.
    void Save(ModelPtr model, ConfigPtr config, const Element& root) override;
    std::string GetId() const override { return "idAutoCreation_Tab"; }
};
