#pragma once
// Owns one certificate context and frees it once; copying would free it twice.
#include <windows.h>
#include <wincrypt.h>

namespace Quorvane {

class CertificateContext {
public:
    explicit CertificateContext(PCCERT_CONTEXT context = NULL) : m_context(context) {}
    ~CertificateContext()
    {
        if (m_context != NULL)
            CertFreeCertificateContext(m_context);
    }

    PCCERT_CONTEXT Get() const { return m_context; }

private:
    CertificateContext(const CertificateContext&);
    CertificateContext& operator=(const CertificateContext&);

    PCCERT_CONTEXT m_context;
};

}  // namespace Quorvane
