#include "platform/SingleInstance.h"

#include <QCryptographicHash>
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
        // A user and a temporary folder of its own: the lock and the socket of a Zib that runs
        // on this machine, or of a parallel test run, are never touched.
        m_user = QStringLiteral("zibtest-") + QUuid::createUuid().toString(QUuid::Id128);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("USER"), m_user);
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

    // Where the program looks for a running copy, as it works it out for our user.
    QString instanceName() const
    {
        return QStringLiteral("zib-")
            + QString::fromLatin1(QCryptographicHash::hash(m_user.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    }

    QTemporaryDir m_dir;
    QString m_user;
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
    SingleInstance first(m_dir.filePath(instanceName() + QStringLiteral(".lock")),
                         m_dir.filePath(instanceName()));
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
