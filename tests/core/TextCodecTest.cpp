#include "core/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

using Quorvane::Utf8ToWide;
using Quorvane::WideToUtf8;

namespace {

std::wstring Decode(const std::string& bytes)
{
    Utf8ToWide decoded(bytes.data(), static_cast<int>(bytes.size()));
    return std::wstring(decoded.c_str(), decoded.size());
}

std::string Encode(const std::wstring& text)
{
    WideToUtf8 encoded(text);
    return std::string(encoded.c_str(), encoded.size());
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::wstring text;
};

}  // namespace

TEST(Utf8Decoding, ValidAndMalformedInput)
{
    const DecodeCase cases[] = {
        { "ascii", "Acme", L"Acme" },
        { "two-byte", "M\xC3\xBCller", L"M\x00FCller" },
        { "three-byte", "\xE2\x80\x93", L"\x2013" },
        { "bom at start dropped",
          "\xEF\xBB\xBF"
          "A",
          L"A" },
        { "bom later kept", "A\xEF\xBB\xBF", L"A\xFEFF" },
        { "four-byte to pair", "\xF0\x9F\x98\x80", L"\xD83D\xDE00" },
        { "lone lead at end stops", "\xC3", L"?" },
        { "stray continuation",
          "\x80"
          "A",
          L"?A" },
        { "bad continuation resumes",
          "\xC3"
          "A",
          L"?A" },
        { "cut three-byte resumes",
          "\xE2\x80"
          "A",
          L"?A" },
        { "overlong nul",
          "\xC0\x80"
          "A",
          L"?A" },
        { "overlong slash", "\xE0\x80\xAF", L"?" },
        { "encoded surrogate",
          "\xED\xA0\x80"
          "B",
          L"?B" },
        { "above U+10FFFF",
          "\xF4\x90\x80\x80"
          "C",
          L"?C" },
        { "F5 lead",
          "\xF5\x80\x80\x80"
          "D",
          L"?D" },
        { "nul ends text", std::string("A\0B", 3), L"A" },
        { "cut at end after valid", "ok\xF0\x9F\x98", L"ok?" },
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(c.text, Decode(c.bytes)) << c.name;
}

TEST(Utf8Decoding, ZeroLengthReadsToTheNulAndNullIsEmpty)
{
    Utf8ToWide terminated("abc\0def", 0);
    EXPECT_EQ(std::wstring(L"abc"), terminated.c_str());
    Utf8ToWide none(0, 5);
    EXPECT_EQ(std::wstring(), none.c_str());
}

TEST(Utf8Encoding, RoundTripsAndLoneSurrogates)
{
    EXPECT_EQ("\xF0\x9F\x98\x80", Encode(L"\xD83D\xDE00"));
    EXPECT_EQ("M\xC3\xBCller \xE2\x80\x93", Encode(L"M\x00FCller \x2013"));
    // A high surrogate at the end is dropped; one before another unit becomes "?" and the
    // unit after it survives.
    EXPECT_EQ("A", Encode(L"A\xD800"));
    EXPECT_EQ("?A", Encode(L"\xD800"
                           L"A"));
    // A lone low surrogate is written as three bytes.
    EXPECT_EQ("\xED\xB0\x80", Encode(L"\xDC00"));
    EXPECT_EQ("ab", Encode(std::wstring(L"ab\0cd", 5)));
}

TEST(Utf8Encoding, LongTextsGrowTheBuffer)
{
    std::wstring text(10000, L'\x00E9');
    std::string bytes = Encode(text);
    EXPECT_EQ(20000u, bytes.size());
    EXPECT_EQ(text, Decode(bytes));
}
