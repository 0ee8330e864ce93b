#pragma once
// MD5 through CryptoAPI, for the login hash only.
#include <cstddef>
#include <string>

namespace Quorvane {

// 32 lower-case hex digits of the MD5 of `length` bytes, or "" when CryptoAPI fails (the
// server then refuses the login instead of seeing a digest of garbage). The digest must fit
// in `digestCapacity` bytes.
std::string Md5Hex(const void* data, size_t length, size_t digestCapacity);

// Two lower-case digits per byte, high nibble first; "" for no bytes.
std::string ToHex(const unsigned char* bytes, size_t count);

}  // namespace Quorvane
