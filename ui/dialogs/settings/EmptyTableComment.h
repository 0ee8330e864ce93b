#pragma once
// The message over a mapping table when it shows no row, and the state of the table's "Not
// mapped users only" box: without rows the box is unchecked and disabled, since there is
// nothing to filter.
#include <vector>

#include "ui/toolkit/Element.h"

// scope: the selector of the tab's container ("#Employee"), under which the page keeps
// #idEmptyTableDiv and #idEmptyTableComment; boxId: the id of the filter box.
void UpdateEmptyTableComment(const htmlayout::dom::element& root, const std::vector<htmlayout::dom::element>& rows,
                             const wchar_t* scope, const wchar_t* boxId);
