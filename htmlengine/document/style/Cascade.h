#pragma once
// Computed styles: the document's sheets, then the style attribute, then runtime styles
// (CSS Cascade 3 §6.4 order), cached until the document's style generation moves on.
#include "htmlengine/document/style/ElementStyle.h"

#include <string>

namespace htmlengine {

class Element;

const ComputedStyle& ComputeStyle(Element& element);

// The computed value of one property; empty when nothing sets it ("display" always has one).
std::wstring StyleProperty(Element& element, const std::string& property);

// Displayed and not hidden, with every ancestor.
bool IsElementVisible(Element& element);

}  // namespace htmlengine
