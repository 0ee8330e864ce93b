#pragma once
// The shape every record collection shares: a vector of shared records kept in the order they
// were added. Copying a collection shares its records; selections do the same.
#include <string>
#include <utility>
#include <vector>
#include <boost/shared_ptr.hpp>
#include "core/Exceptions.h"

namespace Quorvane {

template <typename Record>
class Collection {
public:
    typedef boost::shared_ptr<Record> Pointer;
    typedef typename std::vector<Pointer>::iterator iterator;
    typedef typename std::vector<Pointer>::const_iterator const_iterator;

    Collection() {}
    template <typename Iterator>
    Collection(Iterator first, Iterator last) : m_items(first, last)
    {
    }

    void Add(Pointer item) { m_items.push_back(std::move(item)); }
    iterator Erase(iterator position) { return m_items.erase(position); }
    size_t Count() const { return m_items.size(); }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

    // The first record whose id equals the key, code unit by code unit.
    Pointer FindById(const std::wstring& id) const { return FindFirst(HasId(id)); }
    bool ContainsId(const std::wstring& id) const { return FindIf(HasId(id)) != end(); }
    // The first record whose name equals the key.
    Pointer FindByName(const std::wstring& name) const { return FindFirst(HasName(name)); }
    bool ContainsName(const std::wstring& name) const { return FindIf(HasName(name)) != end(); }

protected:
    template <typename Predicate>
    const_iterator FindIf(Predicate matches) const
    {
        for (const_iterator it = begin(); it != end(); ++it)
            if (matches(**it))
                return it;
        return end();
    }

    // Throws NotFoundException when no record matches.
    template <typename Predicate>
    Pointer FindFirst(Predicate matches) const
    {
        const_iterator found = FindIf(matches);
        if (found == end())
            throw NotFoundException();
        return *found;
    }

private:
    struct HasId {
        explicit HasId(const std::wstring& key) : key(key) {}
        bool operator()(const Record& record) const { return record.GetId() == key; }
        const std::wstring& key;
    };
    struct HasName {
        explicit HasName(const std::wstring& key) : key(key) {}
        bool operator()(const Record& record) const { return record.GetName() == key; }
        const std::wstring& key;
    };

    std::vector<Pointer> m_items;
};

// Free forms of the finders, for callers that work on any collection.
template <typename CollectionType>
typename CollectionType::Pointer CollectionFindById(const CollectionType& collection, const std::wstring& id)
{
    return collection.FindById(id);
}

template <typename CollectionType>
bool CollectionContainsId(const CollectionType& collection, const std::wstring& id)
{
    return collection.ContainsId(id);
}

}  // namespace Quorvane
