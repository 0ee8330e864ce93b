#pragma once
// Every failure of the server connector has its own class, so that the controller can show
// each one its own message. None carries a message text; the two with something to say keep
// it in their fields.
#include <exception>
#include <string>

namespace Quorvane {

// Declares an exception class without fields.
#define QUORVANE_PLAIN_EXCEPTION(Name)                                                                                 \
    class Name : public std::exception {                                                                               \
    public:                                                                                                            \
        Name() {}                                                                                                      \
        virtual ~Name() throw() {}                                                                                     \
    }

// Nothing configured: no address, user name or password.
QUORVANE_PLAIN_EXCEPTION(QuorvaneNotSpecifiedException);
// The address given to the RPC client is empty.
QUORVANE_PLAIN_EXCEPTION(InvalidUrlException);
// The address does not parse, or its scheme is neither http nor https.
QUORVANE_PLAIN_EXCEPTION(BadURLException);
// The server's certificate is not trusted for its host name.
QUORVANE_PLAIN_EXCEPTION(InvalidCertificate);
// No challenge or version came back: no such server, or no answer.
QUORVANE_PLAIN_EXCEPTION(QuorvaneNotFoundException);
// The server's version is below 3.2 or cannot be read.
QUORVANE_PLAIN_EXCEPTION(QuorvaneNotSupportedException);
QUORVANE_PLAIN_EXCEPTION(AccountDisabledException);
QUORVANE_PLAIN_EXCEPTION(InvalidCredentialsException);
// The user may not generate cost and billing reports.
QUORVANE_PLAIN_EXCEPTION(NoGenerateCostAndBillingReportsRightException);
// A reply record carries a value that cannot be used (an id, a date, a negative duration).
QUORVANE_PLAIN_EXCEPTION(WrongFormatException);

#undef QUORVANE_PLAIN_EXCEPTION

// The server does not offer the service the program needs.
class QuickBooksServiceNotSupported : public std::exception {
public:
    QuickBooksServiceNotSupported(const std::wstring& version, const std::wstring& build)
        : m_version(version), m_build(build)
    {
    }
    virtual ~QuickBooksServiceNotSupported() throw() {}

    const std::wstring& GetVersion() const { return m_version; }
    const std::wstring& GetBuild() const { return m_build; }

private:
    std::wstring m_version;
    std::wstring m_build;
};

// Any other server error, and a data reply that is empty or unreadable (code 0).
class UnknownQuorvaneException : public std::exception {
public:
    UnknownQuorvaneException(int code, const std::wstring& trace) : m_code(code), m_trace(trace) {}
    virtual ~UnknownQuorvaneException() throw() {}

    int GetCode() const { return m_code; }
    const std::wstring& GetTrace() const { return m_trace; }

private:
    int m_code;
    std::wstring m_trace;
};

}  // namespace Quorvane
