// The exported VALUE functions: argument checks, then the internal operations. Nothing thrown
// inside may cross into the caller, so each function runs its body through Guarded.
#include <cstring>
#include <new>
#include <string>

#include "htmlengine/api/EngineValue.h"
#include "htmlengine/value/JsonReader.h"
#include "htmlengine/value/JsonWriter.h"
#include "htmlengine/value/ValueSlot.h"

using namespace htmlengine;

namespace {

template <typename Body>
VALUE_RESULT Guarded(VALUE* resetOnFailure, Body body)
{
    try {
        return body();
    } catch (...) {
        // Only allocation can fail in here; the result must not be half made.
        if (resetOnFailure)
            ResetValue(*resetOnFailure);
        return VALUE_NO_MEMORY;
    }
}

VALUE_RESULT ResultOrUndefined(VALUE* result, VALUE_RESULT status)
{
    if (status != VALUE_OK)
        ResetValue(*result);
    return status;
}

bool IsContainer(const VALUE& value)
{
    return value.type == VALUE_ARRAY || value.type == VALUE_OBJECT;
}

// The element or member value at n, or null out of range.
const VALUE* NthElement(const VALUE& value, int n)
{
    if (!IsContainer(value) || n < 0 || static_cast<uint32_t>(n) >= BlockOf(value)->count)
        return nullptr;
    if (value.type == VALUE_ARRAY)
        return &ArrayElements(BlockOf(value))[n];
    return &ObjectMembers(BlockOf(value))[n].value;
}

bool SameText(const Block* key, const wchar_t* chars, uint32_t length)
{
    return key->count == length && std::wmemcmp(StringChars(key), chars, length) == 0;
}

}  // namespace

VALUE_RESULT HTMLENGINE_CALL ValueInit(VALUE* value)
{
    if (!value)
        return VALUE_BAD_PARAMETER;
    value->type = VALUE_UNDEFINED;
    value->units = 0;
    value->data = 0;
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueClear(VALUE* value)
{
    if (!value)
        return VALUE_BAD_PARAMETER;
    ResetValue(*value);
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueCopy(VALUE* target, const VALUE* source)
{
    if (!target || !source)
        return VALUE_BAD_PARAMETER;
    AssignValue(*target, *source);
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueType(const VALUE* value, uint32_t* type, uint32_t* units)
{
    if (!value || !type)
        return VALUE_BAD_PARAMETER;
    *type = value->type;
    if (units)
        *units = value->units;
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueStringData(const VALUE* value, const wchar_t** chars, uint32_t* length)
{
    if (!value || !chars)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_STRING)
        return VALUE_INCOMPATIBLE_TYPE;
    *chars = StringChars(BlockOf(*value));
    if (length)
        *length = BlockOf(*value)->count;
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueStringDataSet(VALUE* value, const wchar_t* chars, uint32_t length, uint32_t units)
{
    if (!value)
        return VALUE_BAD_PARAMETER;
    return Guarded(value, [&] {
        SetString(*value, chars, length, units);
        return VALUE_OK;
    });
}

VALUE_RESULT HTMLENGINE_CALL ValueIntData(const VALUE* value, int* data)
{
    if (!value || !data)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_INT && value->type != VALUE_BOOL)
        return VALUE_INCOMPATIBLE_TYPE;
    *data = static_cast<int>(static_cast<uint32_t>(value->data));
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueIntDataSet(VALUE* value, int data, uint32_t type, uint32_t units)
{
    if (!value || (type != VALUE_INT && type != VALUE_BOOL))
        return VALUE_BAD_PARAMETER;
    if (type == VALUE_BOOL)
        data = data != 0;
    SetScalar(*value, type, units, static_cast<uint32_t>(data));
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueInt64Data(const VALUE* value, int64_t* data)
{
    if (!value || !data)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_DATE)
        return VALUE_INCOMPATIBLE_TYPE;
    *data = static_cast<int64_t>(value->data);
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueInt64DataSet(VALUE* value, int64_t data, uint32_t type, uint32_t units)
{
    if (!value || type != VALUE_DATE)
        return VALUE_BAD_PARAMETER;
    SetScalar(*value, type, units, static_cast<uint64_t>(data));
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueBinaryData(const VALUE* value, const uint8_t** bytes, uint32_t* length)
{
    if (!value || !bytes)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_DOM_OBJECT)
        return VALUE_INCOMPATIBLE_TYPE;
    *bytes = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(value->data));
    if (length)
        *length = 0;
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueElementsCount(const VALUE* value, int* count)
{
    if (!value || !count)
        return VALUE_BAD_PARAMETER;
    *count = IsContainer(*value) ? static_cast<int>(BlockOf(*value)->count) : 0;
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueNthElementValue(const VALUE* value, int n, VALUE* element)
{
    if (!value || !element)
        return VALUE_BAD_PARAMETER;
    const VALUE* found = NthElement(*value, n);
    if (!found)
        return ResultOrUndefined(element, VALUE_OUT_OF_RANGE);
    AssignValue(*element, *found);
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueNthElementKey(const VALUE* value, int n, VALUE* key)
{
    if (!value || !key)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_OBJECT || n < 0 || static_cast<uint32_t>(n) >= BlockOf(*value)->count)
        return ResultOrUndefined(key, VALUE_OUT_OF_RANGE);
    Block* keyBlock = ObjectMembers(BlockOf(*value))[n].key;
    RetainBlock(keyBlock);
    SetBlock(*key, VALUE_STRING, 0, keyBlock);
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueEnumElements(const VALUE* value, VALUE_ELEMENT_RECEIVER receiver, void* param)
{
    if (!value || !receiver)
        return VALUE_BAD_PARAMETER;
    if (!IsContainer(*value))
        return VALUE_OK;
    const Block* container = BlockOf(*value);
    for (uint32_t i = 0; i < container->count; ++i) {
        if (value->type == VALUE_ARRAY) {
            if (!receiver(param, nullptr, &ArrayElements(container)[i]))
                break;
            continue;
        }
        const Member& member = ObjectMembers(container)[i];
        // The key lent as a value of its own block, with no reference taken: the receiver may
        // neither clear nor keep it.
        VALUE key = { VALUE_STRING, 0, reinterpret_cast<uintptr_t>(member.key) };
        if (!receiver(param, &key, &member.value))
            break;
    }
    return VALUE_OK;
}

VALUE_RESULT HTMLENGINE_CALL ValueGetValueOfKey(const VALUE* value, const VALUE* key, VALUE* member)
{
    if (!value || !key || !member)
        return VALUE_BAD_PARAMETER;
    if (value->type != VALUE_OBJECT || key->type != VALUE_STRING)
        return ResultOrUndefined(member, VALUE_NOT_FOUND);
    const Block* keyText = BlockOf(*key);
    const Block* object = BlockOf(*value);
    for (uint32_t i = 0; i < object->count; ++i) {
        const Member& candidate = ObjectMembers(object)[i];
        if (SameText(candidate.key, StringChars(keyText), keyText->count)) {
            AssignValue(*member, candidate.value);
            return VALUE_OK;
        }
    }
    return ResultOrUndefined(member, VALUE_NOT_FOUND);
}

VALUE_RESULT HTMLENGINE_CALL ValueFromString(VALUE* value, const wchar_t* text, size_t length, uint32_t mode)
{
    if (!value)
        return VALUE_BAD_PARAMETER;
    ResetValue(*value);
    if (!text || mode != VALUE_MODE_JSON)
        return VALUE_BAD_PARAMETER;
    return Guarded(value, [&] { return ReadJson(text, length, *value) ? VALUE_OK : VALUE_SYNTAX_ERROR; });
}

VALUE_RESULT HTMLENGINE_CALL ValueToString(VALUE* value, uint32_t mode)
{
    if (!value || (mode != VALUE_MODE_PLAIN && mode != VALUE_MODE_JSON))
        return VALUE_BAD_PARAMETER;
    if (mode == VALUE_MODE_PLAIN && value->type == VALUE_STRING)
        return VALUE_OK;
    return Guarded(nullptr, [&] {
        std::wstring text;
        if (mode == VALUE_MODE_JSON)
            WriteJson(*value, text);
        else
            WritePlainText(*value, text);
        SetString(*value, text.data(), static_cast<uint32_t>(text.size()), 0);
        return VALUE_OK;
    });
}
