#include "ui/dialogs/settings/EmployeeMappingOrder.h"

#include <algorithm>
#include <string>

#include "core/DisplayNames.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

enum Rank { NewUser, KnownUser, UserWithoutMapping };

struct SortEntry {
    int rank;
    std::wstring name;
    EmployeeMappingOrder::EmployeePtr user;
};

int RankOf(const MappingCollection& mappings, const Employee& user)
{
    if (!mappings.Contains(user.GetId()))
        return UserWithoutMapping;
    return mappings.GetBySource(user.GetId())->GetFlag() ? NewUser : KnownUser;
}

bool Precedes(const SortEntry& a, const SortEntry& b)
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    return a.name < b.name;
}

}  // namespace

std::vector<EmployeeMappingOrder::EmployeePtr> EmployeeMappingOrder::Sort(const EmployeeCollection& users) const
{
    std::vector<SortEntry> entries;
    entries.reserve(users.Count());
    for (const EmployeePtr& user : users) {
        SortEntry entry = { RankOf(m_mappings, *user), ToLower(FormatEmployeeName(0, *user, true)), user };
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), Precedes);
    std::vector<EmployeePtr> sorted;
    sorted.reserve(entries.size());
    for (const SortEntry& entry : entries)
        sorted.push_back(entry.user);
    return sorted;
}
