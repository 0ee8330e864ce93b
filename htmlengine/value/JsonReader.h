#pragma once
// JSON text to a value, all or nothing.
#include <cstddef>

#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

// Deepest nesting of arrays and objects accepted: a hostile or broken reply must not exhaust the
// stack.
const int kMaxJsonDepth = 512;

// Parses the whole text; on any error returns false and leaves result untouched.
// result must hold nothing.
bool ReadJson(const wchar_t* text, size_t length, VALUE& result);

}  // namespace htmlengine
