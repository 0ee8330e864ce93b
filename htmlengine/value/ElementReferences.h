#pragma once
// DOM-object values hold a reference to their element for as long as they live. The document
// counts those references; it installs its counter once, before any such value is made.
#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

struct ElementReferenceCounter {
    void (*use)(HELEMENT element);
    void (*unuse)(HELEMENT element);
};

void SetElementReferenceCounter(const ElementReferenceCounter& counter);
void UseElement(HELEMENT element);
void UnuseElement(HELEMENT element);

// Replaces the value by a DOM-object value for the element.
void SetElementValue(VALUE& value, HELEMENT element);

}  // namespace htmlengine
