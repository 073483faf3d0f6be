#pragma once

#include "model/mdlZibProcessing.h"
#include "query/QueryEngine.h"
#include "support/TestSupport.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMap>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <memory>

// Drives the options and filters windows as a user would: real focus changes, typing, clicks.
class DialogFixture : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        MessageBox::resetForTests();
        // A port of our own so nothing here collides with a running program.
        m_engine = std::make_unique<QueryEngine>(quint16(0));
    }

    void TearDown() override
    {
        m_engine.reset();
        MessageBox::resetForTests();
        SettingsFixture::TearDown();
    }

    /// Shows the window and waits until it has the keyboard, so focus changes are real.
    static void showActive(QDialog &dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    /// Clicks into the box, selects what it holds and types over it (nothing typed clears it).
    /// Text beyond ASCII, which QTest cannot type key by key, comes in whole as an input method
    /// or a paste would put it.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(box->hasFocus());
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }

    template<typename T>
    static T *child(const QDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    /// The settings file as sections, each with its lines in file order.
    QMap<QString, QStringList> sections() const
    {
        QMap<QString, QStringList> result;
        QString current;
        const QList<QByteArray> lines = fileBytes().split('\n');
        for (QByteArray line : lines) {
            line = line.trimmed();
            if (line.isEmpty())
                continue;
            if (line.startsWith('[') && line.endsWith(']')) {
                current = QString::fromLatin1(line.mid(1, line.size() - 2));
                result[current];
            } else {
                result[current].append(QString::fromLatin1(line));
            }
        }
        return result;
    }

    std::unique_ptr<QueryEngine> m_engine;
};
