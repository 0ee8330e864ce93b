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

}  // namespace

void Logger::Append(const std::wstring& line)
{
    CriticalSectionLock lock(m_lock);
    File file;
    ULONGLONG size = 0;
    if (!file.Open(m_path, OPEN_ALWAYS, File::AppendShared) || !file.GetSize(size))
        return;
    std::string bytes = (size == 0 ? std::string(kByteOrderMark) : std::string()) + EncodeLine(line);
    file.Write(bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace Logging
}  // namespace Quorvane
