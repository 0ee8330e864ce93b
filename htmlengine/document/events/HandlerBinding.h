#pragma once
// An event procedure attached to an element or a window, with its subscription.
#include <string>

namespace htmlengine {

using ElementProc = int(__stdcall*)(void* tag, void* element, unsigned group, void* params);

struct HandlerBinding {
    ElementProc proc = nullptr;
    void* tag = nullptr;
    unsigned subscription = 0;
    std::string behaviorName;  // empty for handlers attached by the API
};

}  // namespace htmlengine
