#pragma once
// The style data an element carries: its runtime declarations and its cached styles.
#include "htmlengine/document/css/Declaration.h"

#include <map>
#include <memory>
#include <string>

namespace htmlengine {

struct ComputedStyle;

// The winning declared text of each property, as HTMLayoutGetStyleAttribute gives it.
using CascadedValues = std::map<std::string, std::wstring>;

struct ElementStyle {
    DeclarationList runtime;  // set through the API; strongest in the cascade
    CascadedValues cascaded;
    unsigned long long cascadedAt = 0;  // document style generation of `cascaded`; 0 = never
    std::shared_ptr<const ComputedStyle> computed;
    unsigned long long computedAt = 0;
    std::wstring attachedBehaviors;  // the behavior value already acted upon
};

}  // namespace htmlengine
