#include "app/missing/QuickBooksNames.h"

#include "app/MainModel.h"
#include "core/FullName.h"
#include "core/TextUtils.h"

namespace Quorvane {

namespace {

template <typename Record>
const boost::shared_ptr<Record>& RecordOf(const boost::shared_ptr<Record>& record)
{
    return record;
}
template <typename Record>
std::wstring FullNameOf(const boost::shared_ptr<Record>& record)
{
    return BuildFullName(*record);
}

// Customers and jobs are filed by the full name they were added under.
const CustomerJobCollection::Pointer& RecordOf(const CustomerJobCollection::Map::value_type& entry)
{
    return entry.second;
}
std::wstring FullNameOf(const CustomerJobCollection::Map::value_type& entry)
{
    return entry.first;
}

}  // namespace

template <typename Record>
template <typename List>
void FullNameIndex<Record>::Follow(const boost::shared_ptr<List>& list)
{
    const size_t count = list ? list->Count() : 0;
    if (m_list && m_list == list && m_count == count)
        return;
    m_byName.clear();
    m_list = list;
    m_count = count;
    if (!list)
        return;
    for (const auto& entry : *list)
        m_byName.emplace(KeyOf(FullNameOf(entry)), RecordOf(entry));
}

template <typename Record>
typename FullNameIndex<Record>::Pointer FullNameIndex<Record>::Find(const std::wstring& fullName) const
{
    const typename std::unordered_map<std::wstring, Pointer>::const_iterator found = m_byName.find(KeyOf(fullName));
    return found == m_byName.end() ? Pointer() : found->second;
}

template <typename Record>
std::wstring FullNameIndex<Record>::KeyOf(const std::wstring& fullName) const
{
    return m_ignoreCase ? ToLower(fullName) : fullName;
}

QuickBooksNames::QuickBooksNames(const boost::shared_ptr<MainModel>& model)
    : m_model(model), m_customerJobs(false), m_serviceItems(true), m_items(true)
{
}

boost::shared_ptr<CustomerJob> QuickBooksNames::FindCustomerJob(const std::wstring& fullName)
{
    m_customerJobs.Follow(m_model->GetCustomerJobs());
    return m_customerJobs.Find(fullName);
}

boost::shared_ptr<ServiceItem> QuickBooksNames::FindServiceItem(const std::wstring& fullName)
{
    m_serviceItems.Follow(m_model->GetServiceItems());
    return m_serviceItems.Find(fullName);
}

boost::shared_ptr<ItemType> QuickBooksNames::FindItem(const std::wstring& fullName)
{
    m_items.Follow(m_model->GetAllItems());
    return m_items.Find(fullName);
}

}  // namespace Quorvane
