// Fitting the question preview, through the real editor window.
#include "benchdata.h"

#include "editor/frmEditor.h"
#include "scriptedservices.h"

#include <QLabel>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

// Bytes the C heap hands out at the moment.
qint64 HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<qint64>(info.uordblks + info.hblkhd);
}

// One window for all runs, loaded as at start-up.
struct EditorFixture {
    GameSetDocument document;
    ScriptedServices services;
    std::unique_ptr<frmEditor> window;

    EditorFixture() {
        window = std::make_unique<frmEditor>(document, services);
        window->Form_Load();
        window->show();
    }
};

EditorFixture& fixture() {
    // Never destroyed: a static's destructor would run after main's
    // QApplication is gone, and a window cannot be deleted then.
    static EditorFixture* const instance = new EditorFixture;
    return *instance;
}

void BM_FitQuestionPreview(benchmark::State& state) {
    frmEditor& window = *fixture().window;
    auto* preview = window.findChild<QLabel*>(QStringLiteral("lblDisPlayQuestion"));
    if (!preview) {
        state.SkipWithError("no lblDisPlayQuestion");
        return;
    }
    const QString text = QuestionTextOfLength(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        preview->setText(text);
        window.m_panel->FitQuestionPreview();
    }
    state.counters["points"] = preview->font().pointSize();
}
BENCHMARK(BM_FitQuestionPreview)->Arg(5)->Arg(60)->Arg(256)->Unit(benchmark::kMicrosecond);

// One keystroke in the question box of a 256-character question: the
// document edit with its undo record, the preview's redraw and fit. Every
// 1,000 keystrokes the typing step ends, so each run also keeps 1,000 undo
// steps; "undoBytes" is the heap those steps hold, measured once.
void BM_QuestionKeystroke(benchmark::State& state) {
    EditorFixture& editor = fixture();
    auto* box = editor.window->findChild<QLineEdit*>(QStringLiteral("txtEnterQuestion"));
    const QString base = QuestionTextOfLength(255);
    int keystroke = 0;
    for (auto _ : state) {
        box->setText(base + QChar(u'a' + keystroke % 26));
        if (++keystroke % 1000 == 0)
            editor.document.endTyping();
    }
    state.counters["undoSteps"] = editor.document.undoStack().count();
}
BENCHMARK(BM_QuestionKeystroke)->Unit(benchmark::kMicrosecond);

// 1,000 typing steps, each its own undo step: the memory they keep.
void BM_ThousandUndoSteps(benchmark::State& state) {
    for (auto _ : state) {
        GameSetDocument document;
        const qint64 before = HeapInUse();
        for (int step = 0; step < 1000; ++step) {
            document.setQuestionText({1 + step % 6, 1 + step % 5},
                                     QuestionTextOfLength(200 + step % 56));
            document.endTyping();
        }
        state.counters["steps"] = document.undoStack().count();
        state.counters["MB"] = double(HeapInUse() - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_ThousandUndoSteps)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
