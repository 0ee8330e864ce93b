#include "htmlengine/api/Handles.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementRegistry.h"
#include "htmlengine/value/ElementReferences.h"

#include <windows.h>

#include <string>

namespace htmlengine {

namespace {

void UseFromValue(HELEMENT he)
{
    if (Element* element = AnyElement(he))
        AddReference(element);
}

void UnuseFromValue(HELEMENT he)
{
    if (Element* element = AnyElement(he))
        DropReference(element);
}

// DOM-object values count their element as the API's handles do.
const bool kValueCounterInstalled = (SetElementReferenceCounter({ UseFromValue, UnuseFromValue }), true);

}  // namespace

Element* AnyElement(HELEMENT he)
{
    return IsLiveElement(he) ? static_cast<Element*>(he) : nullptr;
}

Element* LiveElement(HELEMENT he)
{
    Element* element = AnyElement(he);
    return element && !element->deleted ? element : nullptr;
}

Document* DocumentOf(HELEMENT he)
{
    Element* element = LiveElement(he);
    return element ? element->OwnerDocument() : nullptr;
}

void LogFailedCall(const char* what)
{
    OutputDebugStringA((std::string("htmlengine: an engine call failed: ") + what + "\n").c_str());
}

}  // namespace htmlengine
