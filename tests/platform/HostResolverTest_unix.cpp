#include "platform/HostResolver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

// The system's resolver against a DNS server of the test's own that takes every query and never
// answers. It runs in a network and mount namespace of its own: only a loopback there, and a
// resolv.conf that names 127.0.0.1, so no query can leave the machine whatever happens.

namespace {

const char *const insideVariable = "ZIB_DNS_NAMESPACE_RESOLV_CONF";
const char *const innerTest = "HostResolverInNamespace.SilentServerNeitherBlocksNorHoldsACancelledLookUp";

bool bringLoopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    ifreq request {};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = short(request.ifr_flags | IFF_UP);
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

} // namespace

TEST(HostResolverInNamespace, SilentServerNeitherBlocksNorHoldsACancelledLookUp)
{
    const QByteArray resolvConf = qgetenv(insideVariable);
    if (resolvConf.isEmpty())
        GTEST_SKIP() << "runs only inside the namespace the test below makes";
    ASSERT_TRUE(bringLoopbackUp());
    ASSERT_EQ(::mount(resolvConf.constData(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr), 0);
    QFile conf(QStringLiteral("/etc/resolv.conf"));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    ASSERT_TRUE(conf.readAll().startsWith("nameserver 127.0.0.1\n"));

    QUdpSocket server;
    ASSERT_TRUE(server.bind(QHostAddress(QStringLiteral("127.0.0.1")), 53));
    int queries = 0;
    QObject::connect(&server, &QUdpSocket::readyRead, &server, [&] {
        while (server.hasPendingDatagrams()) {
            server.receiveDatagram();
            ++queries;
        }
    });

    QObject context;
    std::optional<QString> answer;
    auto cancelled = std::make_unique<QObject>();
    bool cancelledAnswered = false;
    QElapsedTimer clock;
    clock.start();
    HostResolver::lookUp(QStringLiteral("silent.zib-test.example"), &context, [&](const QString &a) { answer = a; });
    HostResolver::lookUp(QStringLiteral("given-up.zib-test.example"), cancelled.get(),
        [&](const QString &) { cancelledAnswered = true; });
    EXPECT_LT(clock.elapsed(), 500) << "the look-ups are started, not waited for";
    EXPECT_TRUE(QTest::qWaitFor([&] { return queries >= 2; }, 5000)) << "the resolver asked the silent server";
    cancelled.reset();
    // The resolver gives up after the one-second timeout of this resolv.conf.
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    EXPECT_EQ(answer.value_or(QStringLiteral("<none>")), QString()) << "a name nobody answers for does not resolve";
    QTest::qWait(200);
    EXPECT_FALSE(cancelledAnswered) << "a look-up given up never answers";
}

TEST(HostResolverInNamespace, RunsInANamespaceOfItsOwn)
{
    if (!qgetenv(insideVariable).isEmpty())
        GTEST_SKIP() << "this is the inner run";
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() || ::geteuid() != 0)
        GTEST_SKIP() << "needs root and unshare for a network namespace of its own";
    QProcess probe;
    probe.start(
        unshare, { QStringLiteral("--mount"), QStringLiteral("--net"), QStringLiteral("--"), QStringLiteral("true") });
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
        GTEST_SKIP() << "this system allows no new namespaces: " << probe.readAllStandardError().toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString confPath = dir.filePath(QStringLiteral("resolv.conf"));
    QFile conf(confPath);
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("nameserver 127.0.0.1\noptions timeout:1 attempts:1\n");
    conf.close();

    QProcess inner;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(insideVariable), confPath);
    inner.setProcessEnvironment(environment);
    inner.setProcessChannelMode(QProcess::MergedChannels);
    inner.start(unshare,
        { QStringLiteral("--mount"), QStringLiteral("--net"), QStringLiteral("--"),
            QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=") + QLatin1String(innerTest) });
    ASSERT_TRUE(inner.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(inner.readAll());
    EXPECT_EQ(inner.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}
