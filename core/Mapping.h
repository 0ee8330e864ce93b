#pragma once
// The rules that map server users, leave types and payroll rules to QuickBooks items.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"

namespace Quorvane {

class Mapping {
public:
    enum State {
        NotMapped = 1,
        Mapped = 2,
        DoNotImport = 3,
        CreateNew = 4,
        NoPayrollItemRequired = 5,
        ImportWithoutPayrollItem = 6
    };

    Mapping() : m_flag(false), m_state(NotMapped) {}

    // A server user id or leave type id as decimal text.
    std::wstring GetSource() const { return m_source; }
    void SetSource(const std::wstring& source) { m_source = source; }
    // The mapped QuickBooks ListID; empty in every state but Mapped.
    std::wstring GetTarget() const { return m_target; }
    int GetState() const { return m_state; }
    bool GetFlag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }

    // Any state but Mapped clears the target, so a stale ListID never outlives its rule.
    void SetState(int state);
    void SetTarget(const std::wstring& target, int state);

private:
    std::wstring m_source;
    std::wstring m_target;
    bool m_flag;
    int m_state;
};

class MappingCollection : public Collection<Mapping> {
public:
    MappingCollection() {}
    // Shares the rules of the range.
    template <typename Iterator>
    MappingCollection(Iterator first, Iterator last) : Collection<Mapping>(first, last)
    {
    }

    bool Contains(const std::wstring& source) const;
    // The first rule with that source or target; NotFoundException when none.
    Pointer GetBySource(const std::wstring& source) const;
    Pointer GetByTarget(const std::wstring& target) const;

    // A copy with new rules, so that edits of the copy never reach this collection.
    boost::shared_ptr<MappingCollection> Clone() const;
};

}  // namespace Quorvane
