#pragma once
// What the program sent, one line per event, for tests to compare:
//   OpenConnection "Quorvane Pellworth" "Quorvane Pellworth"
//   US 6.0 TimeTrackingAdd: TxnDate="2012-06-07"; EntityRef.ListID="0"; Duration="PT10H11M12S"
#include <mutex>
#include <string>
#include <vector>

namespace QbSim {

class TraceLog {
public:
    void Add(const std::wstring& line);
    // From now on every line is also appended to this file, in UTF-8.
    void MirrorTo(const std::wstring& path);
    std::vector<std::wstring> Lines();
    void Clear();

private:
    std::mutex m_lock;
    std::vector<std::wstring> m_lines;
    std::wstring m_mirror;
};

}  // namespace QbSim
