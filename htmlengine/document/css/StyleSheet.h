#pragma once
// A parsed style sheet: its rules in order, the sheets it imports, and what it could not read.
#include "htmlengine/document/css/Declaration.h"
#include "htmlengine/document/css/Selector.h"

#include <string>
#include <vector>

namespace htmlengine {

struct StyleRule {
    SelectorList selectors;
    DeclarationList declarations;
};

struct StyleSheet {
    std::vector<std::wstring> imports;  // URLs of @import, in order
    std::vector<StyleRule> rules;
    std::vector<std::wstring> errors;  // one line per dropped rule or declaration
};

}  // namespace htmlengine
