#pragma once
// Finds an earlier member of the object being read that has the same key text, so a repeated
// key replaces the earlier value in the earlier position. Small objects are scanned; large ones
// are hashed, so a reply with a huge object still reads in linear time.
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "htmlengine/value/ValueBlock.h"

namespace htmlengine {

class MemberIndex {
public:
    // members is the reader's stack of members; the object's own start at first.
    MemberIndex(const std::vector<Member>& members, size_t first) : m_members(members), m_first(first) {}

    // Position in the stack of an earlier member whose key has the text, or -1.
    ptrdiff_t Find(const Block* key) const;
    // Tells the index that a member with a new key was pushed on the stack.
    void Added();

private:
    static const size_t kScanLimit = 16;

    static std::wstring_view TextOf(const Block* key) { return std::wstring_view(StringChars(key), key->count); }
    ptrdiff_t Scan(const Block* key) const;

    const std::vector<Member>& m_members;
    size_t m_first;
    std::unordered_map<std::wstring_view, size_t> m_positions;  // empty while scanning
};

}  // namespace htmlengine
