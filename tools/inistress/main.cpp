// Rewrites a settings file as fast as it can, for ever, so a test can kill it at random moments
// and check that the file is always whole: one key, or with --batch N the same counter in N
// sections at once, each round one batch written once. With --set, writes one key once: another
// program's edit, for the tests of what a save keeps.
#include "platform/settingsfile/ProfileFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 6 && args[2] == QStringLiteral("--set")) {
        ProfileFile::Batch batch(args[1]);
        batch.writeString(args[3], args[4], args[5]);
        if (batch.commit())
            return 0;
        QTextStream(stderr) << batch.errorString() << Qt::endl;
        return 1;
    }
    const bool batched = args.size() == 4 && args[2] == QStringLiteral("--batch");
    if ((args.size() != 2 && !batched) || args[1] == QStringLiteral("--help")) {
        QTextStream(stdout) << "usage: inistress FILE [--batch N]\n"
                               "       inistress FILE --set SECTION KEY VALUE\n"
                               "Writes [stress] counter=1, 2, 3, ... into FILE until killed; with --batch,\n"
                               "[stress 1] to [stress N] each get the counter, in one write per round.\n"
                               "With --set, writes the one key once and says why when it cannot.\n";
        return args.size() == 2 ? 0 : 2;
    }
    const QString path = args[1];
    const int sections = batched ? std::max(1, args[3].toInt()) : 0;
    QTextStream out(stdout);
    for (quint64 i = 1;; ++i) {
        bool written = false;
        if (batched) {
            ProfileFile::Batch batch(path);
            for (int s = 1; s <= sections; ++s)
                batch.writeString(QStringLiteral("stress %1").arg(s), QStringLiteral("counter"), QString::number(i));
            written = batch.commit();
        } else {
            written = ProfileFile::writeString(path, QStringLiteral("stress"), QStringLiteral("counter"), QString::number(i));
        }
        if (!written)
            return 1;
        if (i == 1)
            out << "writing" << Qt::endl;
    }
}
