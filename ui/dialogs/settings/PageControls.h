#pragma once
// Small steps over the settings page that several tabs take. A missing element makes a writer do
// nothing and a reader answer "nothing", so a tab keeps the stored value of a control it cannot
// find instead of reading it as empty.
#include <string>
#include <vector>

#include <boost/optional.hpp>

#include "ui/toolkit/Element.h"

namespace settings_page {

typedef htmlayout::dom::element Element;

void SetTextValue(Element input, const std::wstring& text);
boost::optional<std::wstring> ReadTextValue(const Element& input);
void SetChecked(Element box, bool checked);
// A value that reads as a non-zero integer is checked.
boost::optional<bool> ReadChecked(const Element& box);

// The children from index `first` on: the data rows of a table after its header rows.
std::vector<Element> ChildrenFrom(const Element& parent, UINT first);
// The rows of a mapping table, after its "fixedrows" header rows.
std::vector<Element> DataRows(const Element& table);

}  // namespace settings_page
