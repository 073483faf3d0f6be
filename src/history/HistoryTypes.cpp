#include "history/HistoryTypes.h"

namespace History {

Pass PassRecord::unpack() const
{
    Pass pass;
    pass.time = time;
    pass.servers.reserve(qsizetype(servers.size()));
    std::size_t hit = 0;
    qsizetype name = 0;
    for (const Server &server : servers) {
        ServerSample &sample = pass.servers.emplaceBack();
        sample.key = server.key;
        sample.players = server.players;
        sample.capacity = server.capacity;
        sample.hits = server.hits;
        sample.answered = server.answered;
        sample.roundTripMs = server.roundTripMs;
        sample.filters.reserve(server.hitCount);
        for (const std::size_t end = hit + std::size_t(server.hitCount); hit < end; ++hit) {
            const Hit &from = hits[hit];
            FilterHit &to = sample.filters.emplaceBack();
            to.tag = tags[from.filter];
            to.count = from.count;
            to.names = names.mid(name, from.nameCount);
            name += from.nameCount;
        }
    }
    return pass;
}

} // namespace History
