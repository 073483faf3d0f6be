#pragma once

#include <QFont>
#include <QValidator>

class QDialog;
class QWidget;

// Helpers for the windows whose controls sit at fixed places given in twips.
namespace FixedLayout {

/// Puts a widget at a place given in twips, relative to its parent, on the widget's own screen.
void place(QWidget *widget, int left, int top, int width, int height);

/// A fixed-size dialog with a title bar but no close, minimise or maximise button; the size is
/// the client area in twips.
void makeFixedDialog(QDialog *dialog, int clientWidth, int clientHeight);

/// MS Sans Serif at the given size. Where it is missing (any non-Windows desktop) the fonts of
/// the same widths come next, so captions still fit the widths they were laid out for.
QFont msSansSerif(double points);

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
