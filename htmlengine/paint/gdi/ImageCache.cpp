#include "htmlengine/paint/gdi/ImageCache.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/images/ImageData.h"
#include "htmlengine/paint/gdi/Gdiplus.h"
#include "htmlengine/paint/gdi/TopDownDib.h"

#include <shlwapi.h>

#include <cstring>

namespace htmlengine {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// A GDI+ bitmap and the stream it was read from, released together.
class StreamBitmap {
public:
    StreamBitmap(const unsigned char* bytes, size_t length) : stream_(SHCreateMemStream(bytes, UINT(length)))
    {
        if (stream_ && GdipCreateBitmapFromStream(stream_, &bitmap_) != Ok)
            bitmap_ = nullptr;
    }
    ~StreamBitmap()
    {
        if (bitmap_)
            GdipDisposeImage(bitmap_);
        if (stream_)
            stream_->Release();
    }
    StreamBitmap(const StreamBitmap&) = delete;
    StreamBitmap& operator=(const StreamBitmap&) = delete;
    GpBitmap* Get() const { return bitmap_; }

private:
    IStream* stream_;
    GpBitmap* bitmap_ = nullptr;
};

// The picture's pixels premultiplied, as AlphaBlend wants them.
bool CopyPremultiplied(GpBitmap* source, Size size, void* target)
{
    GpRect all = { 0, 0, size.width, size.height };
    BitmapData data = {};
    if (GdipBitmapLockBits(source, &all, ImageLockModeRead, PixelFormat32bppPARGB, &data) != Ok)
        return false;
    for (int row = 0; row < size.height; ++row)
        std::memcpy(static_cast<unsigned char*>(target) + size_t(row) * size.width * 4,
                    static_cast<const unsigned char*>(data.Scan0) + size_t(row) * data.Stride, size_t(size.width) * 4);
    GdipBitmapUnlockBits(source, &data);
    return true;
}

}  // namespace

DecodedImage::~DecodedImage()
{
    if (bitmap)
        DeleteObject(bitmap);
}

std::unique_ptr<DecodedImage> DecodeImage(const unsigned char* bytes, size_t length)
{
    if (!EnsureGdiplus() || !bytes || !length)
        return nullptr;
    StreamBitmap source(bytes, length);
    UINT width = 0, height = 0;
    if (!source.Get() || GdipGetImageWidth(source.Get(), &width) != Ok ||
        GdipGetImageHeight(source.Get(), &height) != Ok || !width || !height)
        return nullptr;
    auto image = std::make_unique<DecodedImage>();
    image->size = { int(width), int(height) };
    void* bits = nullptr;
    image->bitmap = CreateTopDownDib(image->size, &bits);
    if (!image->bitmap || !CopyPremultiplied(source.Get(), image->size, bits))
        return nullptr;
    return image;
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
        slot = DecodeImage(bytes->data(), bytes->size());
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
