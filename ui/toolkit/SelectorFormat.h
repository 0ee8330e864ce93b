#pragma once
// A selector formatted into a fixed buffer. One that does not fit is refused rather than cut,
// since a cut selector would match something else.
#include <cstdarg>

namespace htmlayout {
namespace detail {

template <typename Char>
class formatted_selector {
public:
    static const int kSize = 2048;

    formatted_selector(const Char* format, va_list args) : m_fits(format_into(m_text, kSize, format, args)) {}

    bool fits() const { return m_fits; }
    const Char* c_str() const { return m_text; }

private:
    static bool format_into(char* buffer, int size, const char* format, va_list args);
    static bool format_into(wchar_t* buffer, int size, const wchar_t* format, va_list args);

    Char m_text[kSize];
    bool m_fits;
};

typedef formatted_selector<char> narrow_selector;
typedef formatted_selector<wchar_t> wide_selector;

}  // namespace detail
}  // namespace htmlayout
