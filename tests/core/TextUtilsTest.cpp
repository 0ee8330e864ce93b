#include "core/TextUtils.h"

#include <gtest/gtest.h>

using namespace Quorvane;

TEST(Folding, TypographicCharactersBecomePlain)
{
    std::wstring text = L"\x201CRoof\x201D \x2014 O\x2019"
                        L"Brien \x0152uvre \x2039x\x203A \x0178";
    QBTransliterate(text);
    EXPECT_EQ(L"\"Roof\" - O'Brien OEuvre \x00ABx\x00BB Y", text);
}

TEST(Folding, NamesAreTrimmedAndNormalised)
{
    EXPECT_EQ(L"Acme:Roof:Gutters", NormalizeFullName(L"  Acme : Roof::Gutters "));
    EXPECT_EQ(L"", NormalizeFullName(L":"));
    EXPECT_EQ(L"", NormalizeFullName(L" : "));
    EXPECT_EQ(L"Acme", NormalizeFullName(L"Acme"));
    EXPECT_EQ(L"", NormalizeFullName(L""));
    EXPECT_EQ(L"a\tb", Trim(L"  a\tb "));
    EXPECT_EQ(L"", Trim(L"   "));
    EXPECT_EQ(L"x  ", TrimLeft(L"  x  "));
    EXPECT_EQ(L"  x", TrimRight(L"  x  "));
}

TEST(Folding, ToLowerTouchesAToZOnly)
{
    EXPECT_EQ(L"\x00C4"
              L"bc",
              ToLower(L"\x00C4"
                      L"BC"));
    EXPECT_EQ(L"john.smith@x", ToLower(L"John.SMITH@x"));
}

TEST(Folding, EqualsIgnoringCaseFoldsAsToLowerDoes)
{
    EXPECT_TRUE(EqualsIgnoringCase(L"Acme:ROOF", L"acme:Roof"));
    EXPECT_FALSE(EqualsIgnoringCase(L"\x00C4", L"\x00E4"));
    EXPECT_FALSE(EqualsIgnoringCase(L"Acme", L"Acme "));
    EXPECT_FALSE(EqualsIgnoringCase(L"[", L"{"));  // '[' + 32 is '{', but '[' is no letter
    EXPECT_TRUE(EqualsIgnoringCase(L"", L""));
}

TEST(Folding, ReplaceAllDoesNotRescanTheReplacement)
{
    EXPECT_EQ(L"aaaa", ReplaceAll(L"aa", L"a", L"aa"));
    EXPECT_EQ(L"x-y-z", ReplaceAll(L"x, y, z", L", ", L"-"));
    EXPECT_EQ(L"abc", ReplaceAll(L"abc", L"", L"z"));
}

TEST(Escaping, ReservedFileNameCharacters)
{
    EXPECT_EQ(L"A%2FB%3A X%3F", EscapeFileName(L"A/B: X?"));
    EXPECT_EQ(L"%3C%3E%22%5C%7C%2A", EscapeFileName(L"<>\"\\|*"));
    // "%" stays, so names that were saved before keep their files.
    EXPECT_EQ(L"100% Roofing", EscapeFileName(L"100% Roofing"));
}

TEST(Escaping, DeviceNamesAndControlCharactersNeverReachTheFileSystem)
{
    EXPECT_EQ(L"%43ON", EscapeFileName(L"CON"));
    EXPECT_EQ(L"%6Eul.x", EscapeFileName(L"nul.x"));
    EXPECT_EQ(L"%4CPT1 ", EscapeFileName(L"LPT1 "));
    EXPECT_EQ(L"Con Edison", EscapeFileName(L"Con Edison"));
    EXPECT_EQ(L"COM10", EscapeFileName(L"COM10"));
    EXPECT_EQ(L"a%09b%0A", EscapeFileName(L"a\tb\n"));
}

TEST(MinutesAndTruncation, FormatMinutes)
{
    EXPECT_EQ(L"-", FormatMinutes(0, L"-"));
    EXPECT_EQ(L"0:05", FormatMinutes(5, L""));
    EXPECT_EQ(L"0:59", FormatMinutes(59, L""));
    EXPECT_EQ(L"7:30", FormatMinutes(450, L""));
    EXPECT_EQ(L"10:00", FormatMinutes(600, L""));
    EXPECT_EQ(L"130:00", FormatMinutes(7800, L""));
    EXPECT_EQ(L"-1:05", FormatMinutes(-65, L""));
}

TEST(MinutesAndTruncation, TruncateWithEllipsis)
{
    EXPECT_EQ(L"0123456789", TruncateWithEllipsis(L"0123456789", 10));
    EXPECT_EQ(L"012345678...", TruncateWithEllipsis(L"0123456789A", 10));
    EXPECT_EQ(L"0123456789...", TruncateWithEllipsis(L"0123456789AB", 10));
    EXPECT_EQ(L"abc", TruncateWithEllipsis(L"abc", 0));
    EXPECT_EQ(L"abc", TruncateWithEllipsis(L"abc", -4));
}
