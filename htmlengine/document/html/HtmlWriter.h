#pragma once
// Writes an element back as markup.
#include <string>

namespace htmlengine {

class Element;

std::wstring InnerHtml(const Element& element);
std::wstring OuterHtml(const Element& element);

}  // namespace htmlengine
