#include <gtest/gtest.h>

#include "tests/htmlengine/ValueTestSupport.h"

TEST(JsonWrite, RequestLiteralIsWrittenWithQuotedKeysAndNoBlanks)
{
    TestValue request = Parse(L"{ method:\"LoginService.getChallenge\", params:[] }");
    EXPECT_EQ(L"{\"method\":\"LoginService.getChallenge\",\"params\":[]}", request.Text());
}

TEST(JsonWrite, StringsEscapeQuotesBackslashesAndControlsOnly)
{
    TestValue text = MakeString(std::wstring(L"q\"b\\s/\x00e9\x0001\x001f\n\0z", 12));
    EXPECT_EQ(L"\"q\\\"b\\\\s/\x00e9\\u0001\\u001f\\n\\u0000z\"", text.Text());
}

TEST(JsonWrite, WrittenTextReadsBackTheSame)
{
    const wchar_t* reply = L"{\"result\":{\"tasks\":[{\"id\":7,\"name\":\"Roof \\\"A\\\"\\r\\n\",\"rate\":-0.25}],"
                           L"\"flags\":[true,false,null],\"big\":1e300,\"empty\":{}}}";
    TestValue first = Parse(reply);
    TestValue second = Parse(first.Text());
    EXPECT_EQ(first.Text(), second.Text());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_FLOAT), Parse(Parse(L"1e3").Text()).Type());
}

TEST(JsonWrite, ValuesOutsideJson)
{
    TestValue undefined;
    EXPECT_EQ(L"null", undefined.Text());
    TestValue date;
    ValueInt64DataSet(date.get(), 133000000000000000LL, VALUE_DATE, 0);
    EXPECT_EQ(L"133000000000000000", date.Text());
    EXPECT_EQ(L"null", Parse(L"[1e400]").Text().substr(1, 4));
}

TEST(JsonWrite, PlainText)
{
    EXPECT_EQ(L"a \"quoted\" text", MakeString(L"a \"quoted\" text").Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"-42", Parse(L"-42").Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"true", Parse(L"true").Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"2.5", Parse(L"2.5").Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"", Parse(L"null").Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"", TestValue().Text(VALUE_MODE_PLAIN));
    EXPECT_EQ(L"[1,\"x\"]", Parse(L"[1, \"x\"]").Text(VALUE_MODE_PLAIN));
}

TEST(JsonWrite, WritingReplacesTheValueByItsText)
{
    TestValue value = Parse(L"[1]");
    EXPECT_EQ(VALUE_OK, ValueToString(value.get(), VALUE_MODE_JSON));
    EXPECT_EQ(static_cast<uint32_t>(VALUE_STRING), value.Type());
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueToString(value.get(), 7));
    EXPECT_EQ(L"\"[1]\"", value.Text());
}
