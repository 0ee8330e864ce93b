#pragma once
// Every live element by address and by UID, so that a stale handle is refused instead of
// followed. UI thread only.
#include <string>

namespace htmlengine {

class Element;

unsigned RegisterElement(Element* element);  // returns the element's new UID
void UnregisterElement(Element* element);
bool IsLiveElement(const void* handle);
Element* ElementByUid(unsigned uid);

}  // namespace htmlengine
