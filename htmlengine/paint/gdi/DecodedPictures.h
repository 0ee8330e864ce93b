#pragma once
// Pictures decoded once per process. Under Wine, GDI+ takes 1.5-2 ms to decode even a 16x16
// PNG, and every window shows the same icons: a dialog opened anew, or the main window's
// summary after a load, would otherwise decode them all again. Keyed by the bytes themselves,
// so a program that answers a URL with other bytes gets its new picture.
#include "htmlengine/document/geometry/Geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace htmlengine {

struct DecodedPixels {
    Size size;
    std::vector<uint32_t> premultiplied;  // rows from the top, as AlphaBlend wants them
};

// Null when the bytes are no picture GDI+ can read. Safe to call from any thread.
std::shared_ptr<const DecodedPixels> DecodePicture(const std::vector<unsigned char>& bytes);

}  // namespace htmlengine
