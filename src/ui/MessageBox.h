#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

class QWidget;

// Every message box and input box of the program goes through here, so tests can answer them
// before they open instead of chasing a modal window.
namespace MessageBox {

/// A box with the given text, title, buttons and icon; returns the button pressed.
QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &title,
                                 QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);

/// The "ERROR" box: the stop icon and an OK button.
void error(QWidget *parent, const QString &text);

/// The "ERROR" box for a change the settings file at `path` could not take, with the system's
/// reason; the change is kept and saved again with the next one.
void notSaved(QWidget *parent, const QString &path, const QString &reason);

/// The "ERROR" box at the close, for changes that were kept for a next save that now never comes.
void lostAtClose(QWidget *parent, const QString &path, const QString &reason);

/// An OK/Cancel question without an icon; true on OK.
bool confirm(QWidget *parent, const QString &text, const QString &title);

/// An input box; the typed text, or an empty text when cancelled.
QString input(QWidget *parent, const QString &prompt, const QString &title);

// What tests use. A pre-set answer is taken by the next box instead of showing it, and what
// that box would have shown is kept for the test to read.
struct Shown
{
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};
void setNextAnswer(QMessageBox::StandardButton button);
void setNextInput(const QString &text);
std::optional<Shown> lastShown();
void resetForTests();

} // namespace MessageBox
