#include "htmlengine/value/KeyCache.h"

#include <cwchar>

namespace htmlengine {

namespace {

// FNV-1a over the UTF-16 units.
unsigned HashText(const wchar_t* chars, uint32_t length)
{
    uint32_t hash = 2166136261u;
    for (uint32_t i = 0; i < length; ++i)
        hash = (hash ^ static_cast<uint16_t>(chars[i])) * 16777619u;
    return hash;
}

}  // namespace

KeyCache::KeyCache(BlockArena& arena) : m_arena(arena)
{
    for (Block*& slot : m_slots)
        slot = nullptr;
}

Block* KeyCache::Intern(const wchar_t* chars, uint32_t length)
{
    Block*& slot = m_slots[HashText(chars, length) % kSlots];
    bool cached = slot && slot->count == length && std::wmemcmp(StringChars(slot), chars, length) == 0;
    if (!cached)
        slot = NewStringBlock(chars, length, &m_arena);
    return slot;
}

}  // namespace htmlengine
