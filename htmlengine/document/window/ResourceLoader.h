#pragma once
// The engine's own URL loader: "res:NAME.ext" (or a bare "NAME.ext") from the executable's
// resources, type 23 for "html" and the upper-cased extension otherwise. "stock:" and
// "theme:" name built-in pictures, not data. Nothing is read from disk or network.
#include <string>
#include <vector>

namespace htmlengine {

bool LoadResourceUrl(const std::wstring& url, std::vector<unsigned char>& data);

}  // namespace htmlengine
