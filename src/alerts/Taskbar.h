#pragma once

#include <QRect>

#include <functional>

// The part of the desktop the pop-up rises in: the screen, the share of it the desktop keeps for
// its panels, and the twips per pixel of that screen.
namespace DesktopArea {

struct Area
{
    QRect geometry;
    QRect available;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

/// The primary screen, unless a test put its own source in place.
Area current();

/// Replaces the source; an empty source returns to the primary screen.
void setSource(std::function<Area()> source);

/// Twips of screen height the desktop keeps for a panel at the top or the bottom edge; 0 when
/// nothing is kept. A panel at the left or right edge takes no height.
int reservedHeightTwips(const Area &area);

} // namespace DesktopArea

namespace mdlZibProcessing {

/// The taskbar's height in twips, 0 when there is none. Wider than 16 bits: a very tall panel
/// must not wrap.
int getTaskbarHeight();

} // namespace mdlZibProcessing
