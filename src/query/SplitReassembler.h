#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

// Puts a reply that a server split over several datagrams back together. A part carries the
// header FE FF FF FF, a 4-byte id shared by the parts of one reply, and one byte whose high
// nibble is the part's number and low nibble the number of parts; its payload follows.
// Parts of one reply that do not all arrive within the window are thrown away.
class SplitReassembler final
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr qsizetype partHeaderSize = 9;
    /// More unfinished replies than this at once is a flood, not a server: the oldest go first.
    static constexpr std::size_t maxPending = 256;

    /// Files one part from this sender. Returns the whole reply once its last missing part has
    /// come, otherwise nothing. A malformed part, or one whose count disagrees with its
    /// siblings', is dropped (the siblings with it).
    std::optional<QByteArray> add(QByteArrayView part, const QString &senderAddress, qint32 senderPort,
                                  Clock::time_point now, Clock::duration window);

    /// Unfinished replies held.
    std::size_t pending() const { return m_pending.size(); }
    void clear() { m_pending.clear(); }

private:
    using Key = std::tuple<QString, qint32, QByteArray>;
    struct Assembly
    {
        Clock::time_point firstSeen;
        int total = 0;
        int received = 0;
        std::vector<std::optional<QByteArray>> parts;
    };

    void dropExpired(Clock::time_point now, Clock::duration window);
    void dropOldest();

    std::map<Key, Assembly> m_pending;
};
