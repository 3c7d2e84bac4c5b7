// The spell checker on a full board and on one box as the author types,
// with the system's en_US dictionary.
#include "benchdata.h"

#include "document/gamesetdocument.h"
#include "editor/spellunderline.h"
#include "scriptedservices.h"
#include "spell/spellchecker.h"
#include "spell/spellwalker.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

const DictionaryInfo English{QStringLiteral("en_US"),
                             QStringLiteral("/usr/share/hunspell/en_US.aff"),
                             QStringLiteral("/usr/share/hunspell/en_US.dic")};

// Every field of the board at its width, each text starting with a
// misspelling (192 unknown words). The words come from the dictionary,
// hardly ever repeating (the worst case for a first check), or from a
// sentence of a real question, repeating as a board's words do.
GameSet SpelledBoard(bool distinctWords) {
    QStringList words = QuestionTextOfLength(400).split(QLatin1Char(' '));
    QFile file(English.wordsPath);
    if (distinctWords && file.open(QIODevice::ReadOnly)) {
        words.clear();
        for (int line = 0; !file.atEnd(); ++line) {
            const QByteArray word = file.readLine().trimmed().split('/').first();
            if (line % 5 == 1 && word.size() > 1)
                words.append(QString::fromLatin1(word));
        }
    }
    int next = 0;
    const auto text = [&](int width) {
        QString result = QStringLiteral("Whcih");
        while (!words.isEmpty() && result.size() < width)
            result += QLatin1Char(' ') + words.at(next++ % words.size());
        return result.left(width).section(QLatin1Char(' '), 0, -2);
    };
    GameSet game = FullGameSet();
    for (auto& name : game.CategoryNames)
        name.set(text(32));
    for (int square = 0; square < 31; ++square) {
        QuestionRecord& record =
            square < 30 ? game.question(square / 5 + 1, square % 5 + 1) : game.Final;
        record.QuestionText.set(text(256));
        for (auto& answer : record.Answers)
            answer.set(text(300));
    }
    return game;
}

SpellChecker* LoadedChecker(benchmark::State& state) {
    static SpellChecker checker({English}, QString());
    if (!checker.ensureLoaded()) {
        state.SkipWithError("hunspell-en-us is not installed");
        return nullptr;
    }
    return &checker;
}

// Check Spelling's walk over the whole board, without showing suggestions:
// the first walk after the dictionary is loaded meets every word for the
// first time (cold); later walks find them looked up already (warm).
void BM_SpellCheckBoard(benchmark::State& state) {
    const bool cold = state.range(0) == 0;
    const bool distinct = state.range(1) == 0;
    if (!LoadedChecker(state))
        return;
    GameSetDocument document;
    document.replace(SpelledBoard(distinct), QString(), false);
    std::unique_ptr<SpellChecker> checker;
    int unknown = 0;
    for (auto _ : state) {
        if (cold || !checker) {
            state.PauseTiming();
            checker = std::make_unique<SpellChecker>(QList<DictionaryInfo>{English}, QString());
            checker->ensureLoaded();
            state.ResumeTiming();
        }
        unknown = 0;
        SpellWalker walker(document, *checker);
        for (; walker.next(); walker.skip())
            ++unknown;
    }
    state.SetLabel(QStringLiteral("%1, %2 words, %3 unknown")
                       .arg(cold ? "cold" : "warm", distinct ? "distinct" : "repeating")
                       .arg(unknown)
                       .toStdString());
}
BENCHMARK(BM_SpellCheckBoard)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellCheckBoard)->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// One keystroke in a 256-character question box with the underline on:
// the box's own work, the check and the new marks.
void BM_SpellKeystroke(benchmark::State& state) {
    SpellChecker* checker = LoadedChecker(state);
    if (!checker)
        return;
    GameSetDocument document;
    ScriptedServices services;
    SpellUnderliner underliner(*checker, document, services);
    QLineEdit box;
    box.setText(
        QuestionTextOfLength(255).replace(QStringLiteral("capital"), QStringLiteral("capitel")));
    underliner.attach(&box, 256);
    underliner.setEnabled(state.range(0) == 1);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(&box, typed ? Qt::Key_Backspace : Qt::Key_S);
        typed = !typed;
    }
    state.SetLabel(state.range(0) == 1 ? "spelling on" : "spelling off");
}
BENCHMARK(BM_SpellKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
