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

std::unordered_map<unsigned, Element*>& ByUid()
{
    static std::unordered_map<unsigned, Element*> elements;
    return elements;
}

}  // namespace

unsigned RegisterElement(Element* element)
{
    static unsigned lastUid = 0;
    unsigned uid = ++lastUid;
    if (uid == 0) uid = ++lastUid;  // 0 is never a UID
    ByAddress()[element] = element;
    ByUid()[uid] = element;
    return uid;
}

void UnregisterElement(Element* element)
{
    ByAddress().erase(element);
    ByUid().erase(element->Uid());
}

bool IsLiveElement(const void* handle) { return handle && ByAddress().count(handle) != 0; }

Element* ElementByUid(unsigned uid)
{
    auto found = ByUid().find(uid);
    return found == ByUid().end() ? nullptr : found->second;
}

}  // namespace htmlengine
