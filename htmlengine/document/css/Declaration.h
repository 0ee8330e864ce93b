#pragma once
// One CSS declaration, "name: value [!important]".
#include <string>
#include <vector>

namespace htmlengine {

struct Declaration {
    std::string property;  // lower case
    std::wstring value;  // trimmed text as written
    bool important = false;
};

using DeclarationList = std::vector<Declaration>;

// Sets or replaces one property; an empty value removes it.
void SetDeclaration(DeclarationList& list, const std::string& property, const std::wstring& value);

}  // namespace htmlengine
