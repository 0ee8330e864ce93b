#include "htmlengine/value/ValueSlot.h"

#include "htmlengine/value/ElementReferences.h"

namespace htmlengine {

namespace {

HELEMENT ElementOf(const VALUE& value)
{
    return reinterpret_cast<HELEMENT>(static_cast<uintptr_t>(value.data));
}

}  // namespace

void ResetValue(VALUE& value)
{
    if (HoldsBlock(value.type))
        ReleaseBlock(BlockOf(value), value.type);
    else if (value.type == VALUE_DOM_OBJECT)
        UnuseElement(ElementOf(value));
    value.type = VALUE_UNDEFINED;
    value.units = 0;
    value.data = 0;
}

void CopyValue(VALUE& target, const VALUE& source)
{
    if (HoldsBlock(source.type))
        RetainBlock(BlockOf(source));
    else if (source.type == VALUE_DOM_OBJECT)
        UseElement(ElementOf(source));
    target = source;
}

void AssignValue(VALUE& target, const VALUE& source)
{
    VALUE copy;
    CopyValue(copy, source);
    ResetValue(target);
    target = copy;
}

void SetBlock(VALUE& value, uint32_t type, uint32_t units, Block* block)
{
    SetScalar(value, type, units, reinterpret_cast<uintptr_t>(block));
}

void SetScalar(VALUE& value, uint32_t type, uint32_t units, uint64_t data)
{
    ResetValue(value);
    value.type = type;
    value.units = units;
    value.data = data;
}

void SetString(VALUE& value, const wchar_t* chars, uint32_t length, uint32_t units)
{
    SetBlock(value, VALUE_STRING, units, NewStringBlock(chars, chars ? length : 0));
}

}  // namespace htmlengine
