#pragma once
// The cascade: the engine's defaults, then the document's sheets, then the style attribute,
// then runtime styles (CSS Cascade 3 §6.4 order), cached until the document's style
// generation moves on.
#include "htmlengine/document/style/ElementStyle.h"

#include <string>
#include <vector>

namespace htmlengine {

class Element;

// The declarations that apply to the element, weakest first. Those of its style attribute
// live in `inlineStyle`, which must outlive the result.
std::vector<const Declaration*> MatchedDeclarations(Element& element, DeclarationList& inlineStyle);

// The winning text of every property, var() references resolved (a property whose var()
// resolves to nothing is absent); the reference stays valid until the document's styles change.
const CascadedValues& CascadedStyle(Element& element);

// The winning text of one property, matching only the rules that declare it; empty when
// nothing sets it or a var() in it resolves to nothing ("display" always has a value).
std::wstring StyleProperty(Element& element, const std::string& property);

// The display an element has before any style sheet ("block" for div, "table-cell" for td...).
const wchar_t* DefaultDisplay(const Element& element);

// Displayed and not hidden, with every ancestor.
bool IsElementVisible(Element& element);

}  // namespace htmlengine
