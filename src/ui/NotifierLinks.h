#pragma once

class mainZibWindow;

namespace NotifierLinks {

/// Ties the window's notifier to the rest of the program: a click on a desktop note brings the
/// window forward, its "Join Game" joins as the grid's menu does, the tray shows Windows' notes,
/// and a channel the service refuses is told once in an "ERROR" box.
void connect(mainZibWindow &window);

} // namespace NotifierLinks
