#pragma once
// A control's value inside the engine; the C API turns it into a VALUE and back.
#include <string>

namespace htmlengine {

struct ControlValue {
    enum class Kind { Undefined, Boolean, Integer, String, Date };
    Kind kind = Kind::Undefined;
    long long number = 0;  // boolean 0/1, integer, or FILETIME for dates
    std::wstring text;

    static ControlValue Undefined() { return {}; }
    static ControlValue Boolean(bool b) { return { Kind::Boolean, b ? 1 : 0, {} }; }
    static ControlValue Integer(long long n) { return { Kind::Integer, n, {} }; }
    static ControlValue String(std::wstring s) { return { Kind::String, 0, std::move(s) }; }
    static ControlValue Date(long long fileTime) { return { Kind::Date, fileTime, {} }; }

    // A boolean or integer that is not 0: how check boxes and radios read a value.
    bool IsSetFlag() const { return (kind == Kind::Boolean || kind == Kind::Integer) && number != 0; }
};

}  // namespace htmlengine
