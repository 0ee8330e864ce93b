#pragma once
// What every layout pass needs besides the boxes.
#include "htmlengine/document/geometry/Geometry.h"
#include "htmlengine/layout/ImageSizer.h"
#include "htmlengine/layout/TextCache.h"

namespace htmlengine {

class Document;

struct LayoutContext {
    TextCache& text;
    ImageSizer& images;
    Document& document;
    Size viewport;
};

}  // namespace htmlengine
