#pragma once
// Lookups by full name in the model's QuickBooks lists that do not walk the lists: each list is
// indexed when first asked and again once the model hands out another one (an addition replaces
// a list by a grown copy). A list the model does not hold yet counts as empty, like a list that
// QuickBooks gave empty: every name is then missing.
#include <cstddef>
#include <string>
#include <unordered_map>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {

class CustomerJob;
class ItemType;
class ServiceItem;

template <typename Record>
class FullNameIndex {
public:
    typedef boost::shared_ptr<Record> Pointer;

    explicit FullNameIndex(bool ignoreCase) : m_ignoreCase(ignoreCase), m_count(0) {}

    // Indexes the list unless it is the one indexed last, with as many records.
    template <typename List>
    void Follow(const boost::shared_ptr<List>& list);
    // The first record of the list with that full name; null when there is none.
    Pointer Find(const std::wstring& fullName) const;

private:
    std::wstring KeyOf(const std::wstring& fullName) const;

    bool m_ignoreCase;
    // Held so that no later list can take the indexed one's address.
    boost::shared_ptr<const void> m_list;
    size_t m_count;
    std::unordered_map<std::wstring, Pointer> m_byName;
};

class QuickBooksNames {
public:
    explicit QuickBooksNames(const boost::shared_ptr<MainModel>& model);

    // Exactly that full name.
    boost::shared_ptr<CustomerJob> FindCustomerJob(const std::wstring& fullName);
    // Ignoring the case of A-Z, as QuickBooks compares these names.
    boost::shared_ptr<ServiceItem> FindServiceItem(const std::wstring& fullName);
    // An item of any kind, ignoring the case of A-Z.
    boost::shared_ptr<ItemType> FindItem(const std::wstring& fullName);

private:
    boost::shared_ptr<MainModel> m_model;
    FullNameIndex<CustomerJob> m_customerJobs;
    FullNameIndex<ServiceItem> m_serviceItems;
    FullNameIndex<ItemType> m_items;
};

}  // namespace Quorvane
