#include <gtest/gtest.h>

#include <string>

#include "json/JsonValue.h"

namespace {

std::wstring Text(const json::string& text)
{
    return std::wstring(text.c_str(), text.length());
}

json::value Key(const char* name)
{
    return json::value::make_string(name);
}

}  // namespace

TEST(JsonValue, ParsingNullOrWholeText)
{
    EXPECT_EQ(0, json::value::from_string(nullptr, 5, 1).length());
    EXPECT_EQ(L"", Text(json::value::from_string(nullptr, 0, 1).to_string(0)));
    json::value whole = json::value::from_string(L"[1,2,3]", 0, 1);
    EXPECT_EQ(3, whole.length());
    json::value prefix = json::value::from_string(L"[1,2]tail", 5, 1);
    EXPECT_EQ(2, prefix.length());
}

TEST(JsonValue, TypedGettersNeverConvert)
{
    json::value undefined;
    json::value zero(0);
    json::value text(L"12");
    EXPECT_EQ(-1, undefined.get_int(-1));
    EXPECT_FALSE(zero.get(true));
    EXPECT_TRUE(text.get(true));
    EXPECT_EQ(7, text.get_int(7));
    EXPECT_EQ(1, json::value(true).get_int(5));
    json::string empty = zero.get_string(nullptr);
    EXPECT_STREQ(L"", empty.c_str());
    EXPECT_EQ(0, empty.length());
    EXPECT_EQ(L"fallback", Text(zero.get_string(L"fallback")));
    EXPECT_EQ(L"12", Text(text.get_string(L"fallback")));
    EXPECT_EQ(nullptr, zero.get_dom_element());
    EXPECT_EQ(0, text.get_int64());
    EXPECT_EQ(133000000000000000LL, json::value::make_date(133000000000000000LL).get_int64());
}

TEST(JsonValue, ReadingAReplyByKeyAndIndex)
{
    json::value reply = json::value::from_string(
        L"{\"result\":{\"map\":{\"12\":{\"userInfo\":{\"id\":12}},\"14\":{\"userInfo\":{\"id\":14}}},"
        L"\"list\":[\"a\",\"b\"]}}",
        0, 1);
    json::value result = reply[Key("result")].get();
    json::value map = result[Key("map")].get();
    ASSERT_EQ(2, map.length());
    EXPECT_EQ(14, map[1].get()[Key("userInfo")].get()[Key("id")].get().get_int(-1));
    EXPECT_EQ(L"12", Text(map.key(0).get_string(nullptr)));
    EXPECT_EQ(L"b", Text(result[Key("list")].get()[1].get().get_string(nullptr)));
    // Every missing step ends in the undefined value and so in the caller's default.
    EXPECT_EQ(-1, reply[Key("error")].get()[Key("code")].get().get_int(-1));
    EXPECT_EQ(0, reply[Key("error")].get().length());
    EXPECT_EQ(L"", Text(result[Key("list")].get()[5].get().get_string(nullptr)));
}

TEST(JsonValue, MalformedReplyReadsAsDefaults)
{
    json::value reply = json::value::from_string(L"{\"result\":{\"userId\":12,\"resultCode\":\"OK\"", 0, 1);
    EXPECT_EQ(-1, reply[Key("result")].get()[Key("userId")].get().get_int(-1));
    EXPECT_EQ(0, reply.length());
}

TEST(JsonValue, WritingText)
{
    json::value request = json::value::from_string(L"{ method:\"LoginService.getChallenge\", params:[] }", 0, 1);
    EXPECT_EQ(L"{\"method\":\"LoginService.getChallenge\",\"params\":[]}", Text(request.to_string(1)));
    EXPECT_EQ(2, request.length());
    json::value text(L"say \"hi\"");
    EXPECT_EQ(L"say \"hi\"", Text(text.to_string(0)));
    EXPECT_EQ(L"\"say \\\"hi\\\"\"", Text(text.to_string(1)));
    EXPECT_EQ(L"-3", Text(json::value(-3).to_string(0)));
    EXPECT_EQ(L"false", Text(json::value(false).to_string(1)));
}

TEST(JsonValue, KeysMadeFromNarrowText)
{
    EXPECT_EQ(L"result", Text(Key("result").get_string(nullptr)));
    json::value empty = json::value::make_string(nullptr);
    EXPECT_EQ(L"", Text(empty.get_string(L"not a string")));
    EXPECT_EQ(L"", Text(json::value(static_cast<const wchar_t*>(nullptr)).get_string(L"not a string")));
}

TEST(JsonValue, CopiesAreIndependent)
{
    json::value original = json::value::from_string(L"[\"x\"]", 0, 1);
    json::value copy(original);
    original = json::value(5);
    EXPECT_EQ(L"[\"x\"]", Text(copy.to_string(1)));
    copy = copy;
    EXPECT_EQ(1, copy.length());
}

TEST(CountedString, CopiesShareAndOutliveTheFirst)
{
    json::string* first = new json::string(L"shared text");
    json::string copy(*first);
    EXPECT_EQ(first->c_str(), copy.c_str());
    delete first;
    EXPECT_EQ(L"shared text", Text(copy));
    json::string assigned;
    assigned = copy;
    assigned = assigned;
    EXPECT_EQ(L"shared text", Text(assigned));
}

TEST(CountedString, EmptyForms)
{
    EXPECT_STREQ(L"", json::string().c_str());
    EXPECT_EQ(0, json::string(L"abc", 0).length());
    EXPECT_EQ(0, json::string(nullptr, 3).length());
    EXPECT_EQ(0, json::string(L"abc", -1).length());
    json::astring bytes("ab\0c", 4);
    EXPECT_EQ(4, bytes.length());
    EXPECT_EQ('c', bytes.c_str()[3]);
    EXPECT_EQ('\0', bytes.c_str()[4]);
}
