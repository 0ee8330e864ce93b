#include <gtest/gtest.h>

#include <string>

#include "tests/htmlengine/ValueTestSupport.h"

namespace {

struct ReadCase {
    const wchar_t* name;
    const wchar_t* input;
    const wchar_t* written;  // the parsed value written back as JSON
};

void ExpectReadsAs(const ReadCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(cases[i].name);
        TestValue value;
        EXPECT_EQ(VALUE_OK, ValueFromString(value.get(), cases[i].input, wcslen(cases[i].input), VALUE_MODE_JSON));
        EXPECT_EQ(cases[i].written, value.Text());
    }
}

}  // namespace

TEST(JsonRead, StructureAndMemberOrder)
{
    const ReadCase cases[] = {
        { L"nested", L"{\"a\":[1,{\"b\":null}],\"c\":{}}", L"{\"a\":[1,{\"b\":null}],\"c\":{}}" },
        { L"document order kept", L"{\"z\":1,\"a\":2,\"m\":3}", L"{\"z\":1,\"a\":2,\"m\":3}" },
        { L"blanks between tokens", L" \t\r\n{ \"a\" :\n[ 1 , 2 ] ,\"b\":true }\r\n", L"{\"a\":[1,2],\"b\":true}" },
        { L"unquoted names", L"{ method:\"m\", _x$1:[], $:false }", L"{\"method\":\"m\",\"_x$1\":[],\"$\":false}" },
        { L"scalar at the top", L"\"text\"", L"\"text\"" },
        { L"empty containers", L"[[],{}]", L"[[],{}]" },
        { L"repeated key keeps its first position", L"{\"a\":1,\"b\":2,\"a\":3}", L"{\"a\":3,\"b\":2}" },
        { L"repeated key, quoted and unquoted", L"{a:1,\"a\":{\"x\":1}}", L"{\"a\":{\"x\":1}}" },
    };
    ExpectReadsAs(cases, sizeof cases / sizeof cases[0]);
}

TEST(JsonRead, RepeatedKeysInALargeObject)
{
    std::wstring text = L"{";
    for (int i = 0; i < 40; ++i)
        text += L"\"k" + std::to_wstring(i) + L"\":" + std::to_wstring(i) + L",";
    text += L"\"k3\":-3,\"k30\":-30}";
    TestValue value = Parse(text);
    int count = 0;
    ValueElementsCount(value.get(), &count);
    EXPECT_EQ(40, count);
    TestValue third, thirtieth;
    ValueNthElementValue(value.get(), 3, third.get());
    ValueNthElementValue(value.get(), 30, thirtieth.get());
    EXPECT_EQ(L"-3", third.Text());
    EXPECT_EQ(L"-30", thirtieth.Text());
}

// A parsed reply's parts share its memory: a part copied out must keep it after the reply goes,
// across the many pieces a large reply is made of.
TEST(JsonRead, PartsOutliveTheParsedReply)
{
    std::wstring text = L"{\"records\":[";
    for (int i = 0; i < 5000; ++i)
        text += (i ? L"," : L"") + std::wstring(L"{\"note\":\"entry ") + std::to_wstring(i) + L"\"}";
    text += L"]}";
    TestValue record, key, records;
    {
        TestValue reply = Parse(text);
        ValueNthElementValue(reply.get(), 0, records.get());
        ValueNthElementValue(records.get(), 4321, record.get());
        ValueNthElementKey(record.get(), 0, key.get());
    }
    EXPECT_EQ(L"{\"note\":\"entry 4321\"}", record.Text());
    EXPECT_EQ(L"\"note\"", key.Text());
    ValueClear(records.get());
    ValueClear(record.get());
    EXPECT_EQ(L"\"note\"", key.Text());
}

TEST(JsonRead, Strings)
{
    const ReadCase cases[] = {
        { L"simple escapes", L"\"\\\" \\\\ \\/ \\b \\f \\n \\r \\t\"", L"\"\\\" \\\\ / \\b \\f \\n \\r \\t\"" },
        { L"unicode escape, either case", L"\"\\u00e9\\u00C9\"", L"\"\x00e9\x00c9\"" },
        { L"raw non-ASCII", L"\"\x00e9\x4e2d\"", L"\"\x00e9\x4e2d\"" },
        { L"raw control characters", L"\"a\tb\x01\"", L"\"a\\tb\\u0001\"" },
        { L"escape in a key", L"{\"a\\u0062\":1}", L"{\"ab\":1}" },
    };
    ExpectReadsAs(cases, sizeof cases / sizeof cases[0]);
}

// Plain runs are scanned several characters at a time: an escape must stop the scan wherever it
// falls, and a text that ends inside a string is refused wherever it ends.
TEST(JsonRead, StringsOfEveryLengthAroundTheScanWidth)
{
    for (size_t length = 0; length <= 20; ++length) {
        std::wstring plain(length, L'x');
        for (size_t at = 0; at <= length; ++at) {
            std::wstring text = L"\"" + plain.substr(0, at) + L"\\\"" + plain.substr(at) + L"\"";
            SCOPED_TRACE(text);
            EXPECT_EQ(plain.substr(0, at) + L"\"" + plain.substr(at), Parse(text).Text(VALUE_MODE_PLAIN));
            TestValue unterminated;
            EXPECT_EQ(VALUE_SYNTAX_ERROR,
                      ValueFromString(unterminated.get(), text.data(), text.size() - 1, VALUE_MODE_JSON));
        }
    }
}

// Short texts are shared within a reply; more distinct ones than the sharing table holds must
// each keep their own characters.
TEST(JsonRead, ManyDistinctShortTextsStayDistinct)
{
    std::wstring text = L"[";
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 600; ++i)
            text += (round || i ? L",\"" : L"\"") + std::to_wstring(i * 7919) + L"\"";
    text += L"]";
    EXPECT_EQ(text, Parse(text).Text());
}

TEST(JsonRead, EachUnicodeEscapeIsOneUnit)
{
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    TestValue pair = Parse(L"\"\\uD83D\\uDE00\"");
    ASSERT_EQ(VALUE_OK, ValueStringData(pair.get(), &chars, &length));
    EXPECT_EQ(std::wstring(L"\xD83D\xDE00"), std::wstring(chars, length));
    TestValue lone = Parse(L"\"x\\uDE00y\"");
    ASSERT_EQ(VALUE_OK, ValueStringData(lone.get(), &chars, &length));
    EXPECT_EQ(std::wstring(L"x\xDE00y"), std::wstring(chars, length));
    TestValue nul = Parse(L"\"a\\u0000b\"");
    ASSERT_EQ(VALUE_OK, ValueStringData(nul.get(), &chars, &length));
    EXPECT_EQ(3u, length);
}

TEST(JsonRead, Numbers)
{
    const ReadCase cases[] = {
        { L"zero", L"0", L"0" },
        { L"minus one", L"-1", L"-1" },
        { L"largest integer", L"2147483647", L"2147483647" },
        { L"smallest integer", L"-2147483648", L"-2147483648" },
        { L"just past 32 bits", L"2147483648", L"2147483648.0" },
        { L"just below 32 bits", L"-2147483649", L"-2147483649.0" },
        { L"many digits", L"123456789012345678901", L"123456789012345683968.0" },
        { L"fraction", L"1.5", L"1.5" },
        { L"exponent", L"1e3", L"1000.0" },
        { L"negative exponent", L"-25E-1", L"-2.5" },
        { L"too large for a double", L"1e400", L"null" },
        { L"too small for a double", L"1e-400", L"0.0" },
        { L"exponent past any long", L"12e99999999999999999999", L"null" },
        { L"negative exponent past any long", L"0.05e-99999999999999999999", L"0.0" },
    };
    ExpectReadsAs(cases, sizeof cases / sizeof cases[0]);
    EXPECT_EQ(static_cast<uint32_t>(VALUE_INT), Parse(L"-0").Type());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_FLOAT), Parse(L"2147483648").Type());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_FLOAT), Parse(L"1.0").Type());
}

TEST(JsonRead, AnyErrorGivesUndefined)
{
    const wchar_t* const invalid[] = {
        L"",
        L"   ",
        L"{\"result\":{\"a\":1}",
        L"{\"a\":1} x",
        L"{\"a\":1}}",
        L"[1,2,]",
        L"{\"a\":1,}",
        L"[,1]",
        L"{\"a\" 1}",
        L"{\"a\":}",
        L"{1:2}",
        L"{9a:1}",
        L"{'a':1}",
        L"\"abc",
        L"\"\\x\"",
        L"\"\\u12\"",
        L"\"\\u12G4\"",
        L"tru",
        L"nul",
        L"True",
        L"01",
        L"-",
        L"1.",
        L".5",
        L"1e",
        L"1e+",
        L"+1",
        L"0x10",
        L"NaN",
        L"[1 2]",
        L"\x00a0[]",
        L"[]\x000b",
        L"{\"a\":[1,{\"b\":\"unterminated}]}",
    };
    for (const wchar_t* text : invalid) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
        TestValue value = MakeString(L"left over");
        EXPECT_EQ(VALUE_SYNTAX_ERROR, ValueFromString(value.get(), text, wcslen(text), VALUE_MODE_JSON));
        EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), value.Type());
    }
    TestValue trailingNul;
    EXPECT_EQ(VALUE_SYNTAX_ERROR, ValueFromString(trailingNul.get(), L"[1]\0", 4, VALUE_MODE_JSON));
}

TEST(JsonRead, NestingDeeperThanTheLimitGivesUndefined)
{
    const int limit = 512;
    std::wstring deepest = std::wstring(limit, L'[') + std::wstring(limit, L']');
    EXPECT_EQ(static_cast<uint32_t>(VALUE_ARRAY), Parse(deepest).Type());
    std::wstring tooDeep = std::wstring(limit + 1, L'[') + std::wstring(limit + 1, L']');
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Parse(tooDeep).Type());
    std::wstring objects;
    for (int i = 0; i <= limit; ++i)
        objects += L"{a:";
    objects += L"1" + std::wstring(limit + 1, L'}');
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Parse(objects).Type());
    // Far too deep must not exhaust the stack either.
    std::wstring hostile(1000000, L'[');
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Parse(hostile).Type());
}

TEST(JsonRead, OnlyTheJsonModeIsRead)
{
    TestValue value;
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueFromString(value.get(), L"1", 1, VALUE_MODE_PLAIN));
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueFromString(value.get(), nullptr, 0, VALUE_MODE_JSON));
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), value.Type());
    EXPECT_EQ(VALUE_OK, ValueFromString(value.get(), L"[1]xyz", 3, VALUE_MODE_JSON));
    EXPECT_EQ(L"[1]", value.Text());
}
