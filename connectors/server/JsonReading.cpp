#include "connectors/server/JsonReading.h"

#include <cwchar>

#include "core/TextUtils.h"

namespace Quorvane {
namespace JsonReading {

namespace {

bool IsPlainAscii(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c >= 0x80)
            return false;
    return true;
}

}  // namespace

bool IsOfType(const json::value& value, VALUE_TYPE type)
{
    uint32_t found = VALUE_UNDEFINED;
    return ValueType(&value.native(), &found, NULL) == VALUE_OK && found == static_cast<uint32_t>(type);
}

json::value Member(const json::value& object, const char* name)
{
    return object.get_item(json::value::make_string(name));
}

bool TextView::operator==(const wchar_t* text) const
{
    return std::wcslen(text) == length && std::wmemcmp(chars, text, length) == 0;
}

TextView ViewText(const json::value& value)
{
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    if (ValueStringData(&value.native(), &chars, &length) != VALUE_OK || !chars)
        return TextView();
    return TextView(chars, length);
}

std::wstring Text(const json::value& value)
{
    TextView view = ViewText(value);
    return std::wstring(view.chars, view.length);
}

// Every folded character lies outside ASCII; most server texts are plain ASCII, and folding
// them anyway was most of the time spent reading a large reply.
void Fold(std::wstring& text)
{
    if (!IsPlainAscii(text))
        QBTransliterate(text);
}

std::wstring FoldedText(const json::value& value)
{
    std::wstring text = Text(value);
    Fold(text);
    return text;
}

void ReadInteger(const json::value& value, int& field)
{
    if (!IsOfType(value, VALUE_INT))
        return;
    int number = value.get_int(-1);
    if (number != -1)
        field = number;
}

}  // namespace JsonReading
}  // namespace Quorvane
