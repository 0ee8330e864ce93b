#pragma once
// A QuickBooks item of any kind.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"

namespace Quorvane {

class ItemType {
public:
    ItemType() : m_kind(0) {}

    std::wstring GetId() const { return m_id; }
    void SetId(const std::wstring& id) { m_id = id; }
    std::wstring GetName() const { return m_name; }
    void SetName(const std::wstring& name) { m_name = name; }
    boost::shared_ptr<ItemType> GetParent() const { return m_parent; }
    void SetParent(const boost::shared_ptr<ItemType>& parent) { m_parent = parent; }
    // 0 to 11, as the item reader stores them.
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }

    // The kind as QuickBooks calls it; empty for a kind outside 0-11.
    std::wstring GetTypeName() const;

private:
    std::wstring m_id;
    std::wstring m_name;
    boost::shared_ptr<ItemType> m_parent;
    int m_kind;
};

class ItemTypeCollection : public Collection<ItemType> {
public:
    ItemTypeCollection() {}
    template <typename Iterator>
    ItemTypeCollection(Iterator first, Iterator last) : Collection<ItemType>(first, last)
    {
    }
};

}  // namespace Quorvane
