#include "htmlengine/value/MemberIndex.h"

namespace htmlengine {

ptrdiff_t MemberIndex::Find(const Block* key) const
{
    if (m_positions.empty())
        return Scan(key);
    auto found = m_positions.find(TextOf(key));
    return found == m_positions.end() ? -1 : static_cast<ptrdiff_t>(found->second);
}

ptrdiff_t MemberIndex::Scan(const Block* key) const
{
    for (size_t i = m_first; i < m_members.size(); ++i) {
        const Block* candidate = m_members[i].key;
        if (candidate == key || TextOf(candidate) == TextOf(key))
            return static_cast<ptrdiff_t>(i);
    }
    return -1;
}

void MemberIndex::Added()
{
    size_t count = m_members.size() - m_first;
    if (count < kScanLimit)
        return;
    size_t from = count == kScanLimit ? m_first : m_members.size() - 1;
    for (size_t i = from; i < m_members.size(); ++i)
        m_positions.emplace(TextOf(m_members[i].key), i);
}

}  // namespace htmlengine
