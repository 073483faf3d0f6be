// Rewrites one key of a settings file as fast as it can, for ever, so a test can kill it at
// random moments and check that the file is always whole.
#include "platform/ProfileFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1] == QStringLiteral("--help")) {
        QTextStream(stdout) << "usage: inistress FILE\n"
                               "Writes [stress] counter=1, 2, 3, ... into FILE until killed.\n";
        return args.size() == 2 ? 0 : 2;
    }
    const QString path = args[1];
    QTextStream out(stdout);
    for (quint64 i = 1;; ++i) {
        if (!ProfileFile::writeString(path, QStringLiteral("stress"), QStringLiteral("counter"), QString::number(i)))
            return 1;
        if (i == 1)
            out << "writing" << Qt::endl;
    }
}
