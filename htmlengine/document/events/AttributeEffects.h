#pragma once
// What changing an attribute or a runtime style means beyond its text: "disabled" is the disabled state,
// "style" and "class" may bring behaviours, "src" loads an image, "requested-value" moves
// a progress bar. Fires no event.
#include <string>

namespace htmlengine {

class Element;

// `name` in lower case; the attribute has already been set or removed.
void AttributeChanged(Element& element, const std::string& name);

// Sets (or with an empty value removes) a runtime style; "behavior" attaches new names.
void SetRuntimeStyle(Element& element, const std::string& property, const std::wstring& value);

}  // namespace htmlengine
