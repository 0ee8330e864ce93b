#include "tools/qbsim/TimeEntries.h"

#include <climits>
#include <cwchar>

namespace QbSim {

long TimeEntries::DayNumber(const std::wstring& date)
{
    int year = 0, month = 0, day = 0;
    if (std::swscanf(date.c_str(), L"%d-%d-%d", &year, &month, &day) != 3)
        return 0;
    return year * 10000L + month * 100L + day;
}

std::wstring TimeEntries::EntityOf(const Json& entry)
{
    return entry.GetPath(L"EntityRef.ListID").AsString();
}

void TimeEntries::IndexEntry(const std::wstring& txnId, const Key& key, const std::wstring& entity)
{
    m_byDate[key] = txnId;
    m_byEntity[entity][key] = txnId;
}

void TimeEntries::Add(const Json& entry)
{
    std::wstring txnId = entry.Get(L"TxnID").AsString();
    Remove(txnId);
    Key key(DayNumber(entry.Get(L"TxnDate").AsString()), m_nextOrder++);
    m_entries[txnId] = Entry { key, entry };
    IndexEntry(txnId, key, EntityOf(entry));
}

const Json* TimeEntries::Find(const std::wstring& txnId) const
{
    auto found = m_entries.find(txnId);
    return found == m_entries.end() ? 0 : &found->second.json;
}

void TimeEntries::Replace(const std::wstring& txnId, const Json& entry)
{
    auto found = m_entries.find(txnId);
    if (found == m_entries.end())
        return;
    Key key(DayNumber(entry.Get(L"TxnDate").AsString()), found->second.key.second);
    m_byDate.erase(found->second.key);
    m_byEntity[EntityOf(found->second.json)].erase(found->second.key);
    found->second = Entry { key, entry };
    IndexEntry(txnId, key, EntityOf(entry));
}

bool TimeEntries::Remove(const std::wstring& txnId)
{
    auto found = m_entries.find(txnId);
    if (found == m_entries.end())
        return false;
    m_byDate.erase(found->second.key);
    m_byEntity[EntityOf(found->second.json)].erase(found->second.key);
    m_entries.erase(found);
    return true;
}

std::vector<const Json*> TimeEntries::Query(const std::wstring& entity, long fromDay, long toDay) const
{
    std::vector<const Json*> result;
    const Index* index = &m_byDate;
    if (!entity.empty()) {
        auto found = m_byEntity.find(entity);
        if (found == m_byEntity.end())
            return result;
        index = &found->second;
    }
    auto end = index->upper_bound(Key(toDay, LLONG_MAX));
    for (auto it = index->lower_bound(Key(fromDay, 0)); it != end; ++it)
        result.push_back(&m_entries.at(it->second).json);
    return result;
}

Json TimeEntries::ToJson() const
{
    Json array = Json::MakeArray();
    for (const auto& dated : m_byDate)
        array.Push(m_entries.at(dated.second).json);
    return array;
}

}  // namespace QbSim
