#include "alerts/Taskbar.h"

#include "model/Numeric.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace DesktopArea {

namespace {

std::function<Area()> &source()
{
    static std::function<Area()> current;
    return current;
}

} // namespace

Area current()
{
    if (source())
        return source()();
    Area area;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        area.geometry = screen->geometry();
        area.available = screen->availableGeometry();
        area.twipsPerPixelX = Twips::perPixelX(screen);
        area.twipsPerPixelY = Twips::perPixelY(screen);
    }
    return area;
}

void setSource(std::function<Area()> newSource)
{
    source() = std::move(newSource);
}

int reservedHeightTwips(const Area &area)
{
    // Only the height lost at the top or the bottom counts. A panel at a side edge reserves no
    // height, and taking its full length as "the taskbar's height" would send the pop-up off the
    // top of the screen where nobody sees it.
    const int pixels = std::max(0, area.geometry.height() - area.available.height());
    const double twips = Numeric::roundHalfEven(pixels * area.twipsPerPixelY);
    return int(std::min<double>(twips, std::numeric_limits<int>::max()));
}

} // namespace DesktopArea

namespace mdlZibProcessing {

int getTaskbarHeight()
{
    return DesktopArea::reservedHeightTwips(DesktopArea::current());
}

} // namespace mdlZibProcessing
