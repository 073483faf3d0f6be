#include "platform/CommandLine.h"

#include <QDir>

#include <gtest/gtest.h>

using Action = CommandLine::Result::Action;

namespace {

CommandLine::Result parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("/usr/bin/zib"));
    return CommandLine::parse(arguments, QStringLiteral("1.2"));
}

} // namespace

TEST(CommandLine, NoArgumentsRunsShownWithTheUsualSettings)
{
    const CommandLine::Result result = parse({});
    EXPECT_EQ(result.action, Action::Run);
    EXPECT_TRUE(result.settingsPath.isEmpty());
    EXPECT_FALSE(result.minimized);
}

TEST(CommandLine, HelpAndVersionAnswerWithoutRunning)
{
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const CommandLine::Result help = parse({QStringLiteral("--minimized"), option});
        EXPECT_EQ(help.action, Action::ShowHelp);
        EXPECT_TRUE(help.text.startsWith(QStringLiteral("Usage: zib [options]\n"))) << help.text.toStdString();
        for (const char *listed : {"--settings <file>", "--minimized", "--version", "--help"})
            EXPECT_TRUE(help.text.contains(QLatin1String(listed))) << listed;
    }
    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const CommandLine::Result version = parse({option});
        EXPECT_EQ(version.action, Action::ShowVersion);
        EXPECT_TRUE(version.text.startsWith(QStringLiteral("zib 1.2\nLicense GPL-3.0-or-later"))) << qPrintable(version.text);
    }
}

TEST(CommandLine, SettingsFileIsMadeAbsoluteAndMinimizedIsKept)
{
    const CommandLine::Result result = parse({QStringLiteral("--settings"), QStringLiteral("mine.ini"), QStringLiteral("--minimized")});
    EXPECT_EQ(result.action, Action::Run);
    EXPECT_EQ(result.settingsPath, QDir::current().absoluteFilePath(QStringLiteral("mine.ini")));
    EXPECT_TRUE(result.minimized);

    // Absolute as the system reads it: on Windows that takes a drive.
    const QString absolute = QDir::temp().filePath(QStringLiteral("z/other.ini"));
    const CommandLine::Result joined = parse({QStringLiteral("--settings=") + absolute});
    EXPECT_EQ(joined.settingsPath, absolute);
    EXPECT_FALSE(joined.minimized);
}

TEST(CommandLine, MistakesFailWithAHint)
{
    const QList<QStringList> mistakes = {
        {QStringLiteral("--settings")},
        {QStringLiteral("--settings"), QString()},
        {QStringLiteral("--settings"), QStringLiteral("a.ini"), QStringLiteral("--settings"), QStringLiteral("b.ini")},
        {QStringLiteral("--settings"), QDir::tempPath()},
        {QStringLiteral("--minimised")},
        {QStringLiteral("servers.ini")},
    };
    for (const QStringList &arguments : mistakes) {
        const CommandLine::Result result = parse(arguments);
        EXPECT_EQ(result.action, Action::Fail) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.text.startsWith(QStringLiteral("zib: "))) << result.text.toStdString();
        EXPECT_TRUE(result.text.endsWith(QStringLiteral("Try 'zib --help'.\n"))) << result.text.toStdString();
    }
}

TEST(CommandLine, LanguageIsTakenAsGivenAndMustNameOne)
{
    EXPECT_TRUE(parse({}).language.isEmpty());
    EXPECT_EQ(parse({QStringLiteral("--language"), QStringLiteral("pt_BR")}).language, QStringLiteral("pt_BR"));
    EXPECT_EQ(parse({QStringLiteral("--language=ru")}).language, QStringLiteral("ru"));
    EXPECT_EQ(parse({QStringLiteral("--language"), QStringLiteral(" ")}).action, Action::Fail);
    EXPECT_EQ(parse({QStringLiteral("--language")}).action, Action::Fail);
}
