#include <gtest/gtest.h>

#include <vector>

#include "htmlengine/value/ElementReferences.h"
#include "tests/htmlengine/ValueTestSupport.h"

namespace {

TestValue Member(const TestValue& object, const TestValue& key, VALUE_RESULT expected = VALUE_OK)
{
    TestValue member = MakeString(L"stale");
    EXPECT_EQ(expected, ValueGetValueOfKey(object.get(), key.get(), member.get()));
    return member;
}

TestValue Nth(const TestValue& container, int n)
{
    TestValue element = MakeString(L"stale");
    ValueNthElementValue(container.get(), n, element.get());
    return element;
}

int Count(const TestValue& value)
{
    int count = -1;
    EXPECT_EQ(VALUE_OK, ValueElementsCount(value.get(), &count));
    return count;
}

}  // namespace

TEST(ValueAccess, IntegersAndBooleansOnlyReadAsIntegers)
{
    int number = 99;
    EXPECT_EQ(VALUE_OK, ValueIntData(Parse(L"-7").get(), &number));
    EXPECT_EQ(-7, number);
    EXPECT_EQ(VALUE_OK, ValueIntData(Parse(L"true").get(), &number));
    EXPECT_EQ(1, number);
    for (const wchar_t* other : { L"\"12\"", L"1.5", L"null", L"[]", L"{}", L"x" }) {
        SCOPED_TRACE(other);
        EXPECT_EQ(VALUE_INCOMPATIBLE_TYPE, ValueIntData(Parse(other).get(), &number));
    }
    EXPECT_EQ(1, number);
}

TEST(ValueAccess, SettersMakeOnlyTheirTypes)
{
    TestValue value;
    EXPECT_EQ(VALUE_OK, ValueIntDataSet(value.get(), 5, VALUE_BOOL, 0));
    EXPECT_EQ(L"true", value.Text());
    EXPECT_EQ(VALUE_OK, ValueIntDataSet(value.get(), -5, VALUE_INT, 0));
    EXPECT_EQ(L"-5", value.Text());
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueIntDataSet(value.get(), 1, VALUE_STRING, 0));
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueInt64DataSet(value.get(), 1, VALUE_INT, 0));
    EXPECT_EQ(VALUE_OK, ValueInt64DataSet(value.get(), 0x0123456789ABCDEFLL, VALUE_DATE, 0));
    int64_t date = 0;
    EXPECT_EQ(VALUE_OK, ValueInt64Data(value.get(), &date));
    EXPECT_EQ(0x0123456789ABCDEFLL, date);
    EXPECT_EQ(VALUE_INCOMPATIBLE_TYPE, ValueInt64Data(Parse(L"3").get(), &date));
}

TEST(ValueAccess, StringsKeepTheirUnitsAndANullTextIsEmpty)
{
    TestValue value;
    EXPECT_EQ(VALUE_OK, ValueStringDataSet(value.get(), nullptr, 5, 0xFFFF));
    const wchar_t* chars = nullptr;
    uint32_t length = 9;
    ASSERT_EQ(VALUE_OK, ValueStringData(value.get(), &chars, &length));
    EXPECT_EQ(0u, length);
    EXPECT_STREQ(L"", chars);
    uint32_t type = 0, units = 0;
    ValueType(value.get(), &type, &units);
    EXPECT_EQ(0xFFFFu, units);
    EXPECT_EQ(VALUE_INCOMPATIBLE_TYPE, ValueStringData(Parse(L"1").get(), &chars, &length));
}

TEST(ValueAccess, KeysMatchByTextWhateverTheUnits)
{
    TestValue reply = Parse(L"{\"result\":{\"userId\":12},error:null}");
    TestValue result = Member(reply, MakeString(L"result", VALUE_UNITS_KEY));
    EXPECT_EQ(L"{\"userId\":12}", result.Text());
    EXPECT_EQ(L"null", Member(reply, MakeString(L"error", 7)).Text());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Member(reply, MakeString(L"missing"), VALUE_NOT_FOUND).Type());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED),
              Member(Parse(L"[1]"), MakeString(L"result"), VALUE_NOT_FOUND).Type());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Member(reply, Parse(L"1"), VALUE_NOT_FOUND).Type());
}

TEST(ValueAccess, IndexWalksArraysAndObjectMembersInOrder)
{
    TestValue map = Parse(L"{\"9\":\"first\",\"2\":\"second\"}");
    EXPECT_EQ(2, Count(map));
    EXPECT_EQ(L"\"first\"", Nth(map, 0).Text());
    EXPECT_EQ(L"\"second\"", Nth(map, 1).Text());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Nth(map, 2).Type());
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Nth(map, -1).Type());
    TestValue key;
    EXPECT_EQ(VALUE_OK, ValueNthElementKey(map.get(), 1, key.get()));
    EXPECT_EQ(L"\"2\"", key.Text());
    EXPECT_EQ(VALUE_OUT_OF_RANGE, ValueNthElementKey(Parse(L"[1]").get(), 0, key.get()));
    EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), key.Type());
    EXPECT_EQ(L"3", Nth(Parse(L"[1,2,3]"), 2).Text());
}

namespace {

// What a walk was lent, as "key=value" (or "value" for an array's element), until `stopAfter`.
struct Walked {
    std::vector<std::wstring> seen;
    size_t stopAfter = 100;
    static int HTMLENGINE_CALL Receive(void* param, const VALUE* key, const VALUE* element)
    {
        Walked& walked = *static_cast<Walked*>(param);
        TestValue copy;
        ValueCopy(copy.get(), element);  // kept beyond the call, as a receiver must
        std::wstring text = copy.Text();
        if (key) {
            TestValue keyCopy;
            ValueCopy(keyCopy.get(), key);
            text = keyCopy.Text() + L"=" + text;
        }
        walked.seen.push_back(text);
        return walked.seen.size() < walked.stopAfter;
    }
};

std::vector<std::wstring> Walk(const TestValue& container, size_t stopAfter = 100)
{
    Walked walked;
    walked.stopAfter = stopAfter;
    EXPECT_EQ(VALUE_OK, ValueEnumElements(container.get(), &Walked::Receive, &walked));
    return walked.seen;
}

}  // namespace

TEST(ValueAccess, AWalkLendsMembersAndElementsInOrderUntilTheReceiverStops)
{
    TestValue map = Parse(L"{\"9\":\"first\",\"2\":[1,{\"a\":null}]}");
    EXPECT_EQ((std::vector<std::wstring> { L"\"9\"=\"first\"", L"\"2\"=[1,{\"a\":null}]" }), Walk(map));
    EXPECT_EQ((std::vector<std::wstring> { L"1", L"\"x\"", L"[]" }), Walk(Parse(L"[1,\"x\",[]]")));
    EXPECT_EQ(1u, Walk(Parse(L"[1,2,3]"), 1).size());
    EXPECT_TRUE(Walk(Parse(L"\"abc\"")).empty());
    EXPECT_TRUE(Walk(Parse(L"{}")).empty());
    EXPECT_EQ(VALUE_BAD_PARAMETER, ValueEnumElements(map.get(), nullptr, nullptr));

    // What was kept from a walk outlives the container, whose lent parts took no reference.
    TestValue kept;
    {
        TestValue reply = Parse(L"{\"name\":\"Anna\"}");
        ValueEnumElements(
            reply.get(),
            [](void* param, const VALUE*, const VALUE* element) -> int {
                return ValueCopy(static_cast<VALUE*>(param), element) == VALUE_OK;
            },
            kept.get());
    }
    EXPECT_EQ(L"\"Anna\"", kept.Text());
}

TEST(ValueAccess, OnlyContainersHaveElements)
{
    for (const wchar_t* scalar : { L"\"abc\"", L"1", L"null", L"x" }) {
        SCOPED_TRACE(scalar);
        EXPECT_EQ(0, Count(Parse(scalar)));
        EXPECT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), Nth(Parse(scalar), 0).Type());
    }
}

TEST(ValueAccess, CopiesAndPartsOutliveTheirSource)
{
    TestValue element;
    TestValue copy;
    {
        TestValue source = Parse(L"{\"list\":[\"kept\"]}");
        ValueCopy(copy.get(), source.get());
        TestValue list = Member(source, MakeString(L"list"));
        ValueNthElementValue(list.get(), 0, element.get());
        ValueStringDataSet(source.get(), L"changed", 7, 0);
    }
    EXPECT_EQ(L"\"kept\"", element.Text());
    EXPECT_EQ(L"{\"list\":[\"kept\"]}", copy.Text());
    // A result may be written over the value it comes from.
    ValueNthElementValue(copy.get(), 0, copy.get());
    EXPECT_EQ(L"[\"kept\"]", copy.Text());
    ValueCopy(copy.get(), copy.get());
    EXPECT_EQ(L"[\"kept\"]", copy.Text());
}

namespace {

int g_references = 0;
void CountUse(HELEMENT)
{
    ++g_references;
}
void CountUnuse(HELEMENT)
{
    --g_references;
}

}  // namespace

TEST(ValueAccess, ElementValuesHoldAReferenceWhileTheyLive)
{
    htmlengine::SetElementReferenceCounter({ CountUse, CountUnuse });
    HELEMENT element = reinterpret_cast<HELEMENT>(0x1234);
    {
        TestValue value;
        htmlengine::SetElementValue(*value.get(), element);
        EXPECT_EQ(1, g_references);
        TestValue copy(value);
        EXPECT_EQ(2, g_references);
        const uint8_t* bytes = nullptr;
        uint32_t length = 9;
        EXPECT_EQ(VALUE_OK, ValueBinaryData(copy.get(), &bytes, &length));
        EXPECT_EQ(element, reinterpret_cast<HELEMENT>(const_cast<uint8_t*>(bytes)));
        EXPECT_EQ(0u, length);
        ValueIntDataSet(copy.get(), 1, VALUE_INT, 0);
        EXPECT_EQ(1, g_references);
        EXPECT_EQ(VALUE_INCOMPATIBLE_TYPE, ValueBinaryData(copy.get(), &bytes, &length));
    }
    EXPECT_EQ(0, g_references);
    htmlengine::SetElementReferenceCounter({ [](HELEMENT) {}, [](HELEMENT) {} });
}
