#pragma once

#include <optional>

// The code page the system itself keeps for text that is not Unicode, where it has one.
namespace SystemCodePage {

/// Windows' ANSI code page (1251 on a Russian Windows); nothing where the system has none, and
/// the language in use decides.
std::optional<int> ansi();

} // namespace SystemCodePage
