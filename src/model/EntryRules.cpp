#include "model/EntryRules.h"

#include "model/Numeric.h"

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

std::optional<int> intervalMilliseconds(const QString &seconds)
{
    const auto value = Numeric::toNumber(seconds);
    if (!value)
        return std::nullopt;
    return Numeric::toInt32(*value * 1000.0);
}

} // namespace EntryRules
