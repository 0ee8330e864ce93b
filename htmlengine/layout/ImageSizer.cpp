#include "htmlengine/layout/ImageSizer.h"

#include "htmlengine/document/images/ImageData.h"

#include <cstring>
#include <vector>

namespace htmlengine {

namespace {

unsigned BigEndian32(const unsigned char* bytes)
{
    return unsigned(bytes[0]) << 24 | unsigned(bytes[1]) << 16 | unsigned(bytes[2]) << 8 | unsigned(bytes[3]);
}

// PNG 1.2 §3.1-3.2: the signature, then the IHDR chunk with width and height first.
bool ReadPngSize(const std::vector<unsigned char>& data, Size& size)
{
    static const unsigned char kSignature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    if (data.size() < 24 || std::memcmp(data.data(), kSignature, 8) != 0 || std::memcmp(&data[12], "IHDR", 4) != 0)
        return false;
    unsigned width = BigEndian32(&data[16]), height = BigEndian32(&data[20]);
    if (width == 0 || height == 0 || width > 100000 || height > 100000)
        return false;
    size = { int(width), int(height) };
    return true;
}

}  // namespace

bool PngHeaderSizer::IntrinsicSize(Document& document, const std::wstring& url, Size& size)
{
    const std::vector<unsigned char>* bytes = ImageData(document, url);
    size = {};
    return bytes && ReadPngSize(*bytes, size);
}

}  // namespace htmlengine
