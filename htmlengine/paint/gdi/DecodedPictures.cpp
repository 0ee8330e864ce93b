#include "htmlengine/paint/gdi/DecodedPictures.h"

#include "htmlengine/paint/gdi/Gdiplus.h"

#include <shlwapi.h>

#include <cstring>
#include <map>
#include <mutex>

namespace htmlengine {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// The program's own icons fit many times over; pictures (and the bytes that key them) beyond
// this start the store afresh rather than growing it without end in a long session.
const size_t kMaxStoredBytes = 16 * 1024 * 1024;

// A GDI+ bitmap and the stream it was read from, released together.
class StreamBitmap {
public:
    explicit StreamBitmap(const std::vector<unsigned char>& bytes)
        : stream_(SHCreateMemStream(bytes.data(), UINT(bytes.size())))
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

bool CopyPremultiplied(GpBitmap* source, DecodedPixels& target)
{
    const Size size = target.size;
    GpRect all = { 0, 0, size.width, size.height };
    BitmapData data = {};
    if (GdipBitmapLockBits(source, &all, ImageLockModeRead, PixelFormat32bppPARGB, &data) != Ok)
        return false;
    target.premultiplied.resize(size_t(size.width) * size.height);
    for (int row = 0; row < size.height; ++row)
        std::memcpy(&target.premultiplied[size_t(row) * size.width],
                    static_cast<const unsigned char*>(data.Scan0) + size_t(row) * data.Stride, size_t(size.width) * 4);
    GdipBitmapUnlockBits(source, &data);
    return true;
}

std::shared_ptr<const DecodedPixels> Decode(const std::vector<unsigned char>& bytes)
{
    if (!EnsureGdiplus() || bytes.empty())
        return nullptr;
    StreamBitmap source(bytes);
    UINT width = 0, height = 0;
    if (!source.Get() || GdipGetImageWidth(source.Get(), &width) != Ok ||
        GdipGetImageHeight(source.Get(), &height) != Ok || !width || !height)
        return nullptr;
    auto pixels = std::make_shared<DecodedPixels>();
    pixels->size = { int(width), int(height) };
    if (!CopyPremultiplied(source.Get(), *pixels))
        return nullptr;
    return pixels;
}

struct Store {
    std::mutex lock;
    std::map<std::vector<unsigned char>, std::shared_ptr<const DecodedPixels>> pictures;
    size_t bytes = 0;
};

Store& TheStore()
{
    static Store store;
    return store;
}

}  // namespace

std::shared_ptr<const DecodedPixels> DecodePicture(const std::vector<unsigned char>& bytes)
{
    Store& store = TheStore();
    {
        std::lock_guard<std::mutex> hold(store.lock);
        auto known = store.pictures.find(bytes);
        if (known != store.pictures.end())
            return known->second;
    }
    // Decoded outside the lock: another thread's picture need not wait for this one.
    std::shared_ptr<const DecodedPixels> decoded = Decode(bytes);
    size_t cost = bytes.size() + (decoded ? decoded->premultiplied.size() * sizeof(uint32_t) : 0);
    std::lock_guard<std::mutex> hold(store.lock);
    if (store.bytes + cost > kMaxStoredBytes) {
        store.pictures.clear();
        store.bytes = 0;
    }
    if (store.pictures.emplace(bytes, decoded).second)
        store.bytes += cost;
    return decoded;
}

}  // namespace htmlengine
