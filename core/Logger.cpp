#include "core/Logger.h"

#include "core/File.h"
#include "core/TextCodec.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace Logging {

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

std::string EncodeLine(const std::wstring& line)
{
    WideToUtf8 utf8(ReplaceAll(line, L"\n", L"\r\n") + L"\r\n");
    return std::string(utf8.c_str(), utf8.size());
}

std::wstring LostLinesNote(int count)
{
    return L"[" + std::to_wstring(count) + (count == 1 ? L" line" : L" lines") + L" of this log could not be written]";
}

}  // namespace

void Logger::Append(const std::wstring& line)
{
    CriticalSectionLock lock(m_lock);
    File file;
    // Once a line is lost the file is not waited for again, so that a file held for good costs
    // the work one wait, not one per line.
    bool opened = m_lostLines == 0 ? file.OpenWhenFree(m_path, OPEN_ALWAYS, File::AppendShared)
                                   : file.Open(m_path, OPEN_ALWAYS, File::AppendShared);
    ULONGLONG size = 0;
    if (!opened || !file.GetSize(size)) {
        ++m_lostLines;
        return;
    }
    std::string bytes = size == 0 ? std::string(kByteOrderMark) : std::string();
    if (m_lostLines > 0)
        bytes += EncodeLine(LostLinesNote(m_lostLines));
    bytes += EncodeLine(line);
    if (file.Write(bytes.data(), static_cast<DWORD>(bytes.size())))
        m_lostLines = 0;
    else
        ++m_lostLines;
}

}  // namespace Logging
}  // namespace Quorvane
