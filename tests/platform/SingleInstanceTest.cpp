#include "platform/SingleInstance.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

#include <future>

using namespace std::chrono_literals;

class SingleInstanceTest : public ::testing::Test
{
protected:
    QString lockPath() const { return m_dir.filePath(QStringLiteral("zib.lock")); }
    QTemporaryDir m_dir;
    // A socket name of our own, so a running Zib or a parallel test run is never disturbed.
    const QString m_name = QStringLiteral("zib-test-") + QUuid::createUuid().toString(QUuid::Id128);
};

TEST_F(SingleInstanceTest, ASecondCopyIsTurnedAwayAndBringsTheFirstForward)
{
    SingleInstance first(lockPath(), m_name);
    first.setSettingsPath(QStringLiteral("/home/ann/games/zib 1%.ini"));
    ASSERT_TRUE(first.tryBecomePrimary());
    QSignalSpy asked(&first, &SingleInstance::showRequested);

    SingleInstance second(lockPath(), m_name);
    EXPECT_FALSE(second.tryBecomePrimary(200ms));
    // From a thread of its own, as from a process of its own: on Windows the request is only
    // delivered once the first copy reads it, which it does in its event loop.
    auto told = std::async(std::launch::async, [&second] { return second.notifyPrimary(); });
    EXPECT_TRUE(asked.wait(2000));
    // The answer goes out through the first copy's event loop too.
    EXPECT_TRUE(QTest::qWaitFor([&] { return told.wait_for(0s) == std::future_status::ready; }, 3000));
    EXPECT_TRUE(told.get());
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(second.runningSettingsPath(), QStringLiteral("/home/ann/games/zib 1%.ini")) << "and it says which file it keeps";
}

TEST_F(SingleInstanceTest, AfterTheFirstEndsTheNextCopyRuns)
{
    {
        SingleInstance first(lockPath(), m_name);
        ASSERT_TRUE(first.tryBecomePrimary());
    }
    SingleInstance next(lockPath(), m_name);
    EXPECT_TRUE(next.tryBecomePrimary());
}

TEST_F(SingleInstanceTest, ALockLeftByACrashedCopyIsTakenOver)
{
    // A lock file that nobody answers for: what a copy that died leaves behind.
    QLockFile orphan(lockPath());
    ASSERT_TRUE(orphan.tryLock(0));
    QFile::copy(lockPath(), lockPath() + QStringLiteral(".kept"));
    orphan.unlock();
    ASSERT_TRUE(QFile::rename(lockPath() + QStringLiteral(".kept"), lockPath()));

    SingleInstance next(lockPath(), m_name);
    EXPECT_TRUE(next.tryBecomePrimary(100ms));
    EXPECT_FALSE(SingleInstance(lockPath(), m_name).tryBecomePrimary(100ms)) << "and now holds it";
}

TEST_F(SingleInstanceTest, NobodyToNotifyIsReported)
{
    SingleInstance lone(lockPath(), m_name);
    EXPECT_FALSE(lone.notifyPrimary(100ms));
}

TEST_F(SingleInstanceTest, ACopyInAnotherSessionOfTheAccountIsTurnedAwayAndToldWhere)
{
    SingleInstance first(SingleInstance::Place{lockPath(), m_name, QStringLiteral("1")});
    ASSERT_TRUE(first.tryBecomePrimary());
    for (const QString &session : {QStringLiteral("2"), QStringLiteral("1")}) {
        SingleInstance second(SingleInstance::Place{lockPath(), m_name, session});
        EXPECT_FALSE(second.tryBecomePrimary(200ms));
        auto told = std::async(std::launch::async, [&second] { return second.notifyPrimary(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return told.wait_for(0s) == std::future_status::ready; }, 3000));
        EXPECT_TRUE(told.get());
        EXPECT_EQ(second.runningSession(), QStringLiteral("1"));
        EXPECT_EQ(second.runningElsewhere(), session != QStringLiteral("1")) << "from session " << session.toStdString();
    }
}
