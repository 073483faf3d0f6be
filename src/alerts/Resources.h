#pragma once

// The pictures compiled into the program (":/ALERTPICTURE", ":/zib-icon"). They live in a static
// library, whose resource registration the linker may drop; call this before loading them.
namespace Resources {

void ensureLoaded();

} // namespace Resources
