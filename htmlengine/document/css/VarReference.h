#pragma once
// CSS Custom Properties 1 §3: var(--name) and var(--name, fallback) inside a property value.
// Names are compared A–Z case-blind, as every property name in the engine is.
#include <functional>
#include <string>
#include <string_view>

namespace htmlengine {

// True when the value holds a var() to substitute.
bool HasVarReference(std::wstring_view value);

// The custom property's value, or false when it is not defined.
using VarLookup = std::function<bool(const std::string& name, std::wstring& value)>;

// The value with every var() replaced by what `lookup` gives, or by its fallback. False when a
// var() cannot be read, or names nothing and has no fallback (the declaration is then invalid);
// `problem` says which.
bool SubstituteVars(std::wstring_view value, const VarLookup& lookup, std::wstring& out, std::wstring& problem);

}  // namespace htmlengine
