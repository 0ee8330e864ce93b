#pragma once
// The server connector as the load and the login panel use it.
#include <boost/shared_ptr.hpp>

#include "app/MainModel.h"
#include "core/ConnectionOptions.h"

// Every load logs in with a new connector, made with the company's stored options.
boost::shared_ptr<MainModel::ServerConnector>
MakeServerConnector(const Quorvane::Connectors::QVConnector::ConnectionOptions& options);

// Options typed on the login panel go to the current connector too; nothing before the first load.
void ApplyServerOptions(MainModel& model, const Quorvane::Connectors::QVConnector::ConnectionOptions& options);
