#pragma once
// Elements entering and leaving a document. On entering (once per element): states from
// markup, the built-in control, images requested (images/ImageData.h), behaviours attached
// in document order, select captions filled. On leaving for good: behaviours detached.

namespace htmlengine {

class Document;
class Element;

void AdoptSubtree(Element& root);

// Attaches the names of the element's "behavior" property not attached yet: each is
// offered to the program, then to the engine's built-ins; unknown names are ignored.
void AttachBehaviors(Element& element);

// Tells every behaviour of the subtree that it is detached, and drops them.
void DetachBehaviors(Element& root);

// Logs what the element's style attribute holds that cannot be read.
void ReportStyleAttributeErrors(Element& element);

// Empties an element for good (its old content is deleted).
void DiscardContent(Element& element);

// Takes an element out of its tree: focus and event root let go of it.
void Unlink(Element& element);

}  // namespace htmlengine
