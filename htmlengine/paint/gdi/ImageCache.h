#pragma once
// A window's pictures: each URL's bytes (from the document, which asks the program once)
// decoded by GDI+ (once per process, see DecodedPictures) into a premultiplied 32-bit DIB
// that AlphaBlend draws. A picture that is missing or cannot be decoded is logged once and
// draws nothing. A new document starts afresh, since the program may answer its URLs
// differently.
#include "htmlengine/document/geometry/Geometry.h"
#include "htmlengine/layout/ImageSizer.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace htmlengine {

class Document;

struct DecodedImage {
    HBITMAP bitmap = nullptr;
    Size size;
    ~DecodedImage();
};

class ImageCache {
public:
    // Null for a picture that cannot be had.
    const DecodedImage* Get(Document& document, const std::wstring& url);
    // How many URLs' pictures this window made so far (tests check "once per URL").
    int DecodeCount() const { return decodes_; }

private:
    Document* document_ = nullptr;
    std::map<std::wstring, std::unique_ptr<DecodedImage>> images_;
    int decodes_ = 0;
};

// Layout's image sizes, from the same cache.
class CachedImageSizer : public ImageSizer {
public:
    explicit CachedImageSizer(ImageCache& cache) : cache_(cache) {}
    bool IntrinsicSize(Document& document, const std::wstring& url, Size& size) override;

private:
    ImageCache& cache_;
};

}  // namespace htmlengine
