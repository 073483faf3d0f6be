#include "platform/SingleInstance.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

// The program itself, started the way a user or the desktop starts it.
class ProgramProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A session folder and a temporary folder of its own: the lock and the socket of a Zib
        // that runs on this machine, or of a parallel test run, are never touched.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // As the session's folder is: private to its user.
        ASSERT_TRUE(QDir().mkpath(runtimeDir()));
        ASSERT_TRUE(QFile::setPermissions(runtimeDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                            | QFileDevice::ExeOwner));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("TMPDIR"), m_dir.path());
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        // No display: --help and --version must not need one.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        m_process.setProcessEnvironment(env);
        m_process.setProgram(QStringLiteral(ZIB_TOOLS_DIR "/../zib"));
    }

    int run(const QStringList &arguments)
    {
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
            return -1;
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    QString runtimeDir() const { return m_dir.filePath(QStringLiteral("run")); }

    // Where a copy started with this environment looks for a running one.
    static SingleInstance::Place placeFor(const QProcessEnvironment &env)
    {
        const QProcessEnvironment own = QProcessEnvironment::systemEnvironment();
        const auto take = [](const QProcessEnvironment &from) {
            for (const QString &name : {QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("TMPDIR")}) {
                if (from.contains(name))
                    qputenv(name.toLatin1().constData(), from.value(name).toLocal8Bit());
                else
                    qunsetenv(name.toLatin1().constData());
            }
        };
        take(env);
        const SingleInstance::Place place = SingleInstance::defaultPlace();
        take(own);
        return place;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
};

TEST_F(ProgramProcessTest, HelpAndVersionAnswerWithoutADisplay)
{
    EXPECT_EQ(run({QStringLiteral("--version")}), 0);
    EXPECT_TRUE(m_process.readAllStandardOutput().startsWith("zib "));
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(m_process.readAllStandardOutput().contains("--settings <file>"));
    EXPECT_EQ(run({QStringLiteral("--no-such-option")}), 2);
    EXPECT_TRUE(m_process.readAllStandardError().contains("--help"));
}

TEST_F(ProgramProcessTest, ASecondCopyWithArgumentsOnlyBringsTheFirstForward)
{
    SingleInstance first(placeFor(m_process.processEnvironment()));
    ASSERT_TRUE(first.tryBecomePrimary());
    QSignalSpy asked(&first, &SingleInstance::showRequested);

    const QString otherSettings = m_dir.filePath(QStringLiteral("other/ZIBsettings.ini"));
    m_process.setArguments({QStringLiteral("--settings"), otherSettings, QStringLiteral("--minimized")});
    QProcessEnvironment env = m_process.processEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(env);
    m_process.start();
    EXPECT_TRUE(asked.wait(10000));
    // The copy may well have ended while the spy's wait ran the event loop.
    ASSERT_TRUE(m_process.state() == QProcess::NotRunning || m_process.waitForFinished(10000));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("other")))) << "nothing read or written";
}

TEST_F(ProgramProcessTest, ASecondCopyOfTheSameUserIsFoundAndSaysWhatItIgnored)
{
    struct Case
    {
        const char *what;
        bool sessionFolder;
        QString ownSettings;
        bool noted;
    };
    const QString running = m_dir.filePath(QStringLiteral("running.ini"));
    const QString other = m_dir.filePath(QStringLiteral("other/ZIBsettings.ini"));
    const Case cases[] = {
        // Another temporary folder and another $USER, in the same session.
        {"session folder", true, other, true},
        // No session folder: the temporary folder, and $USER unset.
        {"temporary folder", false, other, true},
        {"same settings", true, running, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QProcessEnvironment env = m_process.processEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!c.sessionFolder)
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        SingleInstance first(placeFor(env));
        first.setSettingsPath(running);
        ASSERT_TRUE(first.tryBecomePrimary());
        QSignalSpy asked(&first, &SingleInstance::showRequested);

        if (c.sessionFolder) {
            const QString ownTemp = m_dir.filePath(QStringLiteral("tmp2"));
            ASSERT_TRUE(QDir().mkpath(ownTemp));
            env.insert(QStringLiteral("TMPDIR"), ownTemp);
            env.insert(QStringLiteral("USER"), QStringLiteral("someone-else"));
        } else {
            env.remove(QStringLiteral("USER"));
        }
        m_process.setProcessEnvironment(env);
        m_process.setArguments({QStringLiteral("--settings"), c.ownSettings});
        m_process.start();
        EXPECT_TRUE(asked.wait(10000)) << "the running copy was not found";
        ASSERT_TRUE(m_process.state() == QProcess::NotRunning || m_process.waitForFinished(10000));
        EXPECT_EQ(m_process.exitCode(), 0);
        const QString said = QString::fromLocal8Bit(m_process.readAllStandardError());
        if (c.noted) {
            EXPECT_TRUE(said.contains(QStringLiteral("already running"))) << said.toStdString();
            EXPECT_TRUE(said.contains(QStringLiteral("ignored: --settings ") + other)) << said.toStdString();
            EXPECT_TRUE(said.contains(running)) << said.toStdString();
        } else {
            EXPECT_FALSE(said.contains(QStringLiteral("ignored"))) << said.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("other")))) << "nothing read or written";
    }
}
