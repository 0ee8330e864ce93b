#pragma once
// Builds a document from markup, synchronously: includes and style sheets are fetched
// through the host as they are met. Its elements are adopted (images, behaviours) once
// the window shows it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

class Document;
class DocumentHost;
class Node;

std::unique_ptr<Document> BuildDocument(DocumentHost& host, std::wstring_view markup, const std::wstring& baseUrl);

// Replaces each <include src="..."> among the nodes (at any depth) by the markup it names,
// and adds the style sheets of <style> and <link rel="stylesheet"> to the document.
void ResolveIncludesAndStyles(Document& document, std::vector<Node*>& nodes);

}  // namespace htmlengine
