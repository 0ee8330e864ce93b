#pragma once
// A QuickBooks payroll wage item, or a server leave type.
#include <string>
#include "core/Collection.h"

namespace Quorvane {

class PayRoll {
public:
    PayRoll() {}
    PayRoll(const std::wstring& name, const std::wstring& listId) : m_name(name), m_listId(listId) {}

    std::wstring GetName() const { return m_name; }
    void SetName(const std::wstring& name) { m_name = name; }
    // A ListID, or a server leave type's id as decimal text.
    std::wstring GetListId() const { return m_listId; }
    void SetListId(const std::wstring& listId) { m_listId = listId; }

private:
    std::wstring m_name;
    std::wstring m_listId;
};

// Looked up by what the caller means: a payroll item's name or its ListID. The generic
// FindById is not offered, because a payroll item is known by two keys.
class PayRollCollection : public Collection<PayRoll> {
public:
    PayRollCollection() {}
    template <typename Iterator>
    PayRollCollection(Iterator first, Iterator last) : Collection<PayRoll>(first, last)
    {
    }

    Pointer FindByListId(const std::wstring& listId) const;
    bool ContainsListId(const std::wstring& listId) const;

private:
    using Collection<PayRoll>::FindById;
    using Collection<PayRoll>::ContainsId;
};

}  // namespace Quorvane
