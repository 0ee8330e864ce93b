#pragma once
// Control values between the engine's inside and the VALUE of the C API.
#include "htmlengine/api/EngineValue.h"
#include "htmlengine/document/controls/ControlValue.h"

namespace htmlengine {

ControlValue FromValue(const VALUE& value);
void ToValue(const ControlValue& control, VALUE& value);

}  // namespace htmlengine
