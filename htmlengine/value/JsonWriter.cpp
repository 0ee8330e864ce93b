#include "htmlengine/value/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "htmlengine/value/ValueSlot.h"

namespace htmlengine {

namespace {

double FloatOf(const VALUE& value)
{
    double number = 0;
    std::memcpy(&number, &value.data, sizeof number);
    return number;
}

template <typename Number>
void AppendDecimal(Number number, std::wstring& out)
{
    char digits[32];
    std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, written.ptr);
}

// The shortest text that reads back as the same double. A float that prints like an integer gets
// ".0", so it is read back as a float.
void AppendFloat(double number, std::wstring& out)
{
    size_t start = out.size();
    AppendDecimal(number, out);
    if (out.find_first_of(L".e", start) == std::wstring::npos)
        out.append(L".0");
}

bool NeedsEscape(wchar_t c)
{
    return c == L'"' || c == L'\\' || c < 0x20;
}

// char = unescaped / escape (RFC 8259, section 7): quotation mark, reverse solidus and the
// control characters are escaped; everything else, non-ASCII included, is written as it is.
void AppendEscaped(wchar_t c, std::wstring& out)
{
    static const wchar_t kHex[] = L"0123456789abcdef";
    switch (c) {
    case L'"': out.append(L"\\\""); break;
    case L'\\': out.append(L"\\\\"); break;
    case L'\b': out.append(L"\\b"); break;
    case L'\f': out.append(L"\\f"); break;
    case L'\n': out.append(L"\\n"); break;
    case L'\r': out.append(L"\\r"); break;
    case L'\t': out.append(L"\\t"); break;
    default:
        out.append(L"\\u00");
        out.push_back(kHex[c >> 4]);
        out.push_back(kHex[c & 0xF]);
    }
}

void AppendJsonString(const Block* string, std::wstring& out)
{
    const wchar_t* chars = StringChars(string);
    const wchar_t* end = chars + string->count;
    out.push_back(L'"');
    while (chars < end) {
        const wchar_t* run = chars;
        while (chars < end && !NeedsEscape(*chars))
            ++chars;
        out.append(run, chars);
        if (chars < end)
            AppendEscaped(*chars++, out);
    }
    out.push_back(L'"');
}

void AppendJson(const VALUE& value, std::wstring& out);

void AppendJsonArray(const Block* array, std::wstring& out)
{
    out.push_back(L'[');
    for (uint32_t i = 0; i < array->count; ++i) {
        if (i > 0)
            out.push_back(L',');
        AppendJson(ArrayElements(array)[i], out);
    }
    out.push_back(L']');
}

void AppendJsonObject(const Block* object, std::wstring& out)
{
    out.push_back(L'{');
    for (uint32_t i = 0; i < object->count; ++i) {
        if (i > 0)
            out.push_back(L',');
        AppendJsonString(ObjectMembers(object)[i].key, out);
        out.push_back(L':');
        AppendJson(ObjectMembers(object)[i].value, out);
    }
    out.push_back(L'}');
}

// JSON has no undefined value, no dates and no elements: the first and last are written as null,
// a date as its FILETIME number. Infinite floats are null too.
void AppendJson(const VALUE& value, std::wstring& out)
{
    switch (value.type) {
    case VALUE_BOOL: out.append(value.data ? L"true" : L"false"); break;
    case VALUE_INT: AppendDecimal(static_cast<int32_t>(value.data), out); break;
    case VALUE_DATE: AppendDecimal(static_cast<int64_t>(value.data), out); break;
    case VALUE_FLOAT:
        if (std::isfinite(FloatOf(value)))
            AppendFloat(FloatOf(value), out);
        else
            out.append(L"null");
        break;
    case VALUE_STRING: AppendJsonString(BlockOf(value), out); break;
    case VALUE_ARRAY: AppendJsonArray(BlockOf(value), out); break;
    case VALUE_OBJECT: AppendJsonObject(BlockOf(value), out); break;
    default: out.append(L"null");
    }
}

}  // namespace

void WriteJson(const VALUE& value, std::wstring& out)
{
    AppendJson(value, out);
}

void WritePlainText(const VALUE& value, std::wstring& out)
{
    switch (value.type) {
    case VALUE_UNDEFINED:
    case VALUE_NULL:
    case VALUE_DOM_OBJECT: break;
    case VALUE_STRING: out.append(StringChars(BlockOf(value)), BlockOf(value)->count); break;
    case VALUE_FLOAT: AppendDecimal(FloatOf(value), out); break;
    default: AppendJson(value, out);
    }
}

}  // namespace htmlengine
