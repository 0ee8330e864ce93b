#include "core/ConnectorLog.h"

#include "core/KnownFolders.h"

namespace Quorvane {
namespace Logging {

namespace {

boost::shared_ptr<Logger> CreateConnectorLogger()
{
    std::wstring appData = GetKnownFolderPath(AppDataFolder);
    if (appData.empty())
        return boost::shared_ptr<Logger>();
    std::wstring folder = appData + L"\\Quorvane\\logs";
    if (!CreateFolderTree(folder))
        return boost::shared_ptr<Logger>();
    return boost::shared_ptr<Logger>(new Logger(folder + L"\\QBConLog.txt"));
}

}  // namespace

boost::shared_ptr<Logger> GetConnectorLogger()
{
    // Several connector worker threads may ask at once; a local static is made exactly once.
    static const boost::shared_ptr<Logger> logger = CreateConnectorLogger();
    return logger;
}

void AppendToConnectorLog(const std::wstring& line)
{
    boost::shared_ptr<Logger> logger = GetConnectorLogger();
    if (logger)
        logger->Append(line);
}

}  // namespace Logging
}  // namespace Quorvane
