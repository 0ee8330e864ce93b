#pragma once
// The scripts' built-in row sort. Only the children of `container` that match `rows` move,
// among their own slots, so header rows stay where they are. Keys, most significant first:
//   "first <selector>"           rows that match, or hold a match, come first (last when descending)
//   "<selector> @<attribute>"    the attribute of the first match in the row
//   "<selector> :text"           the text of the first match in the row
// with " lower" appended to compare lower-cased (A-Z). ":root" is the row itself. Texts
// compare by UTF-16 code units; the sort is stable.
#include <string>
#include <vector>

namespace htmlengine {

class Element;

void SortRows(Element& container, const std::wstring& rows, bool descending, const std::vector<std::wstring>& keys);

}  // namespace htmlengine
