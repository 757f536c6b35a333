// The riddle store on generated files: opening, the browser's random selection, the quiz's draw
// and a full read, each on an open connection as the program uses them.
#include "bench/RiddleFiles.h"
#include "kit/Seams.h"
#include "quiz/RandomSource.h"
#include "quiz/RiddleDraw.h"
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString AllRiddles = QStringLiteral("select * from tblRiddles");
const QString Top50 = QStringLiteral("select top 50 * from tblRiddles ORDER BY Rnd([id])");

void OpenConnection(Connection& connection, qint64 riddles) {
    connection.Open(RiddleFile::ConnectionString(GeneratedRiddleFile(riddles)));
}

// The first query after opening prepares the store's list of row keys; FirstDraw measures it.
void WarmUp(Connection& connection) {
    RecordSet records;
    records.Open(AllRiddles, connection, RecordSet::CursorType::Static,
                 RecordSet::LockType::ReadOnly);
    benchmark::DoNotOptimize(records.RecordCount());
}

void ReadCurrentRow(RecordSet& records) {
    benchmark::DoNotOptimize(records.Fields(1).Value);
    benchmark::DoNotOptimize(records.Fields(2).Value);
}

void Open(benchmark::State& state) {
    GeneratedRiddleFile(state.range(0));
    for (auto _ : state) {
        Connection connection;
        OpenConnection(connection, state.range(0));
        connection.Close();
    }
}

// Opening plus the first draw, which is where the store prepares its list of row keys.
void FirstDraw(benchmark::State& state) {
    GeneratedRiddleFile(state.range(0));
    for (auto _ : state) {
        Connection connection;
        OpenConnection(connection, state.range(0));
        RecordSet records;
        records.Open(AllRiddles, connection, RecordSet::CursorType::Static,
                     RecordSet::LockType::ReadOnly);
        records.Move(records.RecordCount() / 2);
        ReadCurrentRow(records);
    }
}

void Top(benchmark::State& state) {
    Connection connection;
    OpenConnection(connection, state.range(0));
    WarmUp(connection);
    for (auto _ : state) {
        RecordSet records;
        records.Open(Top50, connection, RecordSet::CursorType::Static,
                     RecordSet::LockType::ReadOnly);
        while (!records.Eof()) {
            ReadCurrentRow(records);
            records.MoveNext();
        }
        records.Close();
    }
}

void Draw(benchmark::State& state) {
    Connection connection;
    OpenConnection(connection, state.range(0));
    WarmUp(connection);
    std::mt19937_64 random(7);
    for (auto _ : state) {
        RecordSet records;
        records.Open(AllRiddles, connection, RecordSet::CursorType::Static,
                     RecordSet::LockType::ReadOnly);
        const qint64 count = records.RecordCount();
        records.Move(std::uniform_int_distribution<qint64>(0, count - 1)(random));
        ReadCurrentRow(records);
        records.Close();
    }
}

// The quiz's own draw: the query, the count, the move, the riddle cleaned into its record.
void QuizDraw(benchmark::State& state) {
    class NoPointer final : public PointerSetting {
    public:
        Pointer MousePointer() const override { return Pointer::Default; }
        void SetMousePointer(Pointer) override {}
    } pointer;
    TimeSeededRandom random;
    Connection connection;
    OpenConnection(connection, state.range(0));
    WarmUp(connection);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadRandomRiddle(connection, random, pointer));
    }
}

void ReadAll(benchmark::State& state) {
    Connection connection;
    OpenConnection(connection, state.range(0));
    for (auto _ : state) {
        RecordSet records;
        records.Open(AllRiddles, connection, RecordSet::CursorType::Static,
                     RecordSet::LockType::ReadOnly);
        while (!records.Eof()) {
            ReadCurrentRow(records);
            records.MoveNext();
        }
        records.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(Open)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstDraw)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Top)->Name("Top50")->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Draw)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(QuizDraw)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAll)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
