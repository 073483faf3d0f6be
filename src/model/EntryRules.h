#pragma once

#include <QString>

#include <optional>

// What the entry boxes of the options and filters windows do with their text when the user
// leaves them. Kept apart from the widgets so the rules can be checked without a window.
namespace EntryRules {

inline constexpr int minCheckSpeed = 5;
inline constexpr int maxCheckSpeed = 60;

/// The check interval box when it loses the focus: no number gives "30", above 60 gives "60",
/// below 5 gives "5"; anything from 5 to 60 stays exactly as typed, fractions included.
QString checkSpeedOnLeave(const QString &text);

/// The trigger box when it loses the focus: "5" unless the text reads as a number.
QString triggerOnLeave(const QString &text);

/// Whether a clan tag as typed can be stored and read back as the same tag: not blanks alone
/// (the file drops them and would leave an empty tag, which counts every player), not the
/// end-of-list marker, and no longer than a value the file gives back whole.
bool clanTagStorable(const QString &tag);

/// Seconds as typed into the check interval box, in whole milliseconds (7.5 gives 7500);
/// nothing when the text is no number or the result does not fit a timer's interval.
std::optional<int> intervalMilliseconds(const QString &seconds);

} // namespace EntryRules
