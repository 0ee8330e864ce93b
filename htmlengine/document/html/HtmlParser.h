#pragma once
// Builds element trees from markup, leniently and without HTML5's tree rebuilding: no
// implicit html, head, body or tbody; stray end tags are dropped; unclosed elements end
// with their parent.
#include <string_view>
#include <vector>

namespace htmlengine {

class Element;
class Node;

// The nodes of a fragment, detached, in order.
std::vector<Node*> ParseFragment(std::wstring_view markup);

// A whole page: its html element, made when the markup has none at its top.
Element* ParseDocument(std::wstring_view markup);

}  // namespace htmlengine
