#pragma once
// The login's answer to the server's challenge: MD5(MD5(password) + challenge + lower-cased
// user name), as 32 hex digits. The server computes the same from its stored password.
#include <string>

namespace Quorvane {

// Plain ASCII password and name are hashed as bytes; anything else as UTF-16LE throughout.
// Empty when CryptoAPI fails, which the server then refuses like a wrong password.
std::wstring LoginHash(const std::wstring& userName, const std::wstring& password, const std::wstring& challenge);

}  // namespace Quorvane
