#pragma once
// The journal beside a company file: one line of UTF-8 JSON per change, appended before the
// change is answered, so a process killed after answering loses nothing. Readers apply the
// lines they have not seen yet. Callers hold the company file's lock (CompanyStore).
#include <windows.h>
#include <string>
#include <vector>

namespace QbSim {

class Journal {
public:
    Journal() : m_file(INVALID_HANDLE_VALUE), m_read(0) {}
    ~Journal() { Close(); }

    // No path: no journal. Reading starts again from the beginning.
    void UseFile(const std::wstring& path);
    // The complete lines added since the last call or since Rewind, by any process. A line cut
    // short, by a writer killed while writing, was never answered: it is cut off.
    std::vector<std::string> ReadNew();
    void Rewind() { m_read = 0; }
    // Throws std::runtime_error when the line cannot be written whole.
    void Append(const std::string& line);
    // Empties the journal once the company file holds everything (no file is an empty journal);
    // throws when it cannot cut it.
    void Clear();
    // The bytes read or written so far.
    ULONGLONG Size() const { return m_read; }

private:
    Journal(const Journal&);
    Journal& operator=(const Journal&);

    bool Open(DWORD disposition);
    void Close();
    void CutAt(ULONGLONG size);

    std::wstring m_path;
    HANDLE m_file;
    ULONGLONG m_read;
};

}  // namespace QbSim
