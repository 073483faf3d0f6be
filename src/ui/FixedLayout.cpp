#include "ui/FixedLayout.h"

#include "platform/Twips.h"

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace FixedLayout {

void place(QWidget *widget, int left, int top, int width, int height)
{
    QRect geometry = Twips::toPixels(left, top, width, height, widget->screen());
    // The layouts were drawn for a font that most desktops lack; a caption set in a wider
    // stand-in may grow to the right rather than lose its last letters, as far as its parent allows.
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const int needed = label->sizeHint().width();
        const int room = widget->parentWidget() ? widget->parentWidget()->width() - geometry.left() : needed;
        if (needed > geometry.width())
            geometry.setWidth(std::min(needed, std::max(room, geometry.width())));
    }
    widget->setGeometry(geometry);
}

void makeFixedDialog(QDialog *dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(Twips::toPixels(QSize(clientWidth, clientHeight)));
}

QFont msSansSerif(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

} // namespace FixedLayout

TypedLengthValidator::TypedLengthValidator(int maxLength, QObject *parent)
    : QValidator(parent)
    , m_maxLength(maxLength)
{
}

QValidator::State TypedLengthValidator::validate(QString &input, int &) const
{
    return input.size() <= m_maxLength ? Acceptable : Invalid;
}
