#pragma once
// The keyboard highlight (state current) over the options of an open list: a dropdown
// select's popup or a "select" list the page expanded.
#include <vector>

namespace htmlengine {

class Element;

// The options a user can choose, in document order.
std::vector<Element*> EnabledOptions(Element& list);
// The option a key leads to from `from` among `options` (Home, End, Up, Down; from none,
// the first); null for keys that move nothing.
Element* StepOption(const std::vector<Element*>& options, Element* from, unsigned key);
Element* HighlightedOption(Element& list);
// Moves the highlight to `option` (null: none) and scrolls it into view.
void HighlightOption(Element& list, Element* option);
// Moves the highlight as the key leads (StepOption); true when the key was one that moves it.
bool MoveHighlight(Element& list, unsigned key);
// F4, Alt+Down and Alt+Up: the keys that open a drop-down list and close it again.
bool IsDropKey(unsigned key, unsigned keyboardState);
// Where the highlight starts as the list opens: the chosen option, or the first enabled one.
void HighlightOnOpening(Element& list);

}  // namespace htmlengine
