#include "platform/DesktopEntry.h"

namespace DesktopEntry {

namespace {

bool needsQuotes(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument) {
        if (reserved.contains(c))
            return true;
    }
    return false;
}

// The quoting the desktop undoes when it splits the command into arguments.
QString quoted(const QString &argument)
{
    if (!needsQuotes(argument))
        return argument;
    QString text = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            text += u'\\';
        text += c;
    }
    return text + u'"';
}

// Every value of a desktop entry is read as a string first, with its own escapes, before the
// Exec key's quoting is undone: a backslash of the quoting must itself be escaped.
QString escapedString(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            text += QStringLiteral("\\\\");
            break;
        case u'\n':
            text += QStringLiteral("\\n");
            break;
        case u'\t':
            text += QStringLiteral("\\t");
            break;
        case u'\r':
            text += QStringLiteral("\\r");
            break;
        default:
            text += c;
        }
    }
    return text;
}

} // namespace

QString execValue(const QStringList &argv)
{
    QStringList run = argv;
    // Launchers look the program up before they turn %% back into %, and one that cannot find
    // it ignores the entry. A program whose path holds a % is started through the shell, whose
    // name holds none.
    if (!run.isEmpty() && run.first().contains(u'%'))
        run = QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$@\"")} + run;
    QStringList parts;
    parts.reserve(run.size());
    for (const QString &argument : run) {
        // A lone % starts a field code (%f, %u, ...), in quotes or not.
        QString part = quoted(argument);
        part.replace(u'%', QStringLiteral("%%"));
        parts.append(part);
    }
    return escapedString(parts.join(u' '));
}

} // namespace DesktopEntry
