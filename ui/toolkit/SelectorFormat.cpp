#include "ui/toolkit/SelectorFormat.h"

#include <cstdio>
#include <cwchar>

namespace htmlayout {
namespace detail {

// Both printf families answer a negative number or at least the size when the text is cut.
template <typename Char>
bool formatted_selector<Char>::format_into(char* buffer, int size, const char* format, va_list args)
{
    buffer[0] = 0;
    if (!format)
        return false;
    int written = std::vsnprintf(buffer, size, format, args);
    return written >= 0 && written < size;
}

template <typename Char>
bool formatted_selector<Char>::format_into(wchar_t* buffer, int size, const wchar_t* format, va_list args)
{
    buffer[0] = 0;
    if (!format)
        return false;
    int written = std::vswprintf(buffer, size, format, args);
    return written >= 0 && written < size;
}

template class formatted_selector<char>;
template class formatted_selector<wchar_t>;

}  // namespace detail
}  // namespace htmlayout
