#include <gtest/gtest.h>

#include "app/HtmlEscape.h"

namespace {

TEST(HtmlEscape, EscapesTheFiveMarkupCharacters)
{
    EXPECT_EQ(L"Smith &amp; Sons &lt;b&gt;&quot;Roof&quot; &#39;A&#39;", HtmlEscape(L"Smith & Sons <b>\"Roof\" 'A'"));
    EXPECT_EQ(L"", HtmlEscape(L""));
}

TEST(IsOpenableLink, OnlyWebAndMailLinks)
{
    EXPECT_TRUE(IsOpenableLink(L"http://example.com/"));
    EXPECT_TRUE(IsOpenableLink(L"HTTPS://example.com/"));
    EXPECT_TRUE(IsOpenableLink(L"mailto:help@example.com"));
    EXPECT_FALSE(IsOpenableLink(L"file:///C:/Windows/notepad.exe"));
    EXPECT_FALSE(IsOpenableLink(L"C:\\Windows\\notepad.exe"));
    EXPECT_FALSE(IsOpenableLink(L" http://example.com/"));
    EXPECT_FALSE(IsOpenableLink(L""));
}

}  // namespace
