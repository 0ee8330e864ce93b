#pragma once
// UTF-8 <-> UTF-16 conversion: the server's wire encoding, the log files and the HTML handed to
// the user interface engine. The codec is the program's own, so Windows and Wine agree on it.
// Malformed input never swallows valid text: each bad sequence becomes one "?".
#include <string>
#include "core/GrowableBuffer.h"

namespace Quorvane {

typedef GrowableBuffer<wchar_t> WideBuffer;
typedef GrowableBuffer<char> ByteBuffer;

// Decodes up to `length` bytes, stopping early at a NUL byte.
void DecodeUtf8(const unsigned char* bytes, size_t length, WideBuffer& output);
// Encodes up to `length` units, stopping early at a NUL unit.
void EncodeUtf8(const wchar_t* units, size_t length, ByteBuffer& output);

// The text as UTF-8 in a narrow string: for messages, exception texts and test output.
std::string Narrow(const std::wstring& text);

class Utf8ToWide {
public:
    // Length 0 means the bytes end at the first NUL; a null pointer gives an empty text.
    Utf8ToWide(const char* bytes, int length);
    const wchar_t* c_str() { return m_buffer.Terminated(); }
    size_t size() const { return m_buffer.Size(); }

private:
    WideBuffer m_buffer;
};

class WideToUtf8 {
public:
    explicit WideToUtf8(const std::wstring& text);
    explicit WideToUtf8(const wchar_t* text);
    const char* c_str() { return m_buffer.Terminated(); }
    size_t size() const { return m_buffer.Size(); }

private:
    ByteBuffer m_buffer;
};

}  // namespace Quorvane
