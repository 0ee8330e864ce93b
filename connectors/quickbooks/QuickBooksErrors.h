#pragma once
// The failures of one exchange with QuickBooks. They carry no text of their own: what() is
// that of std::exception, and QuickBooksCommonError keeps the COM error's code and description.
#include <exception>
#include <string>

namespace Quorvane {

// The COM errors QuickBooks raises that the program tells apart.
const int kCannotAccessQuickBooksCode = static_cast<int>(0x8004041C);
const int kWrongTimeRangeCode = static_cast<int>(0x80040305);

// A COM error other than the two that have classes of their own.
class QuickBooksCommonError : public std::exception {
public:
    QuickBooksCommonError(int code, const std::wstring& message) : m_code(code), m_message(message) {}
    virtual ~QuickBooksCommonError() throw() {}

    int GetCode() const { return m_code; }
    const std::wstring& GetMessage() const { return m_message; }

private:
    int m_code;
    std::wstring m_message;
};

// QuickBooks could not reach its company file (COM error 0x8004041C).
class CannotAccessQuickBooks : public std::exception {
public:
    virtual ~CannotAccessQuickBooks() throw() {}
};

// QuickBooks refused a date of the request (COM error 0x80040305).
class WrongTimeRange : public std::exception {
public:
    virtual ~WrongTimeRange() throw() {}
};

// Work was stopped: the user aborted it, or a QuickBooks read failed and the load cannot go on.
class OperationAbortedException : public std::exception {
public:
    OperationAbortedException() {}
    explicit OperationAbortedException(const std::exception& cause) : std::exception(cause) {}
    virtual ~OperationAbortedException() throw() {}
};

}  // namespace Quorvane
