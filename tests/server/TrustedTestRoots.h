#pragma once
// Trusts demo servers' test CAs for the tests of this process: adds them to the Wine prefix's
// CurrentUser\Root store (never the host's) and removes them again on destruction. Must run
// before the first certificate chain of the process is built: Wine reads the trusted roots
// once per process.
#include <windows.h>
#include <wincrypt.h>
#include <string>
#include <vector>

class TrustedTestRoots {
public:
    // DER files; an empty path is skipped.
    explicit TrustedTestRoots(const std::vector<std::wstring>& derPaths);
    ~TrustedTestRoots();

    size_t Count() const { return m_certificates.size(); }

private:
    TrustedTestRoots(const TrustedTestRoots&);
    TrustedTestRoots& operator=(const TrustedTestRoots&);

    std::vector<PCCERT_CONTEXT> m_certificates;
};
