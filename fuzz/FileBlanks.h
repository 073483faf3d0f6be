#pragma once

#include <QString>

// Blanks as the settings file's dialect counts them at a name's or a value's ends when it is read
// (QString::trimmed would also drop U+0085 and U+00A0, which the file keeps).
inline QString trimmedBlanks(const QString &text)
{
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || (c.unicode() >= 0x0A && c.unicode() <= 0x0D)
               || c.unicode() == 0x1A;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}
