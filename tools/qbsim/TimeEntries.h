#pragma once
// The company's time-tracking transactions, indexed by TxnID, by date and by entity, so a query
// for one employee and one month touches only that employee's entries of that month. Entries
// come back ordered by TxnDate, then by the order in which they were made.
#include <map>
#include <string>
#include <vector>

#include "tools/qbsim/Json.h"

namespace QbSim {

class TimeEntries {
public:
    TimeEntries() : m_nextOrder(0) {}

    void Add(const Json& entry);  // the entry carries its TxnID
    const Json* Find(const std::wstring& txnId) const;
    void Replace(const std::wstring& txnId, const Json& entry);
    bool Remove(const std::wstring& txnId);

    // Days are yyyymmdd numbers; an empty entity means every entity.
    std::vector<const Json*> Query(const std::wstring& entity, long fromDay, long toDay) const;
    Json ToJson() const;

    // "2012-06-07" -> 20120607; 0 for a text that is not a date.
    static long DayNumber(const std::wstring& date);

private:
    typedef std::pair<long, long long> Key;  // (day, order of making)
    typedef std::map<Key, std::wstring> Index;
    struct Entry {
        Key key;
        Json json;
    };

    void IndexEntry(const std::wstring& txnId, const Key& key, const std::wstring& entity);
    static std::wstring EntityOf(const Json& entry);

    std::map<std::wstring, Entry> m_entries;
    Index m_byDate;
    std::map<std::wstring, Index> m_byEntity;
    long long m_nextOrder;
};

}  // namespace QbSim
