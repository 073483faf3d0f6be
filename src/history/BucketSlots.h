#pragma once

#include "history/HistoryTypes.h"

#include <QByteArray>

#include <array>

// A day of one server in 96 buckets of 15 minutes, as one row stores it: 11 bytes a bucket, the
// means in hundredths.
namespace History {

constexpr int slotsPerDay = int(86400 / bucketSeconds);
constexpr int slotBytes = 11;

inline qint64 dayOf(qint64 t)
{
    return t >= 0 ? t / 86400 : (t - 86399) / 86400;
}

inline int slotOf(qint64 t)
{
    return int((t - dayOf(t) * 86400) / bucketSeconds);
}

/// One bucket while checks are summed into it.
struct Slot
{
    int checks = 0;
    int answered = 0;
    int capacity = 0;
    int playersPeak = 0;
    int hitsPeak = 0;
    double playersSum = 0;
    double hitsSum = 0;
    double roundTripSum = 0;
    int roundTrips = 0;

    SeriesPoint point(qint64 time) const;
};

class DaySlots
{
public:
    void add(int slot, bool answered, int players, int capacity, int hits, int roundTripMs);
    /// Adds a stored day's buckets to these, so a bucket summed twice keeps both halves.
    void mergeStored(const QByteArray &stored);
    QByteArray encode() const;
    static DaySlots decode(const QByteArray &stored);
    const Slot &operator[](int slot) const { return m_slots[std::size_t(slot)]; }

private:
    std::array<Slot, slotsPerDay> m_slots{};
};

} // namespace History
