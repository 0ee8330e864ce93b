#pragma once
// UTF-8 bytes to UTF-16 text and back; a leading byte-order mark is dropped.
#include <string>
#include <string_view>

namespace htmlengine {

std::wstring DecodeUtf8(const unsigned char* bytes, size_t size);
std::string EncodeUtf8(std::wstring_view text);

}  // namespace htmlengine
