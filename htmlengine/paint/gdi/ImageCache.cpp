#include "htmlengine/paint/gdi/ImageCache.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/images/ImageData.h"
#include "htmlengine/paint/gdi/DecodedPictures.h"
#include "htmlengine/paint/gdi/TopDownDib.h"

#include <cstring>

namespace htmlengine {

namespace {

// Each window draws from a DIB of its own: a bitmap can be selected into one DC at a time.
std::unique_ptr<DecodedImage> ToDib(const DecodedPixels& pixels)
{
    auto image = std::make_unique<DecodedImage>();
    image->size = pixels.size;
    void* bits = nullptr;
    image->bitmap = CreateTopDownDib(image->size, &bits);
    if (!image->bitmap)
        return nullptr;
    std::memcpy(bits, pixels.premultiplied.data(), pixels.premultiplied.size() * sizeof(pixels.premultiplied[0]));
    return image;
}

}  // namespace

DecodedImage::~DecodedImage()
{
    if (bitmap)
        DeleteObject(bitmap);
}

const DecodedImage* ImageCache::Get(Document& document, const std::wstring& url)
{
    if (&document != document_) {
        images_.clear();
        document_ = &document;
    }
    auto known = images_.find(url);
    if (known != images_.end())
        return known->second.get();
    std::unique_ptr<DecodedImage>& slot = images_[url];
    if (const std::vector<unsigned char>* bytes = ImageData(document, url)) {
        ++decodes_;
        std::shared_ptr<const DecodedPixels> pixels = DecodePicture(*bytes);
        if (pixels)
            slot = ToDib(*pixels);
        if (!slot)
            document.LogError(L"image not decoded: " + url);
    }
    return slot.get();
}

bool CachedImageSizer::IntrinsicSize(Document& document, const std::wstring& url, Size& size)
{
    const DecodedImage* image = cache_.Get(document, url);
    if (image)
        size = image->size;
    return image != nullptr;
}

}  // namespace htmlengine
