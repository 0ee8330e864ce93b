#include "connectors/server/CertificateCheck.h"

namespace Quorvane {

namespace {

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
    return CertGetCertificateChain(NULL, certificate, NULL, NULL, &parameters,
                                   CERT_CHAIN_REVOCATION_CHECK_CHAIN, NULL, chain.Address()) != FALSE;
}

bool ChainIsValidForHost(PCCERT_CHAIN_CONTEXT chain, const std::wstring& host)
{
    HTTPSPolicyCallbackData ssl = {};
    ssl.cbStruct = sizeof(ssl);
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.fdwChecks = 0;
    ssl.pwszServerName = const_cast<wchar_t*>(host.c_str());

    CERT_CHAIN_POLICY_PARA policy = {};
    policy.cbSize = sizeof(policy);
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
    // tells, as Windows's policy does. Revocation is left to the policy.
    if (chain.Get()->TrustStatus.dwErrorStatus & ~kRevocationUnknown)
        return false;
    return ChainIsValidForHost(chain.Get(), host);
}

}  // namespace Quorvane
