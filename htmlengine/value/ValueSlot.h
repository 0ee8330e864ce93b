#pragma once
// Ownership of what a VALUE holds: every function that replaces a value's content goes through
// these, so blocks and element references are released exactly once.
#include "htmlengine/value/ValueBlock.h"

namespace htmlengine {

inline bool HoldsBlock(uint32_t type)
{
    return type == VALUE_STRING || type == VALUE_ARRAY || type == VALUE_OBJECT;
}

inline Block* BlockOf(const VALUE& value)
{
    return reinterpret_cast<Block*>(static_cast<uintptr_t>(value.data));
}

// Releases what the value holds and leaves it undefined.
void ResetValue(VALUE& value);
// Makes target a copy of source; target must hold nothing (freshly reset or initialised).
void CopyValue(VALUE& target, const VALUE& source);
// Replaces target's content by a copy of source; safe when both are the same value or one holds
// the other.
void AssignValue(VALUE& target, const VALUE& source);
// Replaces the content by the given block, whose reference the value takes over.
void SetBlock(VALUE& value, uint32_t type, uint32_t units, Block* block);
void SetScalar(VALUE& value, uint32_t type, uint32_t units, uint64_t data);
void SetString(VALUE& value, const wchar_t* chars, uint32_t length, uint32_t units);

}  // namespace htmlengine
