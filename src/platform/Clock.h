#pragma once

#include <QDateTime>

#include <functional>

// Where the program asks the time, so tests can stand at 10:00:59 and step to 10:01:00.
namespace Clock {

using Source = std::function<QDateTime()>;

/// The current local date-time, from the system clock unless a test put its own source in place.
QDateTime now();

/// Replaces the source; an empty source returns to the system clock.
void setSource(Source source);

} // namespace Clock
