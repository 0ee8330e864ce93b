#pragma once
// State changes made through the API, with the rules the pages rely on. None of them fires
// an event or rewrites an attribute.
namespace htmlengine {

class Element;

// Expanded and collapsed exclude each other (collapsed wins when both are set at once) and the
// element's control hears of a change; focus moves the keyboard focus (a focus that disabled
// leaves unusable is settled before the next input or frame, FocusScope.h); checked on a
// select's option chooses it.
void ChangeState(Element& element, unsigned set, unsigned clear);

// Disabled itself or inside a disabled element: no clicks, keys or page rules.
bool IsDisabledInTree(const Element& element);

// States that markup gives: "selected" options and "checked" boxes are checked, "disabled"
// anything is disabled.
void ApplyMarkupStates(Element& element);

}  // namespace htmlengine
