#include "htmlengine/document/images/ImageData.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/CssValues.h"

namespace htmlengine {

namespace {

// "stock:" pictures are drawn by the engine and "theme:" ones ignored: neither is loaded.
bool IsBuiltInPicture(const std::wstring& url)
{
    return url.compare(0, 6, L"stock:") == 0 || url.compare(0, 6, L"theme:") == 0;
}

void RequestPicture(Document& document, const std::wstring& url)
{
    if (!url.empty() && !IsBuiltInPicture(url))
        ImageData(document, url);
}

}  // namespace

const std::vector<unsigned char>* ImageData(Document& document, const std::wstring& url)
{
    auto known = document.ImageCache().find(url);
    if (known != document.ImageCache().end())
        return known->second.get();
    Document::ImageBytes& bytes = document.ImageCache()[url];
    auto data = std::make_shared<std::vector<unsigned char>>();
    if (!IsBuiltInPicture(url) && document.Host().LoadUrl(url, DocumentHost::UrlKind::Image, *data))
        bytes = std::move(data);
    else
        document.LogError(L"image not loaded: " + url);
    return bytes.get();
}

void RequestImages(Element& element)
{
    Document* document = element.OwnerDocument();
    if (!document)
        return;
    if (element.Tag() == "img")
        RequestPicture(*document, element.AttributeOr("src"));
    RequestPicture(*document, CssUrl(StyleProperty(element, "background-image")));
}

}  // namespace htmlengine
