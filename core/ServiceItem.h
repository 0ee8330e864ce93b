#pragma once
// QuickBooks service items; the reader links each to its parent item.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"
#include "core/FullName.h"

namespace Quorvane {

class ServiceItem {
public:
    ServiceItem() {}

    std::wstring GetId() const { return m_id; }
    void SetId(const std::wstring& id) { m_id = id; }
    std::wstring GetName() const { return m_name; }
    void SetName(const std::wstring& name) { m_name = name; }
    boost::shared_ptr<ServiceItem> GetParent() const { return m_parent; }
    void SetParent(const boost::shared_ptr<ServiceItem>& parent) { m_parent = parent; }
    std::wstring GetFullName() const { return BuildFullName(*this); }

private:
    std::wstring m_id;
    std::wstring m_name;
    boost::shared_ptr<ServiceItem> m_parent;
};

class ServiceItemCollection : public Collection<ServiceItem> {
public:
    ServiceItemCollection() {}
    template <typename Iterator>
    ServiceItemCollection(Iterator first, Iterator last) : Collection<ServiceItem>(first, last)
    {
    }

    Pointer GetById(const std::wstring& id) const { return FindById(id); }
    // Ignores the case of A-Z only; NotFoundException when no item matches.
    Pointer GetByFullName(const std::wstring& fullName) const;
};

}  // namespace Quorvane
