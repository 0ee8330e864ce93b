#include "htmlengine/document/css/CssParser.h"

#include <gtest/gtest.h>

using namespace htmlengine;

TEST(CssParser, RulesDeclarationsAndImports)
{
    StyleSheet sheet =
        ParseStyleSheet(L"@import url(res:IDR_OVERLAY_CSS.CSS);\n"
                        L"/* a comment { } */ .tabs, widget#cal > popup { behavior: tabs; display: none !important }\n"
                        L"a { content: \"x;}\"; on-click: { host.Go(); self.@x = 'y;' } }");
    ASSERT_EQ(1u, sheet.imports.size());
    EXPECT_EQ(L"res:IDR_OVERLAY_CSS.CSS", sheet.imports[0]);
    ASSERT_EQ(2u, sheet.rules.size());
    EXPECT_EQ(2u, sheet.rules[0].selectors.size());
    ASSERT_EQ(2u, sheet.rules[0].declarations.size());
    EXPECT_EQ("display", sheet.rules[0].declarations[1].property);
    EXPECT_EQ(L"none", sheet.rules[0].declarations[1].value);
    EXPECT_TRUE(sheet.rules[0].declarations[1].important);
    ASSERT_EQ(2u, sheet.rules[1].declarations.size());
    EXPECT_EQ(L"\"x;}\"", sheet.rules[1].declarations[0].value);
    EXPECT_EQ(L"{ host.Go(); self.@x = 'y;' }", sheet.rules[1].declarations[1].value);
    EXPECT_TRUE(sheet.errors.empty());
}

TEST(CssParser, EveryDroppedPieceLeavesAnError)
{
    StyleSheet sheet = ParseStyleSheet(L"a:bogus { x: 1 } @media print { a { x: 2 } } b { y 3; z: 4 } stray");
    ASSERT_EQ(1u, sheet.rules.size());
    ASSERT_EQ(1u, sheet.rules[0].declarations.size());
    EXPECT_EQ("z", sheet.rules[0].declarations[0].property);
    ASSERT_EQ(4u, sheet.errors.size());
    EXPECT_NE(std::wstring::npos, sheet.errors[0].find(L"a:bogus"));
    EXPECT_NE(std::wstring::npos, sheet.errors[1].find(L"@media"));
    EXPECT_NE(std::wstring::npos, sheet.errors[2].find(L"y 3"));
    EXPECT_NE(std::wstring::npos, sheet.errors[3].find(L"stray"));
}

TEST(CssParser, StyleAttribute)
{
    std::vector<std::wstring> errors;
    DeclarationList list = ParseDeclarations(L"behavior:daterange; height:1px;;border-width:0", errors);
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ("behavior", list[0].property);
    EXPECT_EQ(L"daterange", list[0].value);
    EXPECT_TRUE(errors.empty());
}
