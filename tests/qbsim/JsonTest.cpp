// The simulator's JSON: what the company file and the control commands are written in.
#include <gtest/gtest.h>

#include "tools/qbsim/Json.h"

namespace {

using QbSim::Json;

TEST(Json, TextsRoundTripThroughParseAndWrite)
{
    const wchar_t* const texts[] = {
        L"null",
        L"true",
        L"false",
        L"0",
        L"-12",
        L"2147483647",
        L"0.5",
        L"\"\"",
        L"\"quote \\\" backslash \\\\ tab \\u0009\"",
        L"\"\x00E5\x20AC\"",
        L"[]",
        L"{}",
        L"[1,\n \"two\",\n {\"three\":3}]",
        L"{\"b\":1,\"a\":[true,\n null]}",
    };
    for (const wchar_t* text : texts)
        EXPECT_EQ(text, Json::Parse(text).Write());
}

TEST(Json, ParsingReadsEscapesBlanksAndPaths)
{
    Json json = Json::Parse(L" { \"Ref\" : { \"ListID\" : \"A\\u0042\\n\" } , \"n\" : 1e3 } ");
    EXPECT_EQ(L"AB\n", json.GetPath(L"Ref.ListID").AsString());
    EXPECT_EQ(1000, json.Get(L"n").AsInt());
    EXPECT_TRUE(json.GetPath(L"Ref.Missing.Deeper").IsNull());
    EXPECT_EQ(7, json.Get(L"Ref").AsInt(7));
}

TEST(Json, MalformedTextIsRefused)
{
    for (const wchar_t* text : { L"", L"{", L"[1,]", L"{\"a\" 1}", L"\"open", L"tru", L"1 2", L"{'a':1}" })
        EXPECT_THROW(Json::Parse(text), std::runtime_error) << text;
}

}  // namespace
