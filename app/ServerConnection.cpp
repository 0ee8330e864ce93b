#include "app/ServerConnection.h"

#include "connectors/server/QuorvaneConnector.h"

using Quorvane::Connectors::QVConnector::ConnectionOptions;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

boost::shared_ptr<QuorvaneConnector> MakeServerConnector(const ConnectionOptions& options)
{
    boost::shared_ptr<QuorvaneConnector> connector(new QuorvaneConnector());
    connector->SetConnectionOptions(options);
    return connector;
}

void ApplyServerOptions(MainModel& model, const ConnectionOptions& options)
{
    boost::shared_ptr<QuorvaneConnector> connector = model.GetServerConnector();
    if (connector)
        connector->SetConnectionOptions(options);
}
