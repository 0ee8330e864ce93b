#pragma once
// Reading members of the server's JSON replies. A member that is missing or of another type
// reads as empty text or leaves an integer field alone; the callers decide what that means.
#include <string>
#include "htmlengine/api/EngineValue.h"
#include "json/JsonValue.h"

namespace Quorvane {
namespace JsonReading {

bool IsOfType(const json::value& value, VALUE_TYPE type);
json::value Member(const json::value& object, const char* name);

// A string value's characters where the parsed reply keeps them, valid while the value lives;
// no characters for any other value. Reading through it copies nothing.
struct TextView {
    TextView() : chars(L""), length(0) {}
    TextView(const wchar_t* chars, size_t length) : chars(chars), length(length) {}
    const wchar_t* chars;
    size_t length;
    bool operator==(const wchar_t* text) const;
};
TextView ViewText(const json::value& value);

// The string's text, or "" for any other value.
std::wstring Text(const json::value& value);
// Folds typographic quotes, dashes and ligatures to plain characters.
void Fold(std::wstring& text);
std::wstring FoldedText(const json::value& value);
// Sets the field only when the value is an integer other than -1.
void ReadInteger(const json::value& value, int& field);

// Calls read(element) for each element of an array, or member of an object, in order.
template <typename Read>
void ForEachElement(const json::value& container, Read read)
{
    int count = container.length();
    for (int at = 0; at < count; ++at)
        read(container.get_element(at));
}

// Calls read(name, value) for each member of an object, in order. A record reader that walks
// the members once makes no key values, where looking each member up by name would.
template <typename Read>
void ForEachMember(const json::value& object, Read read)
{
    int count = object.length();
    for (int at = 0; at < count; ++at) {
        json::value name = object.key(at);
        read(ViewText(name), object.get_element(at));
    }
}

}  // namespace JsonReading
}  // namespace Quorvane
