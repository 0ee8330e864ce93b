#pragma once
// Exceptions that cross subsystem borders. Every exception class of the program derives
// directly from std::exception, constructs it without a message and never overrides what():
// what a class has to say lies in its own fields. Where a fixed English message is thrown
// instead, it is a std::runtime_error, caught as std::exception and read through what().
#include <exception>
#include <string>

namespace Quorvane {

// A lookup found nothing; callers for which absence is normal carry on with a default.
class NotFoundException : public std::exception {
public:
    NotFoundException() {}
    virtual ~NotFoundException() throw() {}
};

// A QuickBooks response carried a non-zero status.
class QuickBooksException : public std::exception {
public:
    QuickBooksException(int statusCode, const std::wstring& message) : m_statusCode(statusCode), m_message(message) {}
    virtual ~QuickBooksException() throw() {}

    int GetStatusCode() const { return m_statusCode; }
    const std::wstring& GetMessage() const { return m_message; }

private:
    int m_statusCode;
    std::wstring m_message;
};

// A settings file exists but cannot be opened: another program holds it, or access is denied.
// Its settings must not be replaced by defaults, so whatever needed them stops.
class SettingsFileUnavailableException : public std::exception {
public:
    SettingsFileUnavailableException(const std::wstring& path, const std::wstring& reason)
        : m_path(path), m_reason(reason)
    {
    }
    virtual ~SettingsFileUnavailableException() throw() {}

    const std::wstring& GetPath() const { return m_path; }
    // The system's words for why it could not be opened.
    const std::wstring& GetReason() const { return m_reason; }

private:
    std::wstring m_path;
    std::wstring m_reason;
};

}  // namespace Quorvane
