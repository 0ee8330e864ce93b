#pragma once
// The choice of a dropdown select: one option checked, shown in the caption.
#include <vector>

namespace htmlengine {

class Element;

Element* SelectOf(Element& option);  // the select an option belongs to, or null
// The options of a select or list in document order (not those of a select inside it).
std::vector<Element*> OptionsOf(Element& select);
// The option that is `target` or holds it, below `select`; null outside any option.
Element* OptionAround(Element& target, const Element& select);
Element* ChosenOption(Element& select);
// Checks `option` (null: none), unchecks the others and refreshes the caption. No events.
void ChooseOption(Element& select, Element* option);
// The caption shows the chosen option's text and carries a copy of its attributes; with
// nothing chosen it is empty (or shows the select's "novalue" text) and has no attributes.
void RefreshCaption(Element& select);

}  // namespace htmlengine
