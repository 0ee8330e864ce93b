#pragma once
// Event delivery. An event goes down from the window's handlers and the root to the target
// (sinking: the block's command carries EVENT_SINKING) and back up to the root and out to
// the window's handlers (bubbling). A true answer stops it. Handlers see only the groups
// they subscribed to. Page rules run in the bubbling phase, after an element's handlers.
#include "htmlengine/api/EngineDocument.h"

namespace htmlengine {

class Document;
class Element;

// `command` points to the block's event type or code; null for blocks without one.
bool DispatchEvent(Document& document, Element& target, unsigned group, void* params, UINT* command);

// The handlers of one element only, as method calls and initialisation reach them.
bool DispatchToElement(Element& element, unsigned group, void* params);

// The window's handlers only, as the page's host calls reach them.
bool DispatchToWindow(Document& document, Element& element, unsigned group, void* params);

// A behaviour event from `source` to `target`: sent now, or queued for the message loop.
bool SendBehaviorEvent(Element& target, Element& source, UINT code, UINT_PTR reason);
bool PostBehaviorEvent(Element& target, Element& source, UINT code, UINT_PTR reason);

// Dispatches the events queued so far; those their handlers post wait for the next round,
// so a handler that posts again cannot keep the window from its other messages.
void FlushPostedEvents(Document& document);

}  // namespace htmlengine
