#pragma once

#include <QtGlobal>

#include <functional>

// Whether the machine is online, in the shape the start-up decision was written against:
// a yes or no, and with a yes a word of connection flags.
namespace ConnectionState {

// The flag values of the connection word. Only `modemBusy` means anything to the start-up rule.
inline constexpr quint32 modem = 0x01;
inline constexpr quint32 lan = 0x02;
inline constexpr quint32 proxy = 0x04;
inline constexpr quint32 modemBusy = 0x08;
inline constexpr quint32 offline = 0x20;

struct State
{
    bool connected = false;
    quint32 flags = 0;
};

/// Start online only when connected and the flags are not exactly "modem busy"; a word with
/// that bit and others set still counts as online.
bool startsOnline(const State &state);

/// Asks the system: the network information backend when one loads and knows the answer,
/// otherwise any running interface other than loopback that has an IPv4 address.
State current();

/// What the main window calls; tests put a fixed answer in its place.
using Test = std::function<State()>;

} // namespace ConnectionState
