// Fitting the question preview, through the real editor window.
#include "benchdata.h"

#include "editor/frmEditor.h"
#include "services/scriptedservices.h"

#include <QLabel>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// One window for all runs, loaded as at start-up.
struct EditorFixture {
    EditorState state;
    ScriptedServices services;
    std::unique_ptr<frmEditor> window;

    EditorFixture() {
        window = std::make_unique<frmEditor>(state, services);
        window->Form_Load();
        window->show();
    }
};

EditorFixture& fixture() {
    static EditorFixture instance;
    return instance;
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
        window.FitQuestionPreview();
    }
    state.counters["points"] = preview->font().pointSize();
}
BENCHMARK(BM_FitQuestionPreview)->Arg(5)->Arg(60)->Arg(256)->Unit(benchmark::kMicrosecond);

} // namespace
