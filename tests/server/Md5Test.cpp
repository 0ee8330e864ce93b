#include <gtest/gtest.h>

#include <cstring>
#include "connectors/server/Md5.h"

using namespace Quorvane;

TEST(Md5, HexDigitsKeepLeadingZeros)
{
    const unsigned char bytes[] = { 0x00, 0xAB, 0x10 };
    EXPECT_EQ("00ab10", ToHex(bytes, 3));
    EXPECT_EQ("", ToHex(bytes, 0));
    EXPECT_EQ("", ToHex(NULL, 3));
}

TEST(Md5, DigestsMatchThePublishedVectors)
{
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", Md5Hex("abc", 3, 32));
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", Md5Hex("", 0, 32));
    const char* quick = "The quick brown fox jumps over the lazy dog";
    EXPECT_EQ("9e107d9d372bb6826bd81d3542a419d6", Md5Hex(quick, std::strlen(quick), 32));
}

TEST(Md5, FailureGivesNoDigest)
{
    // Too small for the 16 digest bytes: CryptoAPI refuses, and nothing unwritten is formatted.
    EXPECT_EQ("", Md5Hex("abc", 3, 8));
}
