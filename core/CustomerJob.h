#pragma once
// QuickBooks customers and jobs, found by full name or by ListID.
#include <map>
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/FullName.h"

namespace Quorvane {

class CustomerJob {
public:
    CustomerJob(const std::wstring& id, const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent)
        : m_id(id), m_name(name), m_parent(parent)
    {
    }

    std::wstring GetId() const { return m_id; }
    // The own name only, without the parents'.
    std::wstring GetName() const { return m_name; }
    boost::shared_ptr<CustomerJob> GetParent() const { return m_parent; }
    std::wstring GetFullName() const { return BuildFullName(*this); }

private:
    std::wstring m_id;
    std::wstring m_name;
    boost::shared_ptr<CustomerJob> m_parent;
};

class CustomerJobCollection {
public:
    typedef boost::shared_ptr<CustomerJob> Pointer;
    typedef std::map<std::wstring, Pointer> Map;

    // A full name or id already present keeps its first entry.
    void Add(const Pointer& customerJob);
    // Exact lookups; NotFoundException when absent.
    Pointer FindByFullName(const std::wstring& fullName) const { return Find(m_byFullName, fullName); }
    Pointer FindById(const std::wstring& id) const { return Find(m_byId, id); }

    // In full-name order.
    Map::const_iterator begin() const { return m_byFullName.begin(); }
    Map::const_iterator end() const { return m_byFullName.end(); }
    size_t Count() const { return m_byFullName.size(); }

private:
    static Pointer Find(const Map& map, const std::wstring& key);

    Map m_byFullName;
    Map m_byId;
};

}  // namespace Quorvane
