#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

namespace {

const QScreen *screenOrPrimary(const QScreen *screen)
{
    return screen ? screen : QGuiApplication::primaryScreen();
}

double perPixel(double dpi)
{
    return dpi > 0.0 ? 1440.0 / dpi : 15.0;
}

} // namespace

double perPixelX(const QScreen *screen)
{
    const QScreen *s = screenOrPrimary(screen);
    return perPixel(s ? s->logicalDotsPerInchX() : 96.0);
}

double perPixelY(const QScreen *screen)
{
    const QScreen *s = screenOrPrimary(screen);
    return perPixel(s ? s->logicalDotsPerInchY() : 96.0);
}

int toPixelsX(double twips, const QScreen *screen)
{
    return int(std::lround(twips / perPixelX(screen)));
}

int toPixelsY(double twips, const QScreen *screen)
{
    return int(std::lround(twips / perPixelY(screen)));
}

QRect toPixels(int left, int top, int width, int height, const QScreen *screen)
{
    return {toPixelsX(left, screen), toPixelsY(top, screen), toPixelsX(width, screen), toPixelsY(height, screen)};
}

QSize toPixels(QSize twips, const QScreen *screen)
{
    return {toPixelsX(twips.width(), screen), toPixelsY(twips.height(), screen)};
}

double fromPixelsX(int pixels, const QScreen *screen)
{
    return pixels * perPixelX(screen);
}

double fromPixelsY(int pixels, const QScreen *screen)
{
    return pixels * perPixelY(screen);
}

} // namespace Twips
