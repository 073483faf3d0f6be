#pragma once

#include <QString>

#include <optional>

// The one place where text becomes a number. Settings, ports, triggers and intervals all pass
// through here, so "what counts as a number" and "how a fraction rounds" never drift apart.
namespace Numeric {

/// True for a decimal number with optional surrounding blanks, an optional sign, an optional
/// decimal point and an optional exponent ("45", " -7.5 ", ".5", "1.", "1e3"); false for empty text.
bool isNumeric(const QString &text);

/// The value of numeric text, or nothing when isNumeric() says no.
std::optional<double> toNumber(const QString &text);

/// Nearest integer, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2, 6.5 -> 6, 7.5 -> 8).
double roundHalfEven(double value);

/// Numeric text rounded half to even; nothing when it is not numeric or does not fit.
std::optional<qint16> toInt16(const QString &text);
std::optional<qint32> toInt32(const QString &text);

/// The same for a number already in hand.
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

/// Adds without wrapping: counts that would pass the 16-bit range stop at its edge.
qint16 saturatingAdd(qint16 a, qint16 b);

} // namespace Numeric
