#pragma once
// A value to text: JSON with quoted keys and no blanks, or the plain text of a scalar.
#include <cstdint>
#include <string>

#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

void WriteJson(const VALUE& value, std::wstring& out);
// A string's own characters, a number's decimal text, nothing for undefined, null and elements;
// arrays and objects as JSON.
void WritePlainText(const VALUE& value, std::wstring& out);

}  // namespace htmlengine
