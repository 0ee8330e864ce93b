#include "ui/dialogs/settings/ImportSettingsTab.h"

#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "core/TextUtils.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/toolkit/ElementHelpers.h"
#include "json/TextHelpers.h"

using namespace Quorvane;
using namespace settings_page;

namespace {

const int kLastMappingType = 4;
const int kFirstNameConvention = 1;
const int kLastNameConvention = 2;
const wchar_t kServiceItemGroup[] = L"ServiceItemGroup";

enum ServiceItemGroupChoice { BillingTypes = 1, EmployeeNames = 2 };

// A description box and the note that says why it is unavailable.
void SetDescriptionBox(const Element& root, const char* boxId, const char* noteId, bool available)
{
    Element box = root.get_element_by_id(boxId);
    Element note = root.get_element_by_id(noteId);
    if (available) {
        box.set_attribute("disabled", nullptr);
    } else {
        box.set_state(0, STATE_CHECKED);
        box.set_attribute("disabled", L"disabled");
    }
    note.set_attribute("class", available ? L"note-hidden" : L"note");
    box.update();
}

// A number from the caption's "value" within [first, last]; none otherwise, so a caption that
// carries nothing keeps the stored setting.
boost::optional<int> ReadSelectNumber(const Element& select, int first, int last)
{
    const int missing = first - 1;
    const int number = select.is_valid() ? htmlayout::get_select_int_value(select, missing) : missing;
    if (number < first || number > last)
        return boost::none;
    return number;
}

template <typename Setter>
void SaveBox(const Element& root, const char* id, Config& config, Setter setter)
{
    if (boost::optional<bool> checked = ReadChecked(root.get_element_by_id(id)))
        (config.*setter)(*checked);
}

}  // namespace

// The server's words go in first: the caption copies its option's text when it is chosen.
void ImportSettingsTab::Load(ModelPtr model, ConfigPtr config, const Element& root)
{
    ApplyServerTerms(*model, root);
    LoadMappingType(config->GetMappingType(), root);
    htmlayout::set_radio_value(root, kServiceItemGroup, config->GetServiceItemGroup() ? BillingTypes : EmployeeNames);
    Element conventions = root.get_element_by_id("nameConvention");
    htmlayout::set_select_value(conventions, std::to_wstring(config->GetNameConvention()));
    // As the page does when the group changes: billing types need no name convention.
    conventions.set_state(config->GetServiceItemGroup() ? STATE_DISABLED : 0,
                          config->GetServiceItemGroup() ? 0 : STATE_DISABLED);
    LoadAccounts(*model, config->GetServiceItemAccount(), root);
    SetChecked(root.get_element_by_id("canRemoveExistinqQBTimeTrack"), config->GetCanRemoveExistingQBTimeTrack());
    SetChecked(root.get_element_by_id("taskNameDescription"), config->GetTaskNameDescription());
    SetChecked(root.get_element_by_id("projectNameDescription"), config->GetProjectNameDescription());
    SetChecked(root.get_element_by_id("timeTrackDescription"), config->GetTimeTrackDescription());
    Refresh(model, config, root);
}

// A stored type outside 0-4 shows as undefined. Once a type is chosen, undefined is no choice.
void ImportSettingsTab::LoadMappingType(int mappingType, const Element& root)
{
    Element select = root.get_element_by_id("mappingType");
    if (mappingType < 0 || mappingType > kLastMappingType)
        mappingType = 0;
    Element option = select.find_first("option[value=\"%d\"]", mappingType);
    option.set_state(STATE_CHECKED, 0);
    const wchar_t* imageId = option.get_attribute("imageId");
    root.get_element_by_id("mappingImage").set_attribute("class", imageId ? imageId : L"mapping-not-defined");
    if (mappingType != 0) {
        Element undefined = select.find_first("option[value=\"0\"]");
        undefined.detach();
        undefined.destroy();
    }
}

void ImportSettingsTab::LoadAccounts(const MainModel& model, const std::wstring& account, const Element& root)
{
    Element popup = root.get_element_by_id("serviceItemAccount").find_first("popup");
    const boost::shared_ptr<AccountCollection> accounts = model.GetAccounts();
    if (!popup.is_valid() || !accounts)
        return;
    for (const boost::shared_ptr<Account>& each : *accounts) {
        Element option = Element::create("option", each->GetName().c_str());
        option.set_attribute("value", each->GetId().c_str());
        popup.append(option);
        if (each->GetId() == account)
            option.set_state(STATE_CHECKED, 0);
    }
}

void ImportSettingsTab::Save(ModelPtr, ConfigPtr config, const Element& root)
{
    if (boost::optional<int> type = ReadSelectNumber(root.get_element_by_id("mappingType"), 0, kLastMappingType))
        config->SetMappingType(*type);
    SaveBox(root, "canRemoveExistinqQBTimeTrack", *config, &Config::SetCanRemoveExistingQBTimeTrack);
    Element account = root.get_element_by_id("serviceItemAccount");
    if (account.is_valid())
        config->SetServiceItemAccount(htmlayout::get_select_value(account, std::wstring()));
    const int group = htmlayout::get_radio_value(root, kServiceItemGroup);
    if (group == BillingTypes || group == EmployeeNames)
        config->SetServiceItemGroup(group == BillingTypes);
    if (!config->GetServiceItemGroup()) {
        Element conventions = root.get_element_by_id("nameConvention");
        if (boost::optional<int> convention = ReadSelectNumber(conventions, kFirstNameConvention, kLastNameConvention))
            config->SetNameConvention(*convention);
    }
    SaveBox(root, "taskNameDescription", *config, &Config::SetTaskNameDescription);
    SaveBox(root, "projectNameDescription", *config, &Config::SetProjectNameDescription);
    SaveBox(root, "timeTrackDescription", *config, &Config::SetTimeTrackDescription);
}

// Three levels make projects and tasks jobs; two levels, or projects alone, make projects jobs.
// Names that become jobs are no description.
void ImportSettingsTab::Refresh(ModelPtr, ConfigPtr config, const Element& root)
{
    const int type = config->GetMappingType();
    SetDescriptionBox(root, "taskNameDescription", "taskNameDescriptionNote", type != 1);
    SetDescriptionBox(root, "projectNameDescription", "projectNameDescriptionNote", type < 1 || type > 3);
}

int ImportSettingsTab::GetValidType(ModelPtr, ConfigPtr config, const Element&)
{
    return IsCustomerJobMappingValid(*config) ? TabComplete : TabIncomplete;
}

void ImportSettingsTab::ApplyServerTerms(const MainModel& model, const Element& root)
{
    const GeneralSettings terms = model.GetGeneralSettings();
    SetTextOfAll(".QVSingleCustomerName", terms.firstLevelSingularForm, root);
    SetTextOfAll(".QVSingleProjectName", terms.secondLevelSingularForm, root);
    SetTextOfAll(".QVSingleTaskName", terms.thirdLevelSingularForm, root);
    SetTextOfAll(".QVPluralCustomerName", terms.firstLevelPluralForm, root);
    SetTextOfAll(".QVPluralProjectName", terms.secondLevelPluralForm, root);
    SetTextOfAll(".QVPluralTaskName", terms.thirdLevelPluralForm, root);
    SetTextOfAll(".QVPluralLowerCustomerName", ToLower(terms.firstLevelPluralForm), root);
    SetTextOfAll(".QVPluralLowerProjectName", ToLower(terms.secondLevelPluralForm), root);
    SetTextOfAll(".QVPluralLowerTaskName", ToLower(terms.thirdLevelPluralForm), root);
}

void ImportSettingsTab::SetTextOfAll(const char* selector, const std::wstring& text, const Element& root)
{
    std::vector<Element> found;
    root.find_all(&found, "%s", selector);
    for (Element& element : found) {
        const int length = htmlayout::wtoi(element.get_attribute("length"), 0);
        element.set_text(TruncateWithEllipsis(text, length).c_str());
    }
}
