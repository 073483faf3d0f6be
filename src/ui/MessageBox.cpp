#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QList>

namespace MessageBox {

namespace {

struct TestAnswers
{
    QList<QMessageBox::StandardButton> buttons;
    QList<QString> inputs;
    std::optional<Shown> last;
};

TestAnswers &answers()
{
    static TestAnswers instance;
    return instance;
}

} // namespace

QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &title,
                                 QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    answers().last = Shown{text, title, buttons, icon};
    if (!answers().buttons.isEmpty())
        return answers().buttons.takeFirst();
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void error(QWidget *parent, const QString &text)
{
    show(parent, text, QCoreApplication::translate("MessageBox", "ERROR"), QMessageBox::Ok, QMessageBox::Critical);
}

void notSaved(QWidget *parent, const QString &path, const QString &reason)
{
    error(parent, QCoreApplication::translate("MessageBox", "Your change could not be saved in\n%1\n(%2).\n\nZib keeps it while it runs and "
                                 "saves it again with your next change.")
                      .arg(QDir::toNativeSeparators(path), reason));
}

void lostAtClose(QWidget *parent, const QString &path, const QString &reason)
{
    error(parent, QCoreApplication::translate("MessageBox", "Your changes could not be saved in\n%1\n(%2).\n\nZib is closing, so they are lost.")
                      .arg(QDir::toNativeSeparators(path), reason));
}

bool confirm(QWidget *parent, const QString &text, const QString &title)
{
    return show(parent, text, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon) == QMessageBox::Ok;
}

QString input(QWidget *parent, const QString &prompt, const QString &title)
{
    answers().last = Shown{prompt, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon};
    if (!answers().inputs.isEmpty())
        return answers().inputs.takeFirst();
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

void setNextAnswer(QMessageBox::StandardButton button)
{
    answers().buttons.append(button);
}

void setNextInput(const QString &text)
{
    answers().inputs.append(text);
}

std::optional<Shown> lastShown()
{
    return answers().last;
}

void resetForTests()
{
    answers() = {};
}

} // namespace MessageBox
