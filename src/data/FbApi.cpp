#include "FbApi.h"

#include "FbError.h"

using namespace Firebird;

namespace FbApi {

IMaster* master()
{
    static IMaster* m = fb_get_master_interface();
    return m;
}

IUtil* util()
{
    return master()->getUtilInterface();
}

IProvider* provider()
{
    // The dispatcher chooses the embedded engine for a bare path and the
    // remote provider for host:path.
    static IProvider* p = master()->getDispatcher();
    return p;
}

QString formatStatus(const IStatus* status)
{
    char buffer[2048];
    util()->formatStatus(buffer, sizeof buffer, const_cast<IStatus*>(status));
    return QString::fromUtf8(buffer).trimmed();
}

void rethrow(const FbException& e)
{
    throw DatabaseError(formatStatus(e.getStatus()));
}

} // namespace FbApi
