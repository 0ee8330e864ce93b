#pragma once
// JSON numbers: integers within 32 bits become integers, every other number a float.
#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

// Reads one number at cursor and advances past it; false when the text there is not a number.
// value must hold nothing.
bool ReadJsonNumber(const wchar_t*& cursor, const wchar_t* end, VALUE& value);

}  // namespace htmlengine
