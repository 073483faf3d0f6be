#include "platform/LinkHandlers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

// An xdg-mime that answers the query with this script body.
QString fakeXdgMime(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath(QStringLiteral("xdg-mime"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#!/bin/sh\n[ \"$1 $2 $3\" = \"query default x-scheme-handler/steam\" ] || exit 9\n" + body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(LinkHandlers, AsksXdgMimeForTheSchemesProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto steam = QStringLiteral("steam");
    EXPECT_EQ(LinkHandlers::hasHandler(steam, fakeXdgMime(dir, "echo steam.desktop\n")), std::optional<bool>(true));
    EXPECT_EQ(LinkHandlers::hasHandler(steam, fakeXdgMime(dir, "exit 0\n")), std::optional<bool>(false));
    EXPECT_EQ(LinkHandlers::hasHandler(steam, fakeXdgMime(dir, "exit 4\n")), std::optional<bool>(false));
    // A failing or hanging tool, or none at all, tells nothing.
    EXPECT_EQ(LinkHandlers::hasHandler(steam, fakeXdgMime(dir, "exit 3\n")), std::nullopt);
    EXPECT_EQ(LinkHandlers::hasHandler(steam, fakeXdgMime(dir, "exec sleep 10\n")), std::nullopt);
    EXPECT_EQ(LinkHandlers::hasHandler(steam, dir.filePath(QStringLiteral("missing"))), std::nullopt);
}

#endif
