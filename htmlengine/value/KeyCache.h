#pragma once
// Member names repeat in every record of a reply; sharing one string block per name keeps a
// parsed reply small. A fixed table that forgets on collision is enough for that.
#include "htmlengine/value/ValueBlock.h"

namespace htmlengine {

class KeyCache {
public:
    KeyCache();
    ~KeyCache();
    KeyCache(const KeyCache&) = delete;
    KeyCache& operator=(const KeyCache&) = delete;

    // A string block with the text; the caller owns one reference to it.
    Block* Intern(const wchar_t* chars, uint32_t length);

private:
    static const unsigned kSlots = 256;

    Block* m_slots[kSlots];
};

}  // namespace htmlengine
