#pragma once
// Member names and short texts repeat in every record of a reply; sharing one string block per
// text keeps a parsed reply small. A fixed table that forgets on collision is enough for that.
#include "htmlengine/value/BlockArena.h"

namespace htmlengine {

class KeyCache {
public:
    // The names are made in the arena of the text being read.
    explicit KeyCache(BlockArena& arena);
    KeyCache(const KeyCache&) = delete;
    KeyCache& operator=(const KeyCache&) = delete;

    // A string block of the arena with the text.
    Block* Intern(const wchar_t* chars, uint32_t length);

private:
    static const unsigned kSlots = 256;

    BlockArena& m_arena;
    Block* m_slots[kSlots];
};

}  // namespace htmlengine
