#include "core/TextCharset.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Quorvane;

namespace {
const SystemLocale kEnglish = { 1252, 0x0409, 0x0409 };
const SystemLocale kRussian = { 1251, 0x0419, 0x0419 };
const SystemLocale kEnglishUserRussianSystem = { 1252, 0x0409, 0x0419 };
const wchar_t kMuller[] = L"M\x00FCller";
}  // namespace

TEST(CharsetClass, DependsOnTextAndLocale)
{
    EXPECT_EQ(0, GetTextCharsetClass(kMuller, kEnglish));
    EXPECT_EQ(1, GetTextCharsetClass(kMuller, kRussian));
    EXPECT_EQ(1, GetTextCharsetClass(kMuller, kEnglishUserRussianSystem));
    EXPECT_EQ(0, GetTextCharsetClass(L"Miller", kRussian));
    EXPECT_EQ(2, GetTextCharsetClass(L"\x0416uk", kEnglish));
    EXPECT_EQ(2, GetTextCharsetClass(L"\x20AC", kEnglish));
    EXPECT_EQ(0, GetTextCharsetClass(L"", kRussian));
}

TEST(CharsetClass, WesternLanguageTable)
{
    const LANGID western[] = { 0x0009, 0x0409, 0x0809, 0x0C09, 0x0007, 0x0407, 0x0807, 0x0C07, 0x1007, 0x1407,
                               0x000C, 0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C, 0x180C, 0x000A, 0x040A, 0x500A,
                               0x0406, 0x0414, 0x0814, 0x041D, 0x0413, 0x0410, 0x0416, 0x0816, 0x043B, 0x0452 };
    for (LANGID id : western)
        EXPECT_TRUE(IsWesternLanguage(id)) << std::hex << id;
    const LANGID other[] = { 0x0419, 0x0411, 0x0415, 0x0408, 0x041F, 0x0804, 0x0405, 0x0000 };
    for (LANGID id : other)
        EXPECT_FALSE(IsWesternLanguage(id)) << std::hex << id;
}

// Runs under Wine with LANG set by the test registration: Wine derives the code page and
// the locale from it, so this checks the real Win32 calls.
TEST(MachineLocale, MullerFollowsTheSystemCodePage)
{
    const char* expected = std::getenv("PELLWORTH_EXPECTED_ACP");
    ASSERT_TRUE(expected != 0);
    UINT expectedCodePage = static_cast<UINT>(std::atoi(expected));
    EXPECT_EQ(expectedCodePage, CurrentSystemLocale().ansiCodePage);
    EXPECT_EQ(expectedCodePage == 1252 ? 0 : 1, GetTextCharsetClass(kMuller));
}
