#pragma once
// Narrow and wide text as the engine's callers need it: converters in the Windows code pages,
// a lenient integer reader and null-safe comparisons.
#include <cstring>
#include <cwchar>

namespace htmlayout {

// Both return the number of units written, or with no output buffer the number needed.
int AnsiToWide(const char* text, int length, wchar_t* output, int capacity);
int WideToAnsi(const wchar_t* text, int length, char* output, int capacity);

// Converts once on construction; short results stay in the object, longer ones on the heap.
// The text is always NUL-terminated.
template <typename From, typename To, int (*Convert)(const From*, int, To*, int)>
class text_converter {
public:
    // A negative length means the text ends at its NUL; a null text gives the empty text.
    text_converter(const From* text, int length) : m_text(m_inline), m_length(0)
    {
        m_inline[0] = To();
        if (!text)
            return;
        if (length < 0)
            length = TextLength(text);
        if (length == 0)
            return;
        int needed = Convert(text, length, nullptr, 0);
        if (needed >= kInlineLimit)
            m_text = new To[needed + 1];
        m_length = Convert(text, length, m_text, needed);
        m_text[m_length] = To();
    }
    ~text_converter()
    {
        if (m_text != m_inline)
            delete[] m_text;
    }
    text_converter(const text_converter&) = delete;
    text_converter& operator=(const text_converter&) = delete;

    const To* c_str() const { return m_text; }
    int length() const { return m_length; }

private:
    static const int kInlineSize = 16;
    static const int kInlineLimit = 15;  // results this long or longer go to the heap

    static int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }
    static int TextLength(const wchar_t* text) { return static_cast<int>(std::wcslen(text)); }

    To m_inline[kInlineSize];
    To* m_text;
    int m_length;
};

// Narrow text in the thread's ANSI code page to wide text.
typedef text_converter<char, wchar_t, AnsiToWide> a2w;
// Wide text to narrow text in the system ANSI code page.
typedef text_converter<wchar_t, char, WideToAnsi> w2a;

// The leading base-10 integer of the text; the default when the text is null or has no digits.
int wtoi(const wchar_t* text, int default_value);

// Exact equality; false when either text is null.
bool streq(const char* a, const char* b);
bool wcseq(const wchar_t* a, const wchar_t* b);

}  // namespace htmlayout
