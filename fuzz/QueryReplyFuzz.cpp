// Any datagram a server or a stranger could send must walk without a crash or an overread, and
// what it yields must fit inside it.
#include "query/QueryDatagrams.h"

#include <QByteArrayView>

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
        if (info->name.size() + info->mapName.size() > datagram.size() || info->maxPlayers < -1)
            std::abort();
    }
    return 0;
}
