#pragma once
// The bytes of a document's pictures, fetched through its host once per URL and kept by the
// document, where layout (sizes) and painting (pictures) both read them.
#include <string>
#include <vector>

namespace htmlengine {

class Document;
class Element;

// Asks for the data of the element's pictures, its "src" and its background image, once per
// URL and document (the URL protocol needs it even while nothing is drawn); a missing
// picture is logged and otherwise ignored.
void RequestImages(Element& element);

// The bytes of a picture, asked for on first use; null for one that cannot be had, for the
// engine's own "stock:" and "theme:" pictures among them.
const std::vector<unsigned char>* ImageData(Document& document, const std::wstring& url);

}  // namespace htmlengine
