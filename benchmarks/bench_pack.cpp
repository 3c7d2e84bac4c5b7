// Pack for the Game against a plain copy of the same media: 31 files of
// 1 MB, one for each question of the board.
#include "model/gamesetfile.h"
#include "model/mediafolders.h"
#include "pack/pack.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int MediaCount = 31;
constexpr qsizetype MediumSize = 1024 * 1024;

// A board whose every question, the final one too, is a picture of its own.
struct MediaBoard {
    QTemporaryDir folder;
    GameSet game;

    MediaBoard() {
        ResetGameSet(game);
        QDir(folder.path()).mkpath(QStringLiteral("media"));
        QByteArray bytes(MediumSize, Qt::Uninitialized);
        for (int index = 0; index < MediaCount; ++index) {
            QRandomGenerator(quint32(index))
                .fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            const QString path = folder.filePath(QStringLiteral("media/picture%1.jpg").arg(index));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write the benchmark's media");
            QuestionRecord& record =
                index < 30 ? game.question(index / 5 + 1, index % 5 + 1) : game.Final;
            record.QuestionType = QStringLiteral("P");
            record.QuestionText.set(path);
        }
    }
};

void BM_PackThirtyOneMedia(benchmark::State& state) {
    MediaBoard board;
    PackRequest request;
    request.setName = QStringLiteral("Night");
    request.out = board.folder.filePath(QStringLiteral("out"));
    request.gameFolder = QStringLiteral("D:\\Quiz Night");
    request.zip = state.range(0) != 0;
    const QString written = request.out + (request.zip ? QStringLiteral(".zip") : QString());
    for (auto _ : state) {
        state.PauseTiming();
        QDir(written).removeRecursively();
        QFile::remove(written);
        state.ResumeTiming();
        if (PackGameSet(board.game, MediaLocator(), request).error.failed())
            qFatal("the pack failed");
    }
    state.SetLabel(request.zip ? "zip" : "folder");
}
BENCHMARK(BM_PackThirtyOneMedia)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick: "cp -r" of the same 31 files.
void BM_CopyThirtyOneMediaWithCp(benchmark::State& state) {
    MediaBoard board;
    const QString out = board.folder.filePath(QStringLiteral("copy"));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
        if (QProcess::execute(
                QStringLiteral("cp"),
                {QStringLiteral("-r"), board.folder.filePath(QStringLiteral("media")), out}) != 0)
            qFatal("cp failed");
    }
}
BENCHMARK(BM_CopyThirtyOneMediaWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
