#include "ui/FixedLayout.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A caption in a wider stand-in font grows to the right instead of losing its last letters,
// but never past its parent, and controls other than captions keep their designed size.
TEST(FixedLayoutTest, CaptionsGrowToTheirTextWithinTheirParent)
{
    QWidget parent;
    parent.setFixedSize(Twips::toPixels(QSize(3000, 1000)));

    QLabel roomy(QStringLiteral("Players needed to trigger alert"), &parent);
    FixedLayout::place(&roomy, 0, 0, 300, 255);
    EXPECT_EQ(roomy.width(), roomy.sizeHint().width());
    EXPECT_EQ(roomy.x(), 0);

    QLabel cramped(QStringLiteral("A caption far too long to fit in what little is left of this parent"), &parent);
    FixedLayout::place(&cramped, 2700, 0, 150, 255);
    EXPECT_EQ(cramped.geometry().right() + 1, parent.width());

    QLabel fits(QStringLiteral("x"), &parent);
    FixedLayout::place(&fits, 0, 300, 1500, 255);
    EXPECT_EQ(fits.width(), Twips::toPixelsX(1500));

    QPushButton button(QStringLiteral("A button with a long caption indeed"), &parent);
    FixedLayout::place(&button, 0, 600, 300, 375);
    EXPECT_EQ(button.width(), Twips::toPixelsX(300));
}

} // namespace
