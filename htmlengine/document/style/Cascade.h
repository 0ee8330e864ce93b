#pragma once
// Computed styles: the document's sheets, then the style attribute, then runtime styles
// (CSS Cascade 3 §6.4 order), cached until the document's style generation moves on.
#include "htmlengine/document/style/ElementStyle.h"

#include <string>

namespace htmlengine {

class Element;

// Every property; the reference stays valid until the document's styles change.
const ComputedStyle& ComputeStyle(Element& element);

// The computed value of one property, matching only the rules that declare it; empty when
// nothing sets it ("display" always has a value).
std::wstring StyleProperty(Element& element, const std::string& property);

// Displayed and not hidden, with every ancestor.
bool IsElementVisible(Element& element);

}  // namespace htmlengine
