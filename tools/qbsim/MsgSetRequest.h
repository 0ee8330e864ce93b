#pragma once
// A message set: the country and version it was made for, and the requests appended to it
// through Append<Kind>Rq, in order.
#include <string>
#include <vector>

#include "tools/qbsim/ComRef.h"
#include "tools/qbsim/DispatchObject.h"
#include "tools/qbsim/Node.h"

namespace QbSim {

class MsgSetRequest : public DispatchObject {
public:
    MsgSetRequest(const std::wstring& country, int major, int minor, const Dialect& dialect)
        : m_country(country), m_major(major), m_minor(minor), m_dialect(dialect)
    {
    }

    // "US 6.0"
    std::wstring Version() const;
    int Major() const { return m_major; }
    int Minor() const { return m_minor; }
    const Dialect& GetDialect() const { return m_dialect; }
    const std::vector<ComRef<Node>>& Requests() const { return m_requests; }

protected:
    std::wstring TypeName() const override { return L"IMsgSetRequest"; }
    DISPID MemberId(const std::wstring& name) const override;
    void Call(DISPID id, const Arguments& arguments, VARIANT& result) override;

private:
    std::wstring m_country;
    int m_major;
    int m_minor;
    Dialect m_dialect;
    std::vector<ComRef<Node>> m_requests;
};

}  // namespace QbSim
