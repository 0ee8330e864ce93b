// Pictures decoded once per process, whichever window asks: the same bytes share one decode,
// and bytes that are no picture give nothing, every time.
#include "htmlengine/paint/gdi/DecodedPictures.h"

#include "htmlengine/window/ResourceLoader.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> Resource(const wchar_t* url)
{
    std::vector<unsigned char> bytes;
    htmlengine::LoadResourceUrl(url, bytes);
    return bytes;
}

}  // namespace

TEST(DecodedPictures, TheSameBytesAreDecodedOnceAndOtherBytesAreNoPicture)
{
    std::vector<unsigned char> icon = Resource(L"res:TESTICON.png");
    ASSERT_FALSE(icon.empty());
    std::shared_ptr<const htmlengine::DecodedPixels> first = htmlengine::DecodePicture(icon);
    ASSERT_TRUE(first);
    EXPECT_EQ(16, first->size.width);
    EXPECT_EQ(16, first->size.height);
    EXPECT_EQ(16u * 16u, first->premultiplied.size());

    std::vector<unsigned char> sameBytesElsewhere(icon);
    EXPECT_EQ(first, htmlengine::DecodePicture(sameBytesElsewhere));

    std::vector<unsigned char> broken = Resource(L"res:BROKEN.png");
    ASSERT_FALSE(broken.empty());
    EXPECT_FALSE(htmlengine::DecodePicture(broken));
    EXPECT_FALSE(htmlengine::DecodePicture(broken));
    EXPECT_FALSE(htmlengine::DecodePicture({}));
}
