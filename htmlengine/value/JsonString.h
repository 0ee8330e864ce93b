#pragma once
// JSON strings: the characters between the quotes, with escapes decoded.
#include <cstdint>
#include <string>

namespace htmlengine {

class JsonStringReader {
public:
    // Reads the string whose opening quote is at cursor and advances past its closing quote;
    // false when no complete, valid string starts there. The characters point into the text
    // when the string has no escape, else into this reader, valid until its next call.
    bool Read(const wchar_t*& cursor, const wchar_t* end, const wchar_t*& chars, uint32_t& length);

private:
    bool ReadEscape(const wchar_t*& cursor, const wchar_t* end);
    bool ReadHexUnit(const wchar_t*& cursor, const wchar_t* end);

    std::wstring m_unescaped;
};

}  // namespace htmlengine
