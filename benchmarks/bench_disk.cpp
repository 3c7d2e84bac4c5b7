// The look at the disk Save makes before writing over the set's own file:
// size, time and a hash of the bytes against what was recorded at the last
// save.
#include "benchdata.h"

#include "document/gamesetdocument.h"
#include "model/gamesetfile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A board of about 30 KB: full question texts, answers of 130 characters.
GameSet ThirtyKilobyteSet() {
    GameSet game = FullGameSet();
    for (int category = 1; category <= Square::FinalCategory; ++category) {
        for (int question = 1; question <= (category == Square::FinalCategory ? 1 : 5);
             ++question) {
            QuestionRecord& record = game.record({category, question}); // 7: the final
            for (auto& answer : record.Answers)
                answer.set(QString(130, QLatin1Char('a')));
        }
    }
    return game;
}

void BM_SaveChecksDisk(benchmark::State& state) {
    QTemporaryDir folder;
    GameSetDocument document;
    document.replace(ThirtyKilobyteSet(), QString(), true);
    const QString path = folder.filePath(QStringLiteral("set.txt"));
    if (document.save(path).failed())
        qFatal("saving the benchmark set failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(document.fileChangedOnDisk());
    GameSet copy = document.game();
    state.SetLabel(std::to_string(WriteGameSet(copy).size()) + " bytes");
}
BENCHMARK(BM_SaveChecksDisk)->Unit(benchmark::kMicrosecond);

} // namespace
