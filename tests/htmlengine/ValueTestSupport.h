#pragma once
// An owned VALUE for tests, and the texts a value reads as.
#include <string>

#include "htmlengine/api/EngineValue.h"

class TestValue {
public:
    TestValue() { ValueInit(&m_value); }
    TestValue(const TestValue& other) : TestValue() { ValueCopy(&m_value, &other.m_value); }
    TestValue& operator=(const TestValue&) = delete;
    ~TestValue() { ValueClear(&m_value); }

    VALUE* get() { return &m_value; }
    const VALUE* get() const { return &m_value; }

    uint32_t Type() const
    {
        uint32_t type = 0;
        ValueType(&m_value, &type, nullptr);
        return type;
    }

    // The value written in the mode, or "<failed>" when writing fails.
    std::wstring Text(uint32_t mode = VALUE_MODE_JSON) const
    {
        TestValue copy(*this);
        const wchar_t* chars = nullptr;
        uint32_t length = 0;
        if (ValueToString(copy.get(), mode) != VALUE_OK || ValueStringData(copy.get(), &chars, &length) != VALUE_OK)
            return L"<failed>";
        return std::wstring(chars, length);
    }

private:
    VALUE m_value;
};

inline TestValue Parse(const std::wstring& text)
{
    TestValue value;
    ValueFromString(value.get(), text.data(), text.size(), VALUE_MODE_JSON);
    return value;
}

inline TestValue MakeString(const std::wstring& text, uint32_t units = 0)
{
    TestValue value;
    ValueStringDataSet(value.get(), text.data(), static_cast<uint32_t>(text.size()), units);
    return value;
}
