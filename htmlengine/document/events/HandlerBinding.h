#pragma once
// An event procedure attached to an element or a window, with its subscription.
#include <string>

namespace htmlengine {

using ElementProc = int(__stdcall*)(void* tag, void* element, unsigned group, void* params);

struct HandlerBinding {
    ElementProc proc = nullptr;
    void* tag = nullptr;
    unsigned subscription = 0;
    std::string behaviorName;  // empty for handlers attached through the API

    // Group 0 (initialisation) reaches every handler; other groups only when subscribed.
    // Built-in behaviours are recorded by name only and take no calls.
    bool Wants(unsigned group) const { return proc && (group == 0 || (subscription & group) != 0); }
};

// Calls the procedure, catching whatever escapes it: program code never unwinds through
// the engine. An escaped exception counts as "not handled".
bool CallHandler(const HandlerBinding& handler, void* element, unsigned group, void* params);

}  // namespace htmlengine
