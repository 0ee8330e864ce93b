#include "htmlengine/document/script/ScriptValue.h"

namespace htmlengine {

bool ScriptValue::IsTrue() const
{
    switch (kind) {
    case Kind::Null: return false;
    case Kind::Boolean:
    case Kind::Integer: return number != 0;
    case Kind::String: return !text.empty() && text != L"false" && text != L"0";
    case Kind::Element: return true;
    case Kind::List: return !list.empty();
    }
    return false;
}

std::wstring ScriptValue::Text() const
{
    switch (kind) {
    case Kind::Boolean: return number ? L"true" : L"false";
    case Kind::Integer: return std::to_wstring(number);
    case Kind::String: return text;
    default: return std::wstring();
    }
}

bool ScriptValue::Equals(const ScriptValue& other) const
{
    if (kind == Kind::Element || other.kind == Kind::Element)
        return element == other.element;
    if (kind == Kind::Null || other.kind == Kind::Null)
        return kind == other.kind;
    return Text() == other.Text();
}

}  // namespace htmlengine
