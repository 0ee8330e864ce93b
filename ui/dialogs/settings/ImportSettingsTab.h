#pragma once
// The import settings tab: how server customers, projects and tasks become QuickBooks customers
// and jobs, how service items are named and which account new ones use, what the notes of an
// imported time entry hold, and whether unbilled QuickBooks time-track may be removed. It also
// writes the server's own words for its three levels into the page.
#include <string>

#include "ui/dialogs/settings/ISettingsTab.h"

class ImportSettingsTab : public PlainSettingsTab {
public:
    void Load(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Save(ModelPtr model, ConfigPtr config, const Element& root) override;
    // Enables the description boxes that the mapping type leaves meaningful.
    void Refresh(ModelPtr model, ConfigPtr config, const Element& root) override;
    int GetValidType(ModelPtr model, ConfigPtr config, const Element& root) override;
    std::string GetId() const override { return "idImportSettings_Tab"; }

    void ApplyServerTerms(const MainModel& model, const Element& root);
    // Sets the text of every match, cut to the element's "length" attribute.
    static void SetTextOfAll(const char* selector, const std::wstring& text, const Element& root);

private:
    void LoadMappingType(int mappingType, const Element& root);
    void LoadAccounts(const MainModel& model, const std::wstring& account, const Element& root);
};
