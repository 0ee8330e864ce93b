#include "connectors/server/CertificateCheck.h"

namespace Quorvane {

namespace {

// SECURITY_FLAG_IGNORE_REVOCATION, which only the WinINet header names.
const DWORD kIgnoreRevocation = 0x00000080;
const DWORD kRevocationUnknown = CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION;

// Frees a chain once.
class ChainContext {
public:
    ChainContext() : m_chain(NULL) {}
    ~ChainContext()
    {
        if (m_chain != NULL)
            CertFreeCertificateChain(m_chain);
    }
    PCCERT_CHAIN_CONTEXT* Address() { return &m_chain; }
    PCCERT_CHAIN_CONTEXT Get() const { return m_chain; }

private:
    ChainContext(const ChainContext&);
    ChainContext& operator=(const ChainContext&);

    PCCERT_CHAIN_CONTEXT m_chain;
};

bool BuildServerAuthChain(PCCERT_CONTEXT certificate, ChainContext& chain)
{
    LPSTR serverAuth = const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH);
    CERT_CHAIN_PARA parameters = {};
    parameters.cbSize = sizeof(parameters);
    parameters.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
    parameters.RequestedUsage.Usage.cUsageIdentifier = 1;
    parameters.RequestedUsage.Usage.rgpszUsageIdentifier = &serverAuth;
    return CertGetCertificateChain(NULL, certificate, NULL, NULL, &parameters, CERT_CHAIN_REVOCATION_CHECK_CHAIN, NULL,
                                   chain.Address()) != FALSE;
}

bool ChainIsValidForHost(PCCERT_CHAIN_CONTEXT chain, const std::wstring& host)
{
    HTTPSPolicyCallbackData ssl = {};
    ssl.cbStruct = sizeof(ssl);
    ssl.dwAuthType = AUTHTYPE_SERVER;
    // Revocation is judged from the chain's status (VerifyServerCertificate): the policy would
    // stop at unknown revocation (CERT_E_REVOCATION_FAILURE, CRYPT_E_REVOCATION_OFFLINE,
    // CRYPT_E_NO_REVOCATION_CHECK) before it looks at the host name.
    ssl.fdwChecks = kIgnoreRevocation;
    ssl.pwszServerName = const_cast<wchar_t*>(host.c_str());

    CERT_CHAIN_POLICY_PARA policy = {};
    policy.cbSize = sizeof(policy);
    policy.dwFlags = CERT_CHAIN_POLICY_IGNORE_ALL_REV_UNKNOWN_FLAGS;
    policy.pvExtraPolicyPara = &ssl;

    CERT_CHAIN_POLICY_STATUS status = {};
    status.cbSize = sizeof(status);
    BOOL verified = CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &status);
    return verified != FALSE && status.dwError == 0;
}

}  // namespace

bool VerifyServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host)
{
    ChainContext chain;
    if (!BuildServerAuthChain(certificate, chain))
        return false;
    // Wine's SSL policy passes a chain that ends at an unknown issuer; the chain's own status
    // tells, as Windows's policy does. A CA that publishes no revocation list, or one that
    // cannot be reached, leaves revocation unknown: browsers accept that, and so does the
    // program. A revoked certificate fails here.
    if (chain.Get()->TrustStatus.dwErrorStatus & ~kRevocationUnknown)
        return false;
    return ChainIsValidForHost(chain.Get(), host);
}

}  // namespace Quorvane
