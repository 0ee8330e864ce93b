#pragma once
// The warnings QuickBooks gave with writes it carried out. A write that QuickBooks accepted with
// a warning ("Warn" or "Info", for example a field it dropped) succeeded, so its status says
// nothing of it; the texts are kept here until the writer takes them and tells the bookkeeper.
#include <string>
#include <vector>
#include <boost/noncopyable.hpp>
#include "core/CriticalSection.h"

namespace Quorvane {
namespace Connectors {

class WriteWarnings : private boost::noncopyable {
public:
    void Add(const std::wstring& text);
    // The texts since the last call, oldest first.
    std::vector<std::wstring> Take();

private:
    CriticalSection m_lock;
    std::vector<std::wstring> m_texts;
};

// While it lives, the warnings of the requests that this thread runs go to `target`.
class WriteWarningScope : private boost::noncopyable {
public:
    explicit WriteWarningScope(WriteWarnings& target);
    ~WriteWarningScope();

private:
    WriteWarnings* m_previous;
};

// To the list of this thread's scope; nowhere when there is none (a read's warning is only logged).
void ReportWriteWarning(const std::wstring& text);

}  // namespace Connectors
}  // namespace Quorvane
