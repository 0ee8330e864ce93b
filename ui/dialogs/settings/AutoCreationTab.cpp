#include "ui/dialogs/settings/AutoCreationTab.h"

#include "core/Config.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace settings_page;

namespace {

struct FlagBox {
    const char* id;
    int flag;
};

const FlagBox kFlagBoxes[] = { { "autoCreation_Customer", Quorvane::Config::CreateCustomers },
                               { "autoCreation_Job", Quorvane::Config::CreateJobs },
                               { "autoCreation_ServiceItem", Quorvane::Config::CreateServiceItems },
                               { "autoCreation_Employees", Quorvane::Config::CreateEmployees } };

}  // namespace

void AutoCreationTab::Load(ModelPtr, ConfigPtr config, const Element& root)
{
    for (const FlagBox& box : kFlagBoxes)
        SetChecked(root.get_element_by_id(box.id), config->HasAutoCreationFlag(box.flag));
}

// A box the page lacks keeps its stored bit.
void AutoCreationTab::Save(ModelPtr, ConfigPtr config, const Element& root)
{
    int flags = 0;
    for (const FlagBox& box : kFlagBoxes) {
        const boost::optional<bool> checked = ReadChecked(root.get_element_by_id(box.id));
        if (checked ? *checked : config->HasAutoCreationFlag(box.flag))
            flags |= box.flag;
    }
    config->SetAutoCreationFlags(flags);
}
