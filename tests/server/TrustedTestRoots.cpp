#include "tests/server/TrustedTestRoots.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

const wchar_t kTestRootName[] = L"Pellworth Demo Test CA";

std::vector<char> ReadFile(const std::wstring& path)
{
    std::ifstream file(std::string(path.begin(), path.end()).c_str(), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The registry store itself, not the "Root" system store: opening that would make Wine read
// the trusted roots for this process before the test CAs are in, and deleting through it
// reports success but keeps the certificate.
HCERTSTORE OpenUserRootRegistry()
{
    return CertOpenStore(CERT_STORE_PROV_SYSTEM_REGISTRY_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
}

bool IsTestRoot(PCCERT_CONTEXT certificate)
{
    wchar_t name[128] = {};
    CertGetNameStringW(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, NULL, name, sizeof(name) / sizeof(name[0]));
    return std::wstring(name) == kTestRootName;
}

// A run that was killed leaves its CAs behind; they are of no use to any later run.
void RemoveEveryTestRoot(HCERTSTORE root)
{
    std::vector<PCCERT_CONTEXT> stale;
    PCCERT_CONTEXT certificate = NULL;
    while ((certificate = CertEnumCertificatesInStore(root, certificate)) != NULL)
        if (IsTestRoot(certificate))
            stale.push_back(CertDuplicateCertificateContext(certificate));
    // Deleting during the walk makes Wine's enumeration start over.
    for (PCCERT_CONTEXT each : stale)
        CertDeleteCertificateFromStore(each);
}

}  // namespace

TrustedTestRoots::TrustedTestRoots(const std::vector<std::wstring>& derPaths)
{
    HCERTSTORE root = OpenUserRootRegistry();
    if (root == NULL)
        return;
    RemoveEveryTestRoot(root);
    for (const std::wstring& path : derPaths) {
        std::vector<char> der = ReadFile(path);
        PCCERT_CONTEXT added = NULL;
        if (!der.empty() &&
            CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(&der[0]),
                                             static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added))
            m_certificates.push_back(added);
    }
    CertCloseStore(root, 0);
}

TrustedTestRoots::~TrustedTestRoots()
{
    HCERTSTORE root = OpenUserRootRegistry();
    for (PCCERT_CONTEXT certificate : m_certificates) {
        PCCERT_CONTEXT stored = root == NULL ? NULL
                                             : CertFindCertificateInStore(root, X509_ASN_ENCODING, 0,
                                                                          CERT_FIND_EXISTING, certificate, NULL);
        if (stored != NULL)
            CertDeleteCertificateFromStore(stored);
        CertFreeCertificateContext(certificate);
    }
    if (root != NULL)
        CertCloseStore(root, 0);
}
