#pragma once
// Free helpers over elements: showing and hiding by the expanded and collapsed states, and
// reading and writing the engine's dropdown selects and radio groups through the "value"
// attributes that the pages carry.
#include <string>

#include "ui/toolkit/Element.h"

namespace htmlayout {

// Panels, overlays and pop-ups are shown and hidden only with these two.
void expand(dom::element& he);
void collapse(dom::element& he);

// The select's "caption" child, which shows the chosen option; null when there is none.
dom::element get_select_caption(const dom::element& select);
// The caption's "value" attribute; the default when there is no caption or no such attribute.
std::wstring get_select_value(const dom::element& select, const std::wstring& default_value);
// The same read as a base-10 integer; 0 when the attribute does not begin with a number.
int get_select_int_value(const dom::element& select, int default_value);
// Checks the first option whose "value" equals the value exactly; no match changes nothing.
void set_select_value(const dom::element& select, const std::wstring& value);

// Checks the radio "[name='name'][value='value']" under root.
void set_radio_value(const dom::element& root, const std::wstring& name, int value);
// The "value" of the checked radio of the group; 0 when none is checked or it is no number.
int get_radio_value(const dom::element& root, const std::wstring& name);

}  // namespace htmlayout
