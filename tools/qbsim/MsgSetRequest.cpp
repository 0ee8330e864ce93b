#include "tools/qbsim/MsgSetRequest.h"

#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/Handlers.h"

namespace QbSim {

namespace {

const wchar_t kAppendPrefix[] = L"Append";
const wchar_t kAppendSuffix[] = L"Rq";

}  // namespace

std::wstring MsgSetRequest::Version() const
{
    return m_country + L" " + std::to_wstring(m_major) + L"." + std::to_wstring(m_minor);
}

DISPID MsgSetRequest::MemberId(const std::wstring& name) const
{
    size_t prefix = sizeof(kAppendPrefix) / sizeof(wchar_t) - 1;
    size_t suffix = sizeof(kAppendSuffix) / sizeof(wchar_t) - 1;
    if (name.size() <= prefix + suffix || name.compare(0, prefix, kAppendPrefix) != 0 ||
        name.compare(name.size() - suffix, suffix, kAppendSuffix) != 0)
        return DISPID_UNKNOWN;
    int index = RequestKindIndex(name.substr(prefix, name.size() - prefix - suffix));
    return index < 0 ? DISPID_UNKNOWN : index + 1;
}

void MsgSetRequest::Call(DISPID id, const Arguments&, VARIANT& result)
{
    std::wstring kind = RequestKindAt(id - 1);
    if (kind.empty())
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    m_requests.push_back(Node::NewRequest(kind, m_dialect));
    SetObject(result, m_requests.back().AddRefGet());
}

}  // namespace QbSim
