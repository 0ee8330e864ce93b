#pragma once
// Which built-in control an element gets: implicitly by tag and type, or by one of the
// engine's own behaviour names ("button", "clickable", "select", "column-resizer").
#include <memory>
#include <string>

namespace htmlengine {

class Control;
class Element;

std::unique_ptr<Control> ImplicitControl(Element& element);

// True when the engine knows the name; `control` is null for names that need none.
bool BuiltInBehavior(const std::string& name, Element& element, std::unique_ptr<Control>& control);

}  // namespace htmlengine
