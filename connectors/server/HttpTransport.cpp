#include "connectors/server/HttpTransport.h"

#include "connectors/server/HttpClient.h"

namespace Quorvane {

namespace {

HttpTransportFactory& Factory()
{
    static HttpTransportFactory factory;
    return factory;
}

}  // namespace

void SetHttpTransportFactory(const HttpTransportFactory& factory)
{
    Factory() = factory;
}

boost::shared_ptr<HttpTransport> MakeHttpTransport()
{
    if (Factory())
        return Factory()();
    return boost::shared_ptr<HttpTransport>(new HttpClient());
}

}  // namespace Quorvane
