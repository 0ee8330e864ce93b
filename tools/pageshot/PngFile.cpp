#include "tools/pageshot/PngFile.h"

#include <objidl.h>

#include <gdiplus.h>

#include <stdexcept>
#include <vector>

namespace pageshot {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool FindPngEncoder(CLSID& clsid)
{
    UINT count = 0, bytes = 0;
    GdipGetImageEncodersSize(&count, &bytes);
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (!bytes || GdipGetImageEncoders(count, bytes, encoders) != Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(encoders[i].MimeType) == L"image/png")
            return clsid = encoders[i].Clsid, true;
    return false;
}

}  // namespace

void WritePng(const std::wstring& path, const BYTE* pixels, UINT width, UINT height, UINT stride)
{
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != Ok)
        throw std::runtime_error("GDI+ does not start");
    CLSID encoder = {};
    bool found = FindPngEncoder(encoder);
    GpBitmap* bitmap = nullptr;
    Status status = found ? GdipCreateBitmapFromScan0(INT(width), INT(height), INT(stride), PixelFormat32bppRGB,
                                                      const_cast<BYTE*>(pixels), &bitmap)
                          : GenericError;
    if (status == Ok) {
        status = GdipSaveImageToFile(bitmap, path.c_str(), &encoder, nullptr);
        GdipDisposeImage(bitmap);
    }
    GdiplusShutdown(token);
    if (!found)
        throw std::runtime_error("GDI+ has no PNG encoder");
    if (status != Ok)
        throw std::runtime_error("cannot write the PNG (GDI+ status " + std::to_string(status) + ")");
}

}  // namespace pageshot
