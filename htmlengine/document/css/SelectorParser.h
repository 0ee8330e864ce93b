#pragma once
// Parses a selector list. Throws SelectorError for text it cannot read.
#include "htmlengine/document/css/Selector.h"

#include <stdexcept>
#include <string_view>

namespace htmlengine {

class SelectorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

SelectorList ParseSelectors(std::wstring_view text);

}  // namespace htmlengine
