#include "htmlengine/api/ValueConversion.h"

#include <new>

namespace htmlengine {

ControlValue FromValue(const VALUE& value)
{
    int number = 0;
    int64_t date = 0;
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    switch (value.type) {
    case VALUE_BOOL: ValueIntData(&value, &number); return ControlValue::Boolean(number != 0);
    case VALUE_INT: ValueIntData(&value, &number); return ControlValue::Integer(number);
    case VALUE_DATE: ValueInt64Data(&value, &date); return ControlValue::Date(date);
    case VALUE_STRING:
        ValueStringData(&value, &chars, &length);
        return ControlValue::String(std::wstring(chars ? chars : L"", length));
    default: return ControlValue::Undefined();
    }
}

void ToValue(const ControlValue& control, VALUE& value)
{
    switch (control.kind) {
    case ControlValue::Kind::Boolean: ValueIntDataSet(&value, int(control.number), VALUE_BOOL, 0); break;
    case ControlValue::Kind::Integer: ValueIntDataSet(&value, int(control.number), VALUE_INT, 0); break;
    case ControlValue::Kind::Date: ValueInt64DataSet(&value, control.number, VALUE_DATE, 0); break;
    case ControlValue::Kind::String:
        // An undefined value must not pass for the control's text: the export reports the failure.
        if (ValueStringDataSet(&value, control.text.c_str(), uint32_t(control.text.size()), 0) != VALUE_OK)
            throw std::bad_alloc();
        break;
    case ControlValue::Kind::Undefined: ValueClear(&value); break;
    }
}

}  // namespace htmlengine
