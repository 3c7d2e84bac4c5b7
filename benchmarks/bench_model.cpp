// Reading and writing a whole game set from memory, import and listing.
#include "benchdata.h"

#include "import/tabimport.h"
#include "model/gamesetfile.h"
#include "print/listing.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

QByteArray writeToMemory(GameSet& game) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (WriteGameSet(game, buffer).failed())
        qFatal("writing to memory failed");
    return buffer.data();
}

QByteArray inputFor(int which) {
    if (which == 0)
        return ExampleGameSetBytes();
    GameSet full = FullGameSet();
    return WriteGameSet(full);
}

const char* nameOf(int which) {
    return which == 0 ? "example" : "full";
}

void BM_ReadGameSet(benchmark::State& state) {
    const QByteArray bytes = inputFor(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadGameSet(bytes));
    state.SetLabel(nameOf(static_cast<int>(state.range(0))));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadGameSet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WriteGameSet(benchmark::State& state) {
    GameSet game = ReadGameSet(inputFor(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(writeToMemory(game));
    state.SetLabel(nameOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_WriteGameSet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What opening then saving costs in the model: the 100 µs budget.
void BM_ReadThenWriteGameSet(benchmark::State& state) {
    const QByteArray bytes = inputFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        GameSet game = ReadGameSet(bytes);
        benchmark::DoNotOptimize(writeToMemory(game));
    }
    state.SetLabel(nameOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadThenWriteGameSet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ImportTabDelimited(benchmark::State& state) {
    const QByteArray bytes = TabDelimitedBoard();
    for (auto _ : state) {
        GameSet game;
        ResetGameSet(game);
        benchmark::DoNotOptimize(ImportTabDelimited(game, QByteArrayView(bytes)));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ImportTabDelimited)->Unit(benchmark::kMicrosecond);

// A board as Calc writes it with quotes on: every cell quoted, with doubled
// quotes and a line break inside, LF line ends; the shape check included.
void BM_ImportQuotedBoard(benchmark::State& state) {
    QByteArray bytes;
    const QByteArray question = "\"Which \"\"city\"\" on the river\nis the capital?\"";
    for (int row = 1; row <= 68; ++row) {
        const bool answers =
            (row <= 66 && (row - 1) % 11 != 0 && (row - 1) % 11 % 2 == 0) || row == 68;
        bytes += answers ? "\"Paris\"\t\"\"\"A\"\" Rome\"\t\"Paris\"\t\"Oslo\"\t\"Bern\"\n"
                         : question + "\t\t\t\t\n";
    }
    for (auto _ : state) {
        GameSet game;
        ResetGameSet(game);
        benchmark::DoNotOptimize(ImportTabDelimitedChecked(game, QByteArrayView(bytes)));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ImportQuotedBoard)->Unit(benchmark::kMicrosecond);

void BM_BuildListing(benchmark::State& state) {
    const GameSet game = ReadGameSet(ExampleGameSetBytes());
    const DollarValues dollars = DollarValuesFor(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            BuildListing(game, PrintMode::All, dollars, QStringLiteral("world-tour")));
    }
}
BENCHMARK(BM_BuildListing)->Unit(benchmark::kMicrosecond);

} // namespace
