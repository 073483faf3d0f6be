#include "query/SplitReassembler.h"

#include "query/QueryDatagrams.h"

#include <algorithm>

namespace {

constexpr qsizetype idOffset = 4;
constexpr qsizetype idSize = 4;
constexpr qsizetype numberingOffset = 8;

} // namespace

std::optional<QByteArray> SplitReassembler::add(QByteArrayView part, const QString &senderAddress,
                                                qint32 senderPort, Clock::time_point now, Clock::duration window)
{
    dropExpired(now, window);
    if (!QueryDatagrams::isSplitPart(part) || part.size() < partHeaderSize)
        return std::nullopt;
    const auto numbering = static_cast<quint8>(part[numberingOffset]);
    const int number = numbering >> 4;
    const int total = numbering & 0x0F;
    if (total == 0 || number >= total)
        return std::nullopt;

    const Key key{senderAddress, senderPort, part.sliced(idOffset, idSize).toByteArray()};
    auto it = m_pending.find(key);
    if (it != m_pending.end() && it->second.total != total) {
        m_pending.erase(it);
        return std::nullopt;
    }
    if (it == m_pending.end()) {
        if (m_pending.size() >= maxPending)
            dropOldest();
        Assembly fresh;
        fresh.firstSeen = now;
        fresh.total = total;
        fresh.parts.resize(static_cast<std::size_t>(total));
        it = m_pending.emplace(key, std::move(fresh)).first;
    }
    Assembly &assembly = it->second;
    auto &slot = assembly.parts[static_cast<std::size_t>(number)];
    // A repeated part (a resend, or a duplicate on the wire) changes nothing.
    if (slot)
        return std::nullopt;
    slot = part.sliced(partHeaderSize).toByteArray();
    if (++assembly.received < assembly.total)
        return std::nullopt;

    QByteArray whole;
    for (const auto &piece : assembly.parts)
        whole.append(*piece);
    m_pending.erase(it);
    return whole;
}

void SplitReassembler::dropExpired(Clock::time_point now, Clock::duration window)
{
    std::erase_if(m_pending, [&](const auto &entry) { return now - entry.second.firstSeen > window; });
}

void SplitReassembler::dropOldest()
{
    const auto oldest = std::min_element(m_pending.begin(), m_pending.end(), [](const auto &a, const auto &b) {
        return a.second.firstSeen < b.second.firstSeen;
    });
    if (oldest != m_pending.end())
        m_pending.erase(oldest);
}
