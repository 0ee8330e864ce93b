// What the leave-type and working-time selects offer; nothing here touches the page.
#include "ui/dialogs/settings/LeaveTimeAndPayrollTab.h"

#include <algorithm>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "core/PayRoll.h"
#include "ui/dialogs/settings/MappingSelect.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<PayRoll> PayRollPtr;

void AddItemOptions(MappingSelect& select, const PayRollCollection& items, int state, const std::wstring& target)
{
    for (const PayRollPtr& item : items) {
        const bool chosen = state == Mapping::Mapped && !target.empty() && item->GetListId() == target;
        select.Add(MappingOption(Mapping::Mapped, item->GetName()).WithValue(item->GetListId()), chosen);
    }
}

boost::shared_ptr<Employee> QuickBooksEmployeeOf(const MainModel& model, const Config& config,
                                                 const std::wstring& userId)
{
    try {
        return FindQuickBooksEmployee(model, userId, &config);
    } catch (const NotFoundException&) {
        return boost::shared_ptr<Employee>();
    }
}

LeaveTimeAndPayrollTab::PayRollsPtr OwnWageItems(const PayRollCollection& items, const Employee& employee)
{
    LeaveTimeAndPayrollTab::PayRollsPtr own(new PayRollCollection);
    for (const std::wstring& listId : employee.GetNameList()) {
        if (items.ContainsListId(listId))
            own->Add(items.FindByListId(listId));
    }
    return own;
}

}  // namespace

bool PayrollItemNameLess(const PayRollPtr& a, const PayRollPtr& b)
{
    return a->GetName() < b->GetName();
}

LeaveTimeAndPayrollTab::PayRollsPtr SortedPayrollItems(const PayRollCollection& items)
{
    std::vector<PayRollPtr> sorted(items.begin(), items.end());
    std::stable_sort(sorted.begin(), sorted.end(), PayrollItemNameLess);
    return LeaveTimeAndPayrollTab::PayRollsPtr(new PayRollCollection(sorted.begin(), sorted.end()));
}

std::wstring LeaveTimeAndPayrollTab::BuildLeaveTypeSelect(const std::wstring& id, const PayRollCollection& items,
                                                          int state, const std::wstring& target)
{
    MappingSelect select(id, std::wstring());
    if (items.Count() == 0)
        select.Add(MappingOption(Mapping::ImportWithoutPayrollItem, L"-- import --").WithValue(std::wstring()),
                   state == Mapping::ImportWithoutPayrollItem);
    select.Add(MappingOption(Mapping::DoNotImport, L"-- do not import --").WithValue(std::wstring()),
               state == Mapping::DoNotImport);
    AddItemOptions(select, *SortedPayrollItems(items), state, target);
    // A second undecided state stays what it was until the user chooses.
    const int undecided = state == Mapping::CreateNew && target.empty() ? Mapping::CreateNew : Mapping::NotMapped;
    return select.Markup(UndecidedOption(undecided), false);
}

std::wstring LeaveTimeAndPayrollTab::BuildPayrollItemSelect(const std::wstring& id, const PayRollCollection& items,
                                                            int state, const std::wstring& target)
{
    MappingSelect select(id, std::wstring());
    AddItemOptions(select, items, state, target);
    // "No item needed" has no option of its own: until the user chooses, the row keeps it, so that
    // a Save without changes does not turn it into an open question.
    const int undecided = state == Mapping::NoPayrollItemRequired ? state : Mapping::NotMapped;
    return select.Markup(UndecidedOption(undecided).WithValue(std::wstring()), true);
}

LeaveTimeAndPayrollTab::PayRollsPtr
LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(const MainModel& model, const Config& config, const Employee& user)
{
    const PayRollsPtr items = model.GetPayrollItems() ? model.GetPayrollItems() : PayRollsPtr(new PayRollCollection);
    const boost::shared_ptr<Employee> employee = QuickBooksEmployeeOf(model, config, user.GetId());
    if (employee && !employee->GetUsesTimeData())
        return PayRollsPtr(new PayRollCollection);
    if (employee && !employee->GetNameList().empty())
        return OwnWageItems(*items, *employee);
    return SortedPayrollItems(*items);
}
