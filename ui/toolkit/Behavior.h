#pragma once
// Named behaviours: handlers the engine attaches to elements by the CSS property "behavior".
// Each is one static object that links itself into one process-wide list when it is
// constructed; the engine's attach-behaviour notification looks the name up there. The list
// is written only during static construction and never changes afterwards.
#include "ui/toolkit/EventHandler.h"

namespace htmlayout {

class behavior : public event_handler {
public:
    // The name must outlive the object (a string literal).
    behavior(UINT subscription, const char* name);

    // The first behaviour of the list whose name equals the name exactly, asked for its
    // handler of that element; null when none.
    static event_handler* find_behavior(const char* name, HELEMENT he);
    // The most recently constructed behaviour; null before the first.
    static behavior* first() { return s_head; }

    behavior* const next;
    const char* const name;

private:
    // A plain pointer, zero before any dynamic initialisation, so it is safe to use from the
    // constructors of behaviours in any translation unit.
    static behavior* s_head;
};

// Answers the engine's attach-behaviour notification: on a match fills the block's procedure,
// tag and event mask and returns true; otherwise leaves the block alone and returns false.
bool attach_behavior(ATTACH_BEHAVIOR_NOTIFICATION* block);

}  // namespace htmlayout
