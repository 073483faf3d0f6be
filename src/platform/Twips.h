#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

// Window layouts are kept in twips (1/1440 inch), as they were designed; these turn them into
// pixels of a screen and back. 15 twips make one pixel at 96 dots per inch.
namespace Twips {

/// Twips per pixel across and down for a screen (the primary one when null).
double perPixelX(const QScreen *screen = nullptr);
double perPixelY(const QScreen *screen = nullptr);

int toPixelsX(double twips, const QScreen *screen = nullptr);
int toPixelsY(double twips, const QScreen *screen = nullptr);
QRect toPixels(int left, int top, int width, int height, const QScreen *screen = nullptr);
QSize toPixels(QSize twips, const QScreen *screen = nullptr);

double fromPixelsX(int pixels, const QScreen *screen = nullptr);
double fromPixelsY(int pixels, const QScreen *screen = nullptr);

} // namespace Twips
