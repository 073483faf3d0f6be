// Any datagram a server or a stranger could send must walk without a crash or an overread, and
// what it yields must fit inside it. The same bytes fed as a split part must never make the
// reassembler return more than it was given.
#include "query/QueryDatagrams.h"
#include "query/SplitReassembler.h"

#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A view of exactly the input's bytes, so the sanitizer catches a read one byte past them.
    const QByteArrayView datagram(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QueryDatagrams::Reply reply = QueryDatagrams::parseReply(datagram);
    if (const auto *players = std::get_if<QueryDatagrams::PlayersReply>(&reply)) {
        qsizetype characters = 0;
        for (const QString &name : players->playerNames)
            characters += name.size() + 2;
        if (characters > datagram.size() - 6)
            std::abort();
    } else if (const auto *info = std::get_if<QueryDatagrams::InfoReply>(&reply)) {
        if (info->name.size() + info->mapName.size() > datagram.size() || info->maxPlayers < -1
            || info->maxPlayers > 255)
            std::abort();
    } else if (const auto *challenge = std::get_if<QueryDatagrams::ChallengeReply>(&reply)) {
        if (challenge->challenge.size() != 4)
            std::abort();
    }
    if (QueryDatagrams::isSplitPart(datagram)) {
        // Fed twice, as a duplicate on the wire would be: one part is all there is of it.
        SplitReassembler reassembler;
        const auto now = SplitReassembler::Clock::now();
        for (int copy = 0; copy < 2; ++copy) {
            const auto whole = reassembler.add(datagram, QStringLiteral("10.0.0.1"), 27015, now, std::chrono::seconds(5));
            if (whole && whole->size() > datagram.size() - SplitReassembler::partHeaderSize)
                std::abort();
        }
    }
    return 0;
}
