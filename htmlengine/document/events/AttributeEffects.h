#pragma once
// What changing an attribute means beyond its text: "disabled" is the disabled state,
// "style" and "class" may bring behaviours, "src" loads an image, "requested-value" moves
// a progress bar. Fires no event.
#include <string>

namespace htmlengine {

class Element;

// `name` in lower case; the attribute has already been set or removed.
void AttributeChanged(Element& element, const std::string& name);

}  // namespace htmlengine
