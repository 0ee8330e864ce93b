#include "ui/dialogs/details/MissingItemRules.h"

#include <algorithm>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/DisplayNames.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

struct SortableStatus {
    boost::shared_ptr<MissingItemStatus> status;
    std::wstring lowerName;
};

struct MissingItemStatusOrder {
    bool operator()(const SortableStatus& a, const SortableStatus& b) const
    {
        const int kindA = a.status->GetItem()->GetKind();
        const int kindB = b.status->GetItem()->GetKind();
        if (kindA != kindB)
            return kindA < kindB;
        return a.lowerName < b.lowerName;
    }
};

// 1 for customers and jobs, 2 for service items, 0 (no family) for employees.
int Family(int kind)
{
    switch (kind) {
    case MissingItem::CustomerKind:
    case MissingItem::JobKind: return 1;
    case MissingItem::ServiceItemKind: return 2;
    default: return 0;
    }
}

bool IsAncestorName(const std::wstring& ancestor, const std::wstring& name)
{
    return name.size() > ancestor.size() && name.compare(0, ancestor.size(), ancestor) == 0 &&
           name[ancestor.size()] == L':';
}

// The server user under the name QuickBooks knows, or will know, the employee by.
std::wstring RelatedEmployeeName(const MainModel& model, const std::wstring& userId)
{
    const boost::shared_ptr<Config> config = model.GetConfig();
    boost::shared_ptr<Employee> user;
    try {
        user = model.GetServerEmployees()->FindById(userId);
        return FormatEmployeeName(config.get(), *FindQuickBooksEmployee(model, userId, config.get()), false);
    } catch (const NotFoundException&) {
        return user ? FormatEmployeeName(config.get(), *user, false) : userId;
    }
}

boost::shared_ptr<EmployeeDiff> AnyDiffOfUsers(const MainModel& model, const MissingItem& item)
{
    const std::vector<std::wstring>& users = item.GetUsers();
    for (std::vector<std::wstring>::const_iterator user = users.begin(); user != users.end(); ++user) {
        try {
            return model.GetEmployeeDiffs()->FindByEmployeeId(*user);
        } catch (const NotFoundException&) {
        }
    }
    boost::shared_ptr<EmployeeDiff> none(new EmployeeDiff());
    none->SetServerUser(boost::shared_ptr<Employee>(new Employee()));
    return none;
}

}  // namespace

boost::shared_ptr<MissingItemCollection> SortByKind(const MissingItemCollection& items)
{
    std::vector<MissingItemCollection::Pointer> sorted(items.begin(), items.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const MissingItemCollection::Pointer& a, const MissingItemCollection::Pointer& b) {
                         return a->GetKind() < b->GetKind();
                     });
    boost::shared_ptr<MissingItemCollection> result(new MissingItemCollection);
    for (size_t i = 0; i < sorted.size(); ++i)
        result->FindOrAdd(sorted[i]);
    return result;
}

void SortMissingItemStatuses(const MainModel& model, MissingItemStatusList& statuses)
{
    std::vector<SortableStatus> sortable;
    for (MissingItemStatusList::const_iterator it = statuses.begin(); it != statuses.end(); ++it) {
        SortableStatus entry;
        entry.status = *it;
        entry.lowerName = ToLower(MissingItemDisplayName(model, *(*it)->GetItem()));
        sortable.push_back(entry);
    }
    std::stable_sort(sortable.begin(), sortable.end(), MissingItemStatusOrder());
    for (size_t i = 0; i < sortable.size(); ++i)
        statuses[i] = sortable[i].status;
}

std::wstring DataTypeText(int kind)
{
    switch (kind) {
    case MissingItem::EmployeeKind: return L"Employee";
    case MissingItem::CustomerKind: return L"Customer";
    case MissingItem::JobKind: return L"Customer:Job";
    case MissingItem::ServiceItemKind: return L"Service Item";
    default: return std::wstring();
    }
}

std::wstring MissingItemDisplayName(const MainModel& model, const MissingItem& item)
{
    if (item.GetKind() != MissingItem::EmployeeKind)
        return item.GetName();
    try {
        const boost::shared_ptr<Config> config = model.GetConfig();
        return FormatEmployeeName(config.get(), *model.GetServerEmployees()->FindById(item.GetName()), false);
    } catch (const NotFoundException&) {
        return item.GetName();
    }
}

std::wstring MissingItemNotes(const MissingItemStatus& status)
{
    const std::wstring message = status.GetStatusMessage();
    return message.empty() ? status.GetItem()->GetDescription() : message;
}

RelatedEmployeesText DescribeRelatedEmployees(const MainModel& model, const MissingItem& item)
{
    const std::vector<std::wstring>& users = item.GetUsers();
    RelatedEmployeesText described;
    if (users.size() == 1) {
        described.text = RelatedEmployeeName(model, users.front());
        return described;
    }
    described.text = std::to_wstring(users.size()) + L" employees";
    for (std::vector<std::wstring>::const_iterator user = users.begin(); user != users.end(); ++user)
        described.tooltip += RelatedEmployeeName(model, *user) + L"\r";
    return described;
}

bool FollowsCheckChange(const MissingItemRow& changed, bool checked, const MissingItemRow& row)
{
    if (!row.enabled || Family(changed.kind) == 0 || Family(row.kind) != Family(changed.kind))
        return false;
    return checked ? IsAncestorName(row.name, changed.name) : IsAncestorName(changed.name, row.name);
}

CreationFailureTexts DescribeCreationFailure(const MainModel& model, const MissingItem& item,
                                             const boost::shared_ptr<EmployeeDiff>& diff, int code)
{
    return MakeCreationFailureTexts(model, item, diff ? *diff : *AnyDiffOfUsers(model, item), code, std::wstring());
}
