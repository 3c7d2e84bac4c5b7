// The check engine on a whole board, after one keystroke, on a file, and the
// spreadsheet export.
#include "benchdata.h"

#include "import/tabexport.h"
#include "model/gamesetcheck.h"
#include "model/gamesetfile.h"
#include "preview/checkprobes.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

CheckProbes ProbesFor(const benchmark::State& state) {
    return state.range(0) == 0 ? CheckProbes() : PreviewCheckProbes();
}

const char* LabelFor(const benchmark::State& state) {
    return state.range(0) == 0 ? "engine only" : "with the preview fit";
}

// The 1 ms budget of a full check without media decoding.
void BM_CheckGameSet(benchmark::State& state) {
    const GameSet game = ReadGameSet(ExampleGameSetBytes());
    const CheckProbes probes = ProbesFor(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckGameSet(game, probes));
    state.SetLabel(LabelFor(state));
}
BENCHMARK(BM_CheckGameSet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the check panel redoes after a keystroke in one question.
void BM_CheckAfterKeystroke(benchmark::State& state) {
    const GameSet game = ReadGameSet(ExampleGameSetBytes());
    const CheckProbes probes = ProbesFor(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckSquare(game, {3, 2}, probes));
        benchmark::DoNotOptimize(CheckAcrossBoard(game));
    }
    state.SetLabel(LabelFor(state));
}
BENCHMARK(BM_CheckAfterKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One file of "quizmora-tool check": its lines, then the set read from it.
void BM_CheckGameSetFile(benchmark::State& state) {
    QByteArray bytes = ExampleGameSetBytes();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const CheckProbes probes = ProbesFor(state);
    for (auto _ : state) {
        buffer.seek(0);
        benchmark::DoNotOptimize(CheckGameSetFile(buffer, probes));
    }
    state.SetLabel(LabelFor(state));
}
BENCHMARK(BM_CheckGameSetFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ExportTabDelimited(benchmark::State& state) {
    const GameSet game = ReadGameSet(ExampleGameSetBytes());
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportTabDelimited(game, TextEncoding::Windows1252));
}
BENCHMARK(BM_ExportTabDelimited)->Unit(benchmark::kMicrosecond);

} // namespace
