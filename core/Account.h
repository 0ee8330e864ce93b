#pragma once
// A QuickBooks account.
#include <string>
#include "core/Collection.h"

namespace Quorvane {

class Account {
public:
    Account() : m_type(0) {}

    std::wstring GetId() const { return m_id; }
    void SetId(const std::wstring& id) { m_id = id; }
    std::wstring GetName() const { return m_fullName; }
    void SetName(const std::wstring& fullName) { m_fullName = fullName; }
    // QuickBooks's account-type code, as the reader stores it.
    int GetType() const { return m_type; }
    void SetType(int type) { m_type = type; }

private:
    std::wstring m_id;
    std::wstring m_fullName;
    int m_type;
};

class AccountCollection : public Collection<Account> {
public:
    AccountCollection() {}
    template <typename Iterator>
    AccountCollection(Iterator first, Iterator last) : Collection<Account>(first, last)
    {
    }
};

}  // namespace Quorvane
