#pragma once
// CSS Custom Properties 1: "--name: value" declarations, inherited as CSS inherits them, and the
// var() references in other properties, resolved when an element's style is computed.
#include "htmlengine/document/css/Declaration.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

using CustomProperties = std::map<std::string, std::wstring>;

bool IsCustomProperty(const std::string& name);

// The element's custom properties: the inherited ones with its own declarations on top, their
// var() references resolved. The inherited object itself when the element declares none. A
// property that refers to an undefined one, or to itself, is left undefined and said in `problems`.
std::shared_ptr<const CustomProperties>
ResolveCustomProperties(const std::shared_ptr<const CustomProperties>& inherited,
                        const std::vector<const Declaration*>& declarations, std::vector<std::wstring>& problems);

// The value with its var() references replaced; false (with the reason in `problem`) when one
// names nothing and has no fallback.
bool SubstituteCustomProperties(const std::wstring& value, const CustomProperties* properties, std::wstring& out,
                                std::wstring& problem);

}  // namespace htmlengine
