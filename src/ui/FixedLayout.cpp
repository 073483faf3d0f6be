#include "ui/FixedLayout.h"

#include "alerts/Resources.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace FixedLayout {

namespace {

constexpr int standInStretch = 97;

} // namespace

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height, widget->screen()));
}

void makeFixedDialog(QDialog *dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(Twips::toPixels(QSize(clientWidth, clientHeight)));
}

bool enterPressesFocusedButton(QWidget *window, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    // A button without the default role lets Enter pass up to its window; a text box's Enter
    // passes too and is left alone.
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    if (!button || !button->isEnabled())
        return false;
    event->accept();
    button->click();
    return true;
}

bool dialogKey(QDialog *dialog, QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return enterPressesFocusedButton(dialog, event);
}

bool loadBundledFonts()
{
    static const bool loaded = [] {
        Resources::ensureLoaded();
        bool all = true;
        for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                                 ":/fonts/ComicNeue-Bold.otf"})
            all = QFontDatabase::addApplicationFont(QLatin1String(file)) >= 0 && all;
        return all;
    }();
    return loaded;
}

void useBundledFonts()
{
    loadBundledFonts();
    QApplication::setFont(msSansSerif(standardPoints));
}

QFont msSansSerif(double points)
{
    loadBundledFonts();
    static const QStringList designed = [] {
        // Installed faces only: a desktop's alias rules may answer for a missing face with
        // some other one, which is what the carried face is here to prevent.
        const QStringList installed = QFontDatabase::families();
        QStringList present;
        for (const QString &family : {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")})
            if (installed.contains(family, Qt::CaseInsensitive))
                present.append(family);
        return present;
    }();
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    if (!designed.isEmpty()) {
        font.setFamilies(designed);
        font.setPointSizeF(points);
    } else {
        // Only Windows has the designed face; anywhere else the carried one is taken, never a
        // wider face the desktop happens to have. It has Arial's widths, a little wider than the
        // designed face's: at the designed height the longest captions would need a pixel or
        // three more than their boxes give, so its letters are drawn a shade narrower.
        font.setFamilies({QLatin1String(sansSerifStandIn)});
        font.setPointSizeF(points);
        font.setStretch(standInStretch);
    }
    // Hinting that moves glyphs to whole pixels widens a line by a pixel here and there, as the
    // desktop's settings decide; the widths the captions were fitted to are the face's own.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont comicSansBold(double points)
{
    loadBundledFonts();
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QLatin1String(comicStandIn)});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferVerticalHinting);
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
