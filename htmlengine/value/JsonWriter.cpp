#include "htmlengine/value/JsonWriter.h"

namespace htmlengine {

void WriteJson(const VALUE&, std::wstring&) {}
void WritePlainText(const VALUE&, std::wstring&) {}

}  // namespace htmlengine
