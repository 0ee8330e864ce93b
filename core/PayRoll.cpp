#include "core/PayRoll.h"

namespace Quorvane {

namespace {

struct HasListId {
    explicit HasListId(const std::wstring& key) : key(key) {}
    bool operator()(const PayRoll& item) const { return item.GetListId() == key; }
    const std::wstring& key;
};

}  // namespace

PayRollCollection::Pointer PayRollCollection::FindByListId(const std::wstring& listId) const
{
    return FindFirst(HasListId(listId));
}

bool PayRollCollection::ContainsListId(const std::wstring& listId) const
{
    return FindIf(HasListId(listId)) != end();
}

}  // namespace Quorvane
