#pragma once
// A readable picture of a subtree for test failure messages:
//   select [checked] value="3"
//     caption mappingState="1" "Three"
#include <string>

namespace htmlengine {

class Element;

std::wstring DumpTree(Element& root);

}  // namespace htmlengine
