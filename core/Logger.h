#pragma once
// A text log that a reader can open at any time: UTF-8 with a byte-order mark and CR LF line
// ends, the file opened and closed for each line, so nothing written is lost on a crash.
#include <string>
#include "core/CriticalSection.h"

namespace Quorvane {
namespace Logging {

class Logger {
public:
    explicit Logger(const std::wstring& path) : m_path(path), m_lostLines(0) {}

    // A line that cannot be written is lost; logging never stops the work it records. The next
    // line written is preceded by a note of how many were lost, so that a log with a gap never
    // reads as a whole one.
    void Append(const std::wstring& line);
    const std::wstring& GetPath() const { return m_path; }

private:
    std::wstring m_path;
    int m_lostLines;
    // Keeps a new file's byte-order mark from being written twice by two threads.
    CriticalSection m_lock;
};

}  // namespace Logging
}  // namespace Quorvane
