#include "alerts/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initZibResources()
{
    Q_INIT_RESOURCE(zib);
}

namespace Resources {

void ensureLoaded()
{
    static const bool once = (initZibResources(), true);
    Q_UNUSED(once);
}

} // namespace Resources
