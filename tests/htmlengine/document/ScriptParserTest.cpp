#include "htmlengine/document/script/ScriptParser.h"

#include <gtest/gtest.h>

using namespace htmlengine;

TEST(ScriptParser, ReadsEveryStatementForm)
{
    Block block = ParseScript(
        L"{ host A(1, 'x', self, true, null); call B() on $('#w'); self@a = self:value + 1;"
        L"  self.style('display') = 'none'; if (!self:checked && self@x != 'y') { host C(); } else if (1 == 2) { }"
        L"  for row in $$('tr') { row:collapsed = true; } sort(self, 'tr', 'asc', 'span :text lower') }");
    ASSERT_EQ(7u, block.size());
    EXPECT_EQ(ScriptStatement::Kind::HostCall, block[0].kind);
    EXPECT_EQ(5u, block[0].operands.size());
    EXPECT_EQ(ScriptStatement::Kind::MethodCall, block[1].kind);
    EXPECT_EQ(L"B", block[1].name);
    EXPECT_EQ(ScriptStatement::Kind::Assign, block[2].kind);
    EXPECT_EQ(ScriptExpression::Kind::Plus, block[2].operands[1]->kind);
    EXPECT_EQ(ScriptStatement::Kind::If, block[4].kind);
    EXPECT_EQ(ScriptStatement::Kind::If, block[4].otherwise.at(0).kind);
    EXPECT_EQ(ScriptStatement::Kind::For, block[5].kind);
    EXPECT_EQ(L"row", block[5].name);
    EXPECT_EQ(ScriptStatement::Kind::Sort, block[6].kind);
}

TEST(ScriptParser, RejectsWhatItCannotRead)
{
    for (const wchar_t* bad : { L"host (", L"call X() self", L"for x $$('a') { }", L"if x { }", L"self@a =",
                                L"host A('open)", L"host A() #", L"{ host A(); ", L"self@a = 1 }" })
        EXPECT_THROW(ParseScript(bad), ScriptError) << std::string(bad, bad + wcslen(bad));
}
