#pragma once
// Reading members of the server's JSON replies. A member that is missing or of another type
// reads as empty text or leaves an integer field alone; the callers decide what that means.
#include <exception>
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

namespace Detail {

// Walks a container with ValueEnumElements, which lends each element instead of copying it: a
// copy takes and drops a reference, and that was most of the time spent reading a large reply.
// An exception of `visit` must not cross the engine, so it is carried around it.
template <typename Visit>
void EnumElements(const json::value& container, Visit& visit)
{
    struct Walk {
        Visit& visit;
        std::exception_ptr failure;
        static int HTMLENGINE_CALL Receive(void* param, const VALUE* key, const VALUE* element)
        {
            Walk& walk = *static_cast<Walk*>(param);
            try {
                walk.visit(key, json::value::lent(*element));
                return 1;
            } catch (...) {
                walk.failure = std::current_exception();
                return 0;
            }
        }
    } walk { visit, nullptr };
    ValueEnumElements(&container.native(), &Walk::Receive, &walk);
    if (walk.failure)
        std::rethrow_exception(walk.failure);
}

}  // namespace Detail

// Calls read(element) for each element of an array, or member of an object, in order. The
// element is lent: valid during the call only.
template <typename Read>
void ForEachElement(const json::value& container, Read read)
{
    auto visit = [&](const VALUE*, const json::value& element) { read(element); };
    Detail::EnumElements(container, visit);
}

// Calls read(name, value) for each member of an object, in order, both lent for the call. A
// record reader that walks the members once makes no key values, where looking each member up
// by name would.
template <typename Read>
void ForEachMember(const json::value& object, Read read)
{
    if (!IsOfType(object, VALUE_OBJECT))
        return;
    auto visit = [&](const VALUE* key, const json::value& value) { read(ViewText(json::value::lent(*key)), value); };
    Detail::EnumElements(object, visit);
}

}  // namespace JsonReading
}  // namespace Quorvane
