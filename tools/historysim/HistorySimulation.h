#pragma once

#include "history/HistoryTypes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>

// A made-up crowd for the history: servers that fill up in the evening and empty at night, and a
// clan "[X]" that plays on a few of them on weekday evenings and weekend afternoons. The same
// inputs give the same passes, so the benchmark and the pictures can be taken again.
namespace HistorySimulation {

inline quint32 mix(quint64 value)
{
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb93fe1d87fd9ULL;
    value ^= value >> 33;
    return quint32(value);
}

inline QString serverKey(int server)
{
    return QStringLiteral("10.%1.%2.%3:27015").arg(server / 65536).arg(server / 256 % 256).arg(server % 256);
}

/// One pass over `servers` servers at `time` (seconds since 1970 UTC; the evening is UTC's).
inline History::Pass pass(qint64 time, int servers)
{
    History::Pass pass;
    pass.time = time;
    pass.servers.reserve(servers);
    const double hour = double(time % 86400) / 3600.0;
    const int weekday = int((time / 86400 + 3) % 7); // 1970-01-01 was a Thursday; 0 is Monday.
    // Busy from the afternoon to midnight, quiet before dawn.
    const double busy = 0.5 + 0.45 * std::sin((hour - 14.0) / 24.0 * 2 * std::numbers::pi);
    for (int s = 0; s < servers; ++s) {
        History::ServerSample sample;
        sample.key = serverKey(s);
        sample.capacity = qint16(s % 3 == 0 ? 32 : s % 3 == 1 ? 20 : 16);
        const quint32 noise = mix(quint64(time / 30) * 1000003ULL + quint64(s));
        const double fill = std::clamp(busy * (0.4 + (s % 10) * 0.06) + (int(noise % 7) - 3) * 0.03, 0.0, 1.0);
        sample.players = qint16(std::lround(fill * sample.capacity));
        sample.answered = noise % 50 != 0;
        sample.roundTripMs = sample.answered ? 20 + int(noise % 60) + (s % 5) * 10 : -1;
        // The clan: weekday evenings from 19 to 23 and weekend afternoons, on servers 0, 7, 14...,
        // not every day, and some of them longer.
        const quint32 day = mix(quint64(time / 86400) * 7919ULL + quint64(s));
        const bool evening = weekday < 5 ? hour >= 19 + day % 2 && hour < 22 + day % 3 : hour >= 14 && hour < 18 + day % 3;
        if (s % 7 == 0 && evening && day % 4 != 0) {
            const int count = 2 + int(day % 3) + int(noise % 2);
            History::FilterHit hit;
            hit.tag = QStringLiteral("[X]");
            hit.count = qint16(std::min<int>(count, sample.players));
            static const QStringList names = {QStringLiteral("[X]Ann"), QStringLiteral("[X]Bo"), QStringLiteral("[X]Cy"),
                                              QStringLiteral("[X]Dee"), QStringLiteral("[X]Eve")};
            for (int n = 0; n < hit.count; ++n)
                hit.names.append(names[(n + int(day % 5)) % names.size()]);
            if (hit.count > 0) {
                sample.hits = hit.count;
                sample.filters.append(hit);
            }
        }
        pass.servers.append(std::move(sample));
    }
    return pass;
}

} // namespace HistorySimulation
