#include "ui/dialogs/details/EmployeeSelect.h"

#include <algorithm>
#include <vector>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/TextUtils.h"
#include "ui/dialogs/details/DialogSupport.h"

using namespace Quorvane;

namespace {

struct ListedUser {
    boost::shared_ptr<Employee> user;
    std::wstring optionText;
    std::wstring lowerText;
};

bool EmployeeNameLess(const ListedUser& a, const ListedUser& b)
{
    return a.lowerText < b.lowerText;
}

// The mapped QuickBooks employee's name, else the user's own.
std::wstring OptionText(const MainModel& model, const Config& config, const Employee& user)
{
    try {
        return FormatEmployeeName(&config, *FindQuickBooksEmployee(model, user.GetId(), &config), false);
    } catch (const NotFoundException&) {
        return FormatEmployeeName(&config, user, false);
    }
}

bool IsNotImported(const Config& config, const Employee& user)
{
    try {
        return config.GetEmployeeMappings()->GetBySource(user.GetId())->GetState() == Mapping::DoNotImport;
    } catch (const NotFoundException&) {
        return false;
    }
}

std::vector<ListedUser> ListedUsers(const MainModel& model, const Config& config)
{
    const boost::shared_ptr<EmployeeCollection> users = model.GetServerEmployees();
    std::vector<ListedUser> listed;
    for (EmployeeCollection::const_iterator it = users->begin(); it != users->end(); ++it) {
        if (IsNotImported(config, **it))
            continue;
        ListedUser entry;
        entry.user = *it;
        entry.optionText = OptionText(model, config, **it);
        entry.lowerText = ToLower(entry.optionText);
        listed.push_back(entry);
    }
    std::stable_sort(listed.begin(), listed.end(), EmployeeNameLess);
    return listed;
}

}  // namespace

void FillEmployeeSelect(const htmlayout::dom::element& root, const MainModel& model, const std::wstring& employeeId)
{
    htmlayout::dom::element popup = root.get_element_by_id("EmployeeSelectId").find_first("popup");
    const boost::shared_ptr<Config> config = model.GetConfig();
    if (!popup.is_valid() || !config)
        return;
    const std::vector<ListedUser> listed = ListedUsers(model, *config);
    htmlayout::dom::element chosen;
    std::wstring chosenName;
    for (std::vector<ListedUser>::const_iterator it = listed.begin(); it != listed.end(); ++it) {
        htmlayout::dom::element option = AppendElement(popup, "option", it->optionText);
        option.set_attribute("value", it->user->GetId().c_str());
        if (employeeId.empty() ? !chosen.is_valid() : it->user->GetId() == employeeId) {
            chosen = option;
            chosenName = FormatEmployeeName(config.get(), *it->user, true);
        }
    }
    if (chosen.is_valid())
        chosen.set_state(STATE_CHECKED, 0);
    root.get_element_by_id("QuorvaneUser").set_text(chosenName.c_str());
}
