#include "history/BucketSlots.h"

#include <algorithm>
#include <cmath>

namespace History {

namespace {

int byteOf(int value)
{
    return std::clamp(value, 0, 255);
}

quint16 hundredths(double value)
{
    return quint16(std::clamp(std::lround(value * 100), 0L, 65534L));
}

void put16(char *at, quint16 value)
{
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
}

quint16 get16(const char *at)
{
    return quint16(quint8(at[0]) | (quint8(at[1]) << 8));
}

constexpr quint16 noRoundTrip = 0xFFFF;

} // namespace

SeriesPoint Slot::point(qint64 time) const
{
    SeriesPoint p;
    p.time = time;
    p.playersPeak = playersPeak;
    p.capacity = capacity;
    p.hitsPeak = hitsPeak;
    if (checks > 0) {
        p.playersMean = playersSum / checks;
        p.hitsMean = hitsSum / checks;
        p.answered = double(answered) / checks;
    }
    p.roundTripMs = roundTrips > 0 ? int(std::lround(roundTripSum / roundTrips)) : -1;
    return p;
}

void DaySlots::add(int slot, bool answered, int players, int capacity, int hits, int roundTripMs)
{
    Slot &s = m_slots[std::size_t(std::clamp(slot, 0, slotsPerDay - 1))];
    ++s.checks;
    s.answered += answered ? 1 : 0;
    s.capacity = std::max(s.capacity, capacity);
    s.playersPeak = std::max(s.playersPeak, players);
    s.hitsPeak = std::max(s.hitsPeak, hits);
    s.playersSum += players;
    s.hitsSum += hits;
    if (roundTripMs >= 0) {
        s.roundTripSum += roundTripMs;
        ++s.roundTrips;
    }
}

void DaySlots::mergeStored(const QByteArray &stored)
{
    const DaySlots old = decode(stored);
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        Slot &s = m_slots[i];
        const Slot &o = old.m_slots[i];
        s.checks += o.checks;
        s.answered += o.answered;
        s.capacity = std::max(s.capacity, o.capacity);
        s.playersPeak = std::max(s.playersPeak, o.playersPeak);
        s.hitsPeak = std::max(s.hitsPeak, o.hitsPeak);
        s.playersSum += o.playersSum;
        s.hitsSum += o.hitsSum;
        s.roundTripSum += o.roundTripSum;
        s.roundTrips += o.roundTrips;
    }
}

QByteArray DaySlots::encode() const
{
    QByteArray bytes(slotsPerDay * slotBytes, '\0');
    char *at = bytes.data();
    for (const Slot &s : m_slots) {
        // Counts past a byte are scaled down together, so the means and the share answered hold.
        const double scale = s.checks > 255 ? 255.0 / s.checks : 1.0;
        at[0] = char(byteOf(int(std::lround(s.checks * scale))));
        at[1] = char(byteOf(int(std::lround(s.answered * scale))));
        at[2] = char(byteOf(s.capacity));
        at[3] = char(byteOf(s.playersPeak));
        at[4] = char(byteOf(s.hitsPeak));
        put16(at + 5, s.checks > 0 ? hundredths(s.playersSum / s.checks) : 0);
        put16(at + 7, s.checks > 0 ? hundredths(s.hitsSum / s.checks) : 0);
        put16(at + 9, s.roundTrips > 0 ? quint16(std::clamp(std::lround(s.roundTripSum / s.roundTrips), 0L, 65534L))
                                       : noRoundTrip);
        at += slotBytes;
    }
    return bytes;
}

DaySlots DaySlots::decode(const QByteArray &stored)
{
    DaySlots day;
    if (stored.size() != slotsPerDay * slotBytes)
        return day;
    const char *at = stored.constData();
    for (Slot &s : day.m_slots) {
        s.checks = quint8(at[0]);
        s.answered = quint8(at[1]);
        s.capacity = quint8(at[2]);
        s.playersPeak = quint8(at[3]);
        s.hitsPeak = quint8(at[4]);
        s.playersSum = get16(at + 5) / 100.0 * s.checks;
        s.hitsSum = get16(at + 7) / 100.0 * s.checks;
        const quint16 roundTrip = get16(at + 9);
        // The mean counts as many times as the bucket's answers, which is what it was taken over.
        s.roundTrips = roundTrip == noRoundTrip ? 0 : std::max(1, s.answered);
        s.roundTripSum = roundTrip == noRoundTrip ? 0 : double(roundTrip) * s.roundTrips;
        at += slotBytes;
    }
    return day;
}

} // namespace History
