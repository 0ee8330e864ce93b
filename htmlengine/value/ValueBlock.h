#pragma once
// The shared payloads of strings, arrays and objects. A block never changes after it is made, so
// copies of a value share it and count references atomically: values on different threads may
// share blocks without a lock.
#include <atomic>
#include <cstdint>

#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

struct Block {
    std::atomic<int> references;
    uint32_t count;  // characters of a string, elements of an array, members of an object
};

struct Member {
    Block* key;  // a string block
    VALUE value;
};

class BlockArena;

// Blocks are made on the heap, or in the arena given, whose blocks may hold only blocks of the
// same arena. A string block holds count characters and a terminating NUL.
Block* NewStringBlock(const wchar_t* chars, uint32_t length, BlockArena* arena = nullptr);
// Array and object blocks take over the values given to them (no reference is added).
Block* NewArrayBlock(const VALUE* elements, uint32_t count, BlockArena* arena = nullptr);
// An array block whose elements its maker fills in before anyone else sees it.
Block* NewArrayBlock(uint32_t count, BlockArena* arena);
Block* NewObjectBlock(const Member* members, uint32_t count, BlockArena* arena = nullptr);

inline const wchar_t* StringChars(const Block* block)
{
    return reinterpret_cast<const wchar_t*>(block + 1);
}
inline const VALUE* ArrayElements(const Block* block)
{
    return reinterpret_cast<const VALUE*>(block + 1);
}
inline VALUE* ArrayElements(Block* block)
{
    return reinterpret_cast<VALUE*>(block + 1);
}
inline const Member* ObjectMembers(const Block* block)
{
    return reinterpret_cast<const Member*>(block + 1);
}

void RetainBlock(Block* block);
// Frees the block, and what it holds, when the last reference goes.
void ReleaseBlock(Block* block, uint32_t type);

}  // namespace htmlengine
