#pragma once
// The engine's own URL loader: "res:NAME.ext" (or a bare "NAME.ext") from the executable's
// resources, type 23 for "html" and the upper-cased extension otherwise. "stock:" and
// "theme:" name built-in pictures, not data. Nothing is read from disk or network.
#include <string>
#include <vector>

namespace htmlengine {

// From the executable's resources, or those of `module` (pageshot reads another program's).
bool LoadResourceUrl(const std::wstring& url, std::vector<unsigned char>& data, void* module = nullptr);

}  // namespace htmlengine
