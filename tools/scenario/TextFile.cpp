#include "tools/scenario/TextFile.h"

#include "core/FileContents.h"
#include "core/TextCodec.h"

namespace scenario {

bool ReadUtf8File(const std::wstring& path, size_t maxSize, std::wstring& text)
{
    std::string bytes;
    if (Quorvane::ReadFileContents(path, maxSize, bytes) != Quorvane::FileRead)
        return false;
    Quorvane::Utf8ToWide wide(bytes.data(), static_cast<int>(bytes.size()));
    text.assign(wide.c_str(), wide.size());
    return true;
}

}  // namespace scenario
