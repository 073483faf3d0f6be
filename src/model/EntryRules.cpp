#include "model/EntryRules.h"

#include "model/Numeric.h"
#include "model/mdlZibProcessing.h"
#include "platform/settingsfile/ProfileFile.h"
#include "platform/text/TextCodec.h"

#include <algorithm>

namespace EntryRules {

QString checkSpeedOnLeave(const QString &text)
{
    const auto value = Numeric::toNumber(text);
    if (!value)
        return QStringLiteral("30");
    if (*value > maxCheckSpeed)
        return QString::number(maxCheckSpeed);
    if (*value < minCheckSpeed)
        return QString::number(minCheckSpeed);
    return text;
}

QString triggerOnLeave(const QString &text)
{
    return Numeric::isNumeric(text) ? text : QStringLiteral("5");
}

bool clanTagStorable(const QString &tag)
{
    // A tag in another script takes two to four bytes a character: 200 of them can pass what
    // the file reads back, and a cut tag would count players the user never asked for.
    return std::any_of(tag.cbegin(), tag.cend(), [](QChar c) { return c != u' ' && c != u'\t'; })
        && tag != mdlZibProcessing::endMarker && TextCodec::encode(tag).size() <= ProfileFile::maxValueLength;
}

std::optional<int> intervalMilliseconds(const QString &seconds)
{
    const auto value = Numeric::toNumber(seconds);
    if (!value)
        return std::nullopt;
    return Numeric::toInt32(*value * 1000.0);
}

} // namespace EntryRules
