#include "ui/FixedLayout.h"

#include "ui/Twips.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

namespace FixedLayout {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
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
