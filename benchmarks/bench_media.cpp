// Finding a board's media: a Windows set whose 31 media lie beside it in a
// folder of 5,000 files, names in another case than the set gives them.
#include "model/mediafolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct BesideTheSet {
    QTemporaryDir root;
    QStringList stored; // the 31 paths of the board
    MediaFolders folders;

    BesideTheSet() {
        QDir(root.path()).mkpath(QStringLiteral("set/Pictures"));
        for (int index = 0; index < 5000; ++index) {
            QFile file(root.filePath(QStringLiteral("set/Pictures/Photo%1.jpg").arg(index)));
            file.open(QIODevice::WriteOnly);
        }
        // Pairs that hold none of them, as an author's pairs for other boards would.
        folders = MediaFolders({{root.filePath(QStringLiteral("quiz")), QStringLiteral("C:\\Quiz")},
                                {root.filePath(QStringLiteral("old")), QStringLiteral("D:\\Old")}});
        for (int index = 0; index < 31; ++index)
            stored << QStringLiteral("C:\\Quiz\\PICTURES\\photo%1.JPG").arg(index * 150);
    }
};

BesideTheSet& Board() {
    static BesideTheSet board;
    return board;
}

// The first look, folder listing included, as after opening the set.
void BM_LocateBoardMedia(benchmark::State& state) {
    BesideTheSet& board = Board();
    const QString setFolder = board.root.filePath(QStringLiteral("set"));
    for (auto _ : state) {
        const MediaLocator locator(board.folders, setFolder);
        for (const QString& path : board.stored) {
            if (locator.locate(path).isEmpty())
                state.SkipWithError("a medium was not found");
        }
    }
}
BENCHMARK(BM_LocateBoardMedia)->Unit(benchmark::kMillisecond);

// Showing a square again: the result kept.
void BM_LocateKnownMedium(benchmark::State& state) {
    BesideTheSet& board = Board();
    const MediaLocator locator(board.folders, board.root.filePath(QStringLiteral("set")));
    locator.locate(board.stored.first());
    for (auto _ : state)
        benchmark::DoNotOptimize(locator.locate(board.stored.first()));
}
BENCHMARK(BM_LocateKnownMedium)->Unit(benchmark::kMicrosecond);

} // namespace
