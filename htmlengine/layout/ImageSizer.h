#pragma once
// The intrinsic size of an image, for `img` elements without a CSS width or height. The
// window's sizer is the painter's image cache when it has one; the default reads the size
// from the PNG header of the bytes the document holds for the URL (document/images/).
#include "htmlengine/document/geometry/Geometry.h"

#include <memory>
#include <string>

namespace htmlengine {

class Document;

class ImageSizer {
public:
    virtual ~ImageSizer() = default;
    // False when there is no such image or it cannot be read.
    virtual bool IntrinsicSize(Document& document, const std::wstring& url, Size& size) = 0;
};

class PngHeaderSizer : public ImageSizer {
public:
    bool IntrinsicSize(Document& document, const std::wstring& url, Size& size) override;
};

}  // namespace htmlengine
