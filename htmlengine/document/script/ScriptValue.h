#pragma once
// What page-script expressions evaluate to.
#include <string>
#include <vector>

namespace htmlengine {

class Element;

struct ScriptValue {
    enum class Kind { Null, Boolean, Integer, String, Element, List };
    Kind kind = Kind::Null;
    long long number = 0;  // boolean 0/1 or integer
    std::wstring text;
    Element* element = nullptr;
    std::vector<Element*> list;

    static ScriptValue Boolean(bool b) { return { Kind::Boolean, b ? 1 : 0, {}, nullptr, {} }; }
    static ScriptValue Integer(long long n) { return { Kind::Integer, n, {}, nullptr, {} }; }
    static ScriptValue String(std::wstring s) { return { Kind::String, 0, std::move(s), nullptr, {} }; }
    static ScriptValue Of(Element* e) { return e ? ScriptValue { Kind::Element, 0, {}, e, {} } : ScriptValue(); }

    bool IsTrue() const;  // null, false, 0, "", "false" are false
    std::wstring Text() const;  // as an attribute would hold it
    bool Equals(const ScriptValue& other) const;  // by text, elements by identity
};

}  // namespace htmlengine
