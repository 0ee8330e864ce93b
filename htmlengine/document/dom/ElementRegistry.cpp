#include "htmlengine/document/dom/ElementRegistry.h"

#include "htmlengine/document/dom/Element.h"

#include <unordered_map>

namespace htmlengine {

namespace {

std::unordered_map<const void*, Element*>& ByAddress()
{
    static std::unordered_map<const void*, Element*> elements;
    return elements;
}

}  // namespace

unsigned RegisterElement(Element* element)
{
    static unsigned lastUid = 0;
    unsigned uid = ++lastUid;
    if (uid == 0)
        uid = ++lastUid;  // 0 is never a UID
    ByAddress()[element] = element;
    return uid;
}

void UnregisterElement(Element* element)
{
    ByAddress().erase(element);
}

bool IsLiveElement(const void* handle)
{
    return handle && ByAddress().count(handle) != 0;
}

// A linear search: UIDs are looked up rarely, elements are made by the thousand.
Element* ElementByUid(unsigned uid)
{
    for (const auto& entry : ByAddress())
        if (entry.second->Uid() == uid)
            return entry.second;
    return nullptr;
}

}  // namespace htmlengine
