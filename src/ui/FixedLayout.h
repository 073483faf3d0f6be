#pragma once

#include <QFont>
#include <QValidator>

class QDialog;
class QKeyEvent;
class QWidget;

// Helpers for the windows whose controls sit at fixed places given in twips.
namespace FixedLayout {

/// Puts a widget at a place given in twips, relative to its parent, on the widget's own screen.
void place(QWidget *widget, int left, int top, int width, int height);

/// A fixed-size dialog with a title bar but no close, minimise or maximise button; the size is
/// the client area in twips.
void makeFixedDialog(QDialog *dialog, int clientWidth, int clientHeight);

/// Enter on a focused button presses it, as Space does; for windows whose buttons have no
/// default role. True when the key was taken.
bool enterPressesFocusedButton(QWidget *window, QKeyEvent *event);

/// The keys of a dialog that has no Cancel and no default button: Escape is swallowed (it would
/// close the window and leave checking off without a word), and Enter on a focused button
/// presses it. True when the key was taken.
bool dialogKey(QDialog *dialog, QKeyEvent *event);

/// Registers the faces the program carries with it, once; needs the application object.
/// Returns whether all of them could be registered.
bool loadBundledFonts();

/// Registers the carried faces and makes the standard font the application's, so every window,
/// message box and input box is set in the face the layouts were drawn for.
void useBundledFonts();

/// The face carried as the stand-in for MS Sans Serif: Arial's widths, which are close to the
/// designed face's and the same on every machine.
inline constexpr char sansSerifStandIn[] = "Liberation Sans";
/// The face carried for the title: it only looks like the designed one, so the title's size
/// is checked against its label rather than assumed.
inline constexpr char comicStandIn[] = "Comic Neue";

/// MS Sans Serif at the given size. Where it is missing (any non-Windows desktop) the carried
/// face stands in, drawn a shade narrower, whatever else the desktop has installed.
QFont msSansSerif(double points);

/// Comic Sans MS, bold, at the given size, with the carried look-alike standing in for it.
QFont comicSansBold(double points);

/// The font the layouts were drawn for: every control not given another one uses it, so the
/// captions fit their boxes whatever the desktop's own font is.
inline constexpr double standardPoints = 8.25;

} // namespace FixedLayout

// Limits what the user types to a number of characters without cutting text that the program
// puts into the box: a value loaded from the settings file is shown whole, as it is stored.
// (QLineEdit::setMaxLength would cut it, and OK would then store the cut value.)
class TypedLengthValidator final : public QValidator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypedLengthValidator)

public:
    TypedLengthValidator(int maxLength, QObject *parent);
    State validate(QString &input, int &pos) const override;
    int maxLength() const { return m_maxLength; }

private:
    int m_maxLength;
};
