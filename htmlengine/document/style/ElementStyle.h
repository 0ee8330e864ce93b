#pragma once
// The style data an element carries: its runtime declarations and its cached computed style.
#include "htmlengine/document/css/Declaration.h"

#include <map>
#include <string>

namespace htmlengine {

using ComputedStyle = std::map<std::string, std::wstring>;

struct ElementStyle {
    DeclarationList runtime;  // set through the API; strongest in the cascade
    ComputedStyle computed;
    unsigned long long computedAt = 0;  // document style generation of `computed`; 0 = never
    std::wstring attachedBehaviors;     // the behavior value already acted upon
};

}  // namespace htmlengine
