// Walking and folding one reply, the whole of the work a reply costs the UI thread.

#include "HlReplies.h"
#include "model/mdlZibProcessing.h"
#include "query/QueryDatagrams.h"
#include "query/SplitReassembler.h"

#include <benchmark/benchmark.h>

namespace {

HlReplies::ServerDescription fullServer()
{
    HlReplies::ServerDescription server;
    server.name = "Benchmark Arena | 24/7 crossfire | fast downloads";
    server.mapName = "crossfire";
    server.maxPlayers = 32;
    for (int i = 0; i < 32; ++i)
        server.playerNames.append("[X]Player_number_" + QByteArray::number(i));
    return server;
}

// The same reply as today's servers send it for a crowd of many scripts: every name UTF-8.
HlReplies::ServerDescription utf8Server()
{
    static const char *const clans[] = {"[Дк]", "★", "清水", "Ω™", "🔥"};
    HlReplies::ServerDescription server = fullServer();
    server.name = QStringLiteral("Арена ★ 24/7 | 清水 | быстрые загрузки").toUtf8();
    for (int i = 0; i < 32; ++i)
        server.playerNames[i] = QByteArray(clans[i % 5]) + QStringLiteral("Игрок_номер_").toUtf8() + QByteArray::number(i);
    return server;
}

// A list of 300 servers, the reply coming from the last: findServerNumber walks them all.
void fillServerList()
{
    mdlZibProcessing::gameServers.clear();
    for (qint16 n = 1; n <= 300; ++n) {
        auto server = std::make_shared<GameServer>();
        server->setAddress(QStringLiteral("127.0.0.1"));
        server->setPort(27000 + n);
        server->setServerNumber(n);
        mdlZibProcessing::gameServers.append(server);
    }
}

void foldReply(benchmark::State &state, const QByteArray &reply)
{
    fillServerList();
    const QString sender = QStringLiteral("127.0.0.1");
    for (auto _ : state)
        benchmark::DoNotOptimize(QueryDatagrams::handleReply(reply, sender, 27300));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * reply.size());
    mdlZibProcessing::gameServers.clear();
}

void BM_PlayersReply32(benchmark::State &state)
{
    foldReply(state, HlReplies::playersReply(fullServer()));
}
BENCHMARK(BM_PlayersReply32);

void BM_PlayersReply32Utf8(benchmark::State &state)
{
    foldReply(state, HlReplies::playersReply(utf8Server()));
}
BENCHMARK(BM_PlayersReply32Utf8);

void BM_InfoReply(benchmark::State &state)
{
    foldReply(state, HlReplies::infoReply(fullServer(), "127.0.0.1:27300"));
}
BENCHMARK(BM_InfoReply);

void BM_ParsePlayersReply32(benchmark::State &state)
{
    const QByteArray reply = HlReplies::playersReply(fullServer());
    for (auto _ : state)
        benchmark::DoNotOptimize(QueryDatagrams::parseReply(reply));
}
BENCHMARK(BM_ParsePlayersReply32);

void BM_ParsePlayersReply32Utf8(benchmark::State &state)
{
    const QByteArray reply = HlReplies::playersReply(utf8Server());
    for (auto _ : state)
        benchmark::DoNotOptimize(QueryDatagrams::parseReply(reply));
}
BENCHMARK(BM_ParsePlayersReply32Utf8);

void BM_BinaryInfoReply(benchmark::State &state)
{
    foldReply(state, HlReplies::binaryInfoReply(fullServer()));
}
BENCHMARK(BM_BinaryInfoReply);

// A 32-player reply in four parts, put back together and walked.
void BM_SplitPlayersReply32(benchmark::State &state)
{
    const QByteArray reply = HlReplies::playersReply(fullServer());
    const QList<QByteArray> parts = HlReplies::splitReply(reply, reply.size() / 4 + 1, 7);
    const QString sender = QStringLiteral("127.0.0.1");
    SplitReassembler reassembler;
    const auto now = SplitReassembler::Clock::now();
    for (auto _ : state) {
        std::optional<QByteArray> whole;
        for (const QByteArray &part : parts)
            whole = reassembler.add(part, sender, 27300, now, std::chrono::seconds(5));
        benchmark::DoNotOptimize(QueryDatagrams::parseReply(*whole));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * reply.size());
}
BENCHMARK(BM_SplitPlayersReply32);

} // namespace

BENCHMARK_MAIN();
