#pragma once
// The engine's variant VALUE: control values, script-call arguments, and JSON text in and out.
// A VALUE is a small record the caller owns (on its stack or as a member); it must be set up with
// ValueInit and released with ValueClear. Values own their data: a copy never sees later changes
// of the original. Different values may be used on different threads at the same time.
// A VALUE given for a result must be initialised; its old content is released. On failure a
// result value is left undefined.
#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#include "htmlengine/api/EngineApi.h"

typedef struct VALUE {
    uint32_t type;  // one of VALUE_TYPE
    uint32_t units;  // a tag carried by strings; the engine never interprets it
    uint64_t data;  // owned by the engine: read it only through the functions below
} VALUE;

typedef enum VALUE_TYPE {
    VALUE_UNDEFINED = 0,
    VALUE_NULL = 1,
    VALUE_BOOL = 2,
    VALUE_INT = 3,  // 32-bit signed
    VALUE_FLOAT = 4,  // double
    VALUE_STRING = 5,  // UTF-16
    VALUE_DATE = 6,  // 64-bit FILETIME: 100-nanosecond units since 1601-01-01
    VALUE_ARRAY = 7,
    VALUE_OBJECT = 8,  // members in document order
    VALUE_DOM_OBJECT = 14  // a document element, referenced while the value lives
} VALUE_TYPE;

// Units of strings made as keys by the program's wrappers.
#define VALUE_UNITS_KEY 0xFFFFu

typedef enum VALUE_RESULT {
    VALUE_OK = 0,
    VALUE_BAD_PARAMETER = 1,
    VALUE_INCOMPATIBLE_TYPE = 2,  // no conversion between types is made
    VALUE_OUT_OF_RANGE = 3,
    VALUE_NOT_FOUND = 4,
    VALUE_SYNTAX_ERROR = 5,
    VALUE_NO_MEMORY = 6  // the value is left undefined
} VALUE_RESULT;

typedef enum VALUE_STRING_MODE {
    VALUE_MODE_PLAIN = 0,  // text as a person reads it: a string is its own characters
    VALUE_MODE_JSON = 1  // JSON text
} VALUE_STRING_MODE;

HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueInit(VALUE* value);
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueClear(VALUE* value);
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueCopy(VALUE* target, const VALUE* source);
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueType(const VALUE* value, uint32_t* type, uint32_t* units);

// The characters stay valid while the value is neither cleared nor set.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueStringData(const VALUE* value, const wchar_t** chars,
                                                            uint32_t* length);
// A null text gives the empty string.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueStringDataSet(VALUE* value, const wchar_t* chars, uint32_t length,
                                                               uint32_t units);
// Integers and booleans (0 or 1) only.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueIntData(const VALUE* value, int* data);
// Type VALUE_INT or VALUE_BOOL; a boolean stores 1 for any non-zero data.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueIntDataSet(VALUE* value, int data, uint32_t type, uint32_t units);
// Dates only.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueInt64Data(const VALUE* value, int64_t* data);
// Type VALUE_DATE only.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueInt64DataSet(VALUE* value, int64_t data, uint32_t type,
                                                              uint32_t units);
// For a DOM object: the bytes pointer is the HELEMENT itself and the length 0.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueBinaryData(const VALUE* value, const uint8_t** bytes,
                                                            uint32_t* length);

// Elements of an array or members of an object; 0 for any other value.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueElementsCount(const VALUE* value, int* count);
// The n-th element of an array or the n-th member value of an object; undefined out of range.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueNthElementValue(const VALUE* value, int n, VALUE* element);
// The n-th member key of an object, as a string value; undefined out of range.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueNthElementKey(const VALUE* value, int n, VALUE* key);
// Receives an object's member (`key` a string value) or an array's element (`key` null). Both are
// the container's own, lent for the call: never clear or set them, and copy one with ValueCopy to
// keep it. Returning 0 ends the walk. The receiver must not throw into the engine.
typedef int(HTMLENGINE_CALL* VALUE_ELEMENT_RECEIVER)(void* param, const VALUE* key, const VALUE* element);
// Each element of an array or member of an object in order, lent to `receiver` with no copy made
// (ValueNthElementValue and ValueNthElementKey each take a reference); nothing for other values.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueEnumElements(const VALUE* value, VALUE_ELEMENT_RECEIVER receiver,
                                                              void* param);
// The member whose key has the same text, whatever the units; undefined when there is none.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueGetValueOfKey(const VALUE* value, const VALUE* key, VALUE* member);

// Parses the whole text, or nothing: any error leaves the undefined value and VALUE_SYNTAX_ERROR.
// Only VALUE_MODE_JSON is accepted.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueFromString(VALUE* value, const wchar_t* text, size_t length,
                                                            uint32_t mode);
// Replaces the value by a string value holding its text in the given mode.
HTMLENGINE_API VALUE_RESULT HTMLENGINE_CALL ValueToString(VALUE* value, uint32_t mode);
