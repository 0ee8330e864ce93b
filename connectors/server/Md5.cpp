#include "connectors/server/Md5.h"

#include <windows.h>
#include <wincrypt.h>
#include <vector>

namespace Quorvane {

namespace {

// A verify-only provider context, released once.
class CryptProvider {
public:
    CryptProvider() : m_provider(0)
    {
        if (!CryptAcquireContextW(&m_provider, NULL, NULL, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
            m_provider = 0;
    }
    ~CryptProvider()
    {
        if (m_provider != 0)
            CryptReleaseContext(m_provider, 0);
    }
    HCRYPTPROV Get() const { return m_provider; }

private:
    CryptProvider(const CryptProvider&);
    CryptProvider& operator=(const CryptProvider&);

    HCRYPTPROV m_provider;
};

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
    CryptProvider provider;
    CryptHash hash(provider.Get());
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
