#pragma once
// Reads style sheets and style attributes. Nothing it drops goes unrecorded: every skipped
// rule or declaration adds a line to the errors.
#include "htmlengine/document/css/StyleSheet.h"

#include <string_view>

namespace htmlengine {

StyleSheet ParseStyleSheet(std::wstring_view text);
DeclarationList ParseDeclarations(std::wstring_view text, std::vector<std::wstring>& errors);

}  // namespace htmlengine
