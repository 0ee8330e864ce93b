#include "connectors/server/Md5.h"

#include <windows.h>
#include <wincrypt.h>
#include <vector>

namespace Quorvane {

namespace {

// Acquiring a provider costs more than hashing a login twice: one verify-only context serves
// the process, and the system releases it at exit.
HCRYPTPROV SharedProvider()
{
    static const HCRYPTPROV provider = [] {
        HCRYPTPROV acquired = 0;
        return CryptAcquireContextW(&acquired, NULL, NULL, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) ? acquired
                                                                                               : HCRYPTPROV(0);
    }();
    return provider;
}

// An MD5 hash object, destroyed once.
class CryptHash {
public:
    explicit CryptHash(HCRYPTPROV provider) : m_hash(0)
    {
        if (provider == 0 || !CryptCreateHash(provider, CALG_MD5, 0, 0, &m_hash))
            m_hash = 0;
    }
    ~CryptHash()
    {
        if (m_hash != 0)
            CryptDestroyHash(m_hash);
    }
    HCRYPTHASH Get() const { return m_hash; }

private:
    CryptHash(const CryptHash&);
    CryptHash& operator=(const CryptHash&);

    HCRYPTHASH m_hash;
};

}  // namespace

std::string Md5Hex(const void* data, size_t length, size_t digestCapacity)
{
    CryptHash hash(SharedProvider());
    if (hash.Get() == 0)
        return std::string();
    if (!CryptHashData(hash.Get(), static_cast<const BYTE*>(data), static_cast<DWORD>(length), 0))
        return std::string();
    std::vector<unsigned char> digest(digestCapacity, 0);
    DWORD digestLength = static_cast<DWORD>(digest.size());
    if (digest.empty() || !CryptGetHashParam(hash.Get(), HP_HASHVAL, &digest[0], &digestLength, 0))
        return std::string();
    return ToHex(&digest[0], digestLength);
}

std::string ToHex(const unsigned char* bytes, size_t count)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    if (bytes == NULL)
        return text;
    text.reserve(count * 2);
    for (size_t at = 0; at < count; ++at) {
        text += digits[bytes[at] >> 4];
        text += digits[bytes[at] & 0x0F];
    }
    return text;
}

}  // namespace Quorvane
