#include "json/JsonValue.h"

#include <cwchar>
#include <type_traits>

#include "json/TextHelpers.h"

namespace json {

value::value()
{
    ValueInit(&m_value);
}

value::value(const value& other)
{
    ValueInit(&m_value);
    ValueCopy(&m_value, &other.m_value);
}

value& value::operator=(const value& other)
{
    ValueCopy(&m_value, &other.m_value);
    return *this;
}

value::~value()
{
    ValueClear(&m_value);
}

value::value(bool flag)
{
    ValueInit(&m_value);
    ValueIntDataSet(&m_value, flag ? 1 : 0, VALUE_BOOL, 0);
}

value::value(int number)
{
    ValueInit(&m_value);
    ValueIntDataSet(&m_value, number, VALUE_INT, 0);
}

value::value(const wchar_t* text)
{
    ValueInit(&m_value);
    ValueStringDataSet(&m_value, text, text ? static_cast<uint32_t>(std::wcslen(text)) : 0, 0);
}

value value::make_string(const char* text)
{
    htmlayout::a2w wide(text, -1);
    value made;
    ValueStringDataSet(&made.m_value, wide.c_str(), static_cast<uint32_t>(wide.length()), VALUE_UNITS_KEY);
    return made;
}

value value::from_string(const wchar_t* text, size_t length, int mode)
{
    value parsed;
    if (!text)
        return parsed;
    if (length == 0)
        length = std::wcslen(text);
    ValueFromString(&parsed.m_value, text, length, static_cast<uint32_t>(mode));
    return parsed;
}

value value::make_date(int64_t filetime)
{
    value made;
    ValueInt64DataSet(&made.m_value, filetime, VALUE_DATE, 0);
    return made;
}

const value& value::lent(const VALUE& borrowed)
{
    // Sound only while a value is exactly its VALUE, as the toolkit's script-call arguments are too.
    static_assert(sizeof(value) == sizeof(VALUE) && std::is_standard_layout<value>::value,
                  "a json::value is its VALUE and nothing more");
    return reinterpret_cast<const value&>(borrowed);
}

int value::get_int(int default_value) const
{
    int number = 0;
    return ValueIntData(&m_value, &number) == VALUE_OK ? number : default_value;
}

bool value::get(bool default_value) const
{
    int number = 0;
    return ValueIntData(&m_value, &number) == VALUE_OK ? number != 0 : default_value;
}

int64_t value::get_int64() const
{
    int64_t number = 0;
    return ValueInt64Data(&m_value, &number) == VALUE_OK ? number : 0;
}

string value::get_string(const wchar_t* default_value) const
{
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    if (ValueStringData(&m_value, &chars, &length) != VALUE_OK)
        return string(default_value);
    return string(chars, static_cast<int>(length));
}

HELEMENT value::get_dom_element() const
{
    const uint8_t* bytes = nullptr;
    if (type() != VALUE_DOM_OBJECT || ValueBinaryData(&m_value, &bytes, nullptr) != VALUE_OK)
        return nullptr;
    return reinterpret_cast<HELEMENT>(const_cast<uint8_t*>(bytes));
}

value value::get_element(int n) const
{
    value element;
    ValueNthElementValue(&m_value, n, &element.m_value);
    return element;
}

value value::key(int n) const
{
    value found;
    ValueNthElementKey(&m_value, n, &found.m_value);
    return found;
}

value value::get_item(const value& key) const
{
    value member;
    ValueGetValueOfKey(&m_value, &key.m_value, &member.m_value);
    return member;
}

int value::length() const
{
    int count = 0;
    return ValueElementsCount(&m_value, &count) == VALUE_OK ? count : 0;
}

string value::to_string(int mode) const
{
    if (mode == VALUE_MODE_PLAIN && type() == VALUE_STRING)
        return get_string(nullptr);
    value text(*this);
    ValueToString(&text.m_value, static_cast<uint32_t>(mode));
    return text.get_string(nullptr);
}

value::key_proxy value::operator[](const value& key) const
{
    return key_proxy(this, key);
}

value::index_proxy value::operator[](int index) const
{
    return index_proxy(this, index);
}

uint32_t value::type() const
{
    uint32_t found = VALUE_UNDEFINED;
    ValueType(&m_value, &found, nullptr);
    return found;
}

}  // namespace json
