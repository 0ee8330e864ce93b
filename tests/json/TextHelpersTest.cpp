#include <gtest/gtest.h>

#include <string>

#include "json/TextHelpers.h"

namespace {

template <typename Converter>
bool IsInsideObject(const Converter& converter)
{
    const char* object = reinterpret_cast<const char*>(&converter);
    const char* text = reinterpret_cast<const char*>(converter.c_str());
    return text >= object && text < object + sizeof converter;
}

}  // namespace

TEST(TextConverters, ShortResultsStayInsideLongerOnesGoToTheHeap)
{
    const char* fourteen = "abcdefghijklmn";
    const char* fifteen = "abcdefghijklmno";
    htmlayout::a2w shortWide(fourteen, 14);
    htmlayout::a2w longWide(fifteen, 15);
    EXPECT_TRUE(IsInsideObject(shortWide));
    EXPECT_FALSE(IsInsideObject(longWide));
    EXPECT_STREQ(L"abcdefghijklmno", longWide.c_str());
    EXPECT_EQ(15, longWide.length());
    htmlayout::w2a shortNarrow(L"abcdefghijklmn", 14);
    htmlayout::w2a longNarrow(L"abcdefghijklmno", 15);
    EXPECT_TRUE(IsInsideObject(shortNarrow));
    EXPECT_FALSE(IsInsideObject(longNarrow));
    EXPECT_STREQ("abcdefghijklmn", shortNarrow.c_str());
}

TEST(TextConverters, LengthsAndNullTexts)
{
    htmlayout::w2a hash(L"9f86d081884c7d659a2feaa0c55ad015", 32);
    EXPECT_EQ(std::string("9f86d081884c7d659a2feaa0c55ad015"), hash.c_str());
    EXPECT_STREQ(L"abc", htmlayout::a2w("abcdef", 3).c_str());
    EXPECT_STREQ(L"whole", htmlayout::a2w("whole", -1).c_str());
    EXPECT_STREQ(L"", htmlayout::a2w(nullptr, 4).c_str());
    EXPECT_EQ(0, htmlayout::w2a(L"", 0).length());
}

TEST(TextHelpers, LeadingIntegerOrDefault)
{
    EXPECT_EQ(7, htmlayout::wtoi(L"7.2", 0));
    EXPECT_EQ(-12, htmlayout::wtoi(L"-12abc", 0));
    EXPECT_EQ(5, htmlayout::wtoi(L"abc", 5));
    EXPECT_EQ(5, htmlayout::wtoi(L"", 5));
    EXPECT_EQ(5, htmlayout::wtoi(nullptr, 5));
}

TEST(TextHelpers, EqualityIsFalseForNull)
{
    EXPECT_TRUE(htmlayout::streq("getData", "getData"));
    EXPECT_FALSE(htmlayout::streq("getData", "getdata"));
    EXPECT_FALSE(htmlayout::streq(nullptr, nullptr));
    EXPECT_TRUE(htmlayout::wcseq(L"", L""));
    EXPECT_FALSE(htmlayout::wcseq(L"a", nullptr));
}
