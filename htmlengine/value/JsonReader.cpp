#include "htmlengine/value/JsonReader.h"

namespace htmlengine {

bool ReadJson(const wchar_t*, size_t, VALUE&) { return false; }

}  // namespace htmlengine
