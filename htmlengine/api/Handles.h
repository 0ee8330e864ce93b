#pragma once
// Element handles of the C API: a handle is the element's address, accepted only while the
// registry knows it. Every export goes through here before touching an element.
#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/window/EngineCall.h"

#include <exception>

namespace htmlengine {

class Element;
class Document;

// A live, not deleted element, or null.
Element* LiveElement(HELEMENT he);
// A live element, deleted or not (for dropping references).
Element* AnyElement(HELEMENT he);
inline HELEMENT ToHandle(Element* element)
{
    return element;
}

// The document of a live element in a document, or null.
Document* DocumentOf(HELEMENT he);

// Says on the debugger's output what made an engine call fail, since the program sees only
// ENGINE_FAILED.
void LogFailedCall(const char* what);

// Runs an export's body as one engine call; whatever escapes it becomes ENGINE_FAILED, so
// nothing unwinds into the program.
template <class Body>
ENGINE_RESULT Guarded(Body body)
{
    EngineCall call;
    try {
        return body();
    } catch (const std::exception& failure) {
        LogFailedCall(failure.what());
        return ENGINE_FAILED;
    } catch (...) {
        LogFailedCall("an unknown exception");
        return ENGINE_FAILED;
    }
}

}  // namespace htmlengine
