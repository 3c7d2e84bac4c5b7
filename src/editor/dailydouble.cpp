// The Daily Double map and the two random Daily Doubles of a save.

#include "editor/frmEditor.h"
#include "editor/picturefit.h"

namespace {

bool IsMarked(const QString& flag) {
    return flag == QLatin1String("Y");
}

} // namespace

void frmEditor::lblCatN_Click(int category, int index) {
    m_state.DataChanged = true;
    ClickableLabel* square = lblCat[category - 1][index];
    QuestionRecord& record = m_state.game.question(category, index + 1);
    if (square->backColor() == SquareUnmarked) {
        square->setBackColor(SquareMarked);
        record.DailyDouble = QStringLiteral("Y");
    } else {
        square->setBackColor(SquareUnmarked);
        record.DailyDouble = QStringLiteral("N");
    }
    DisPlayQuestion();
}

void frmEditor::chkDailyDouble_Click() {
    m_state.DataChanged = true;
    const bool ticked = m_ui.chkDailyDouble->checkState() == Qt::Checked;
    if (QuestionRecord* record = CurrentBoardRecord()) {
        record->DailyDouble = ticked ? QStringLiteral("Y") : QStringLiteral("N");
        lblCat[CurrentCategory - 1][CurrentQuestion - 1]->setBackColor(ticked ? SquareMarked
                                                                              : SquareUnmarked);
    }
}

void frmEditor::EnsureDailyDoubles() {
    for (const auto& category : m_state.game.Categories) {
        for (const QuestionRecord& record : category) {
            if (IsMarked(record.DailyDouble))
                return;
        }
    }
    PlaceDailyDoubles();
}

void frmEditor::PlaceDailyDoubles() {
    // Scaled draws rounded half to even: the end columns and rows come up
    // half as often as the inner ones, as in the game.
    const auto drawSquare = [this]() -> QuestionRecord& {
        // The products are single precision, like the draws themselves.
        const float categoryDraw = 5.0f * m_services.nextRandom();
        const float questionDraw = 4.0f * m_services.nextRandom();
        const int category = RoundHalfEven(static_cast<double>(categoryDraw));
        const int question = RoundHalfEven(static_cast<double>(questionDraw));
        return m_state.game.Categories.at(category).at(question);
    };
    drawSquare().DailyDouble = QStringLiteral("Y");
    for (int tries = 0; tries < 30;) {
        QuestionRecord& record = drawSquare();
        ++tries;
        if (record.DailyDouble == QLatin1String("N") || record.DailyDouble.isEmpty()) {
            record.DailyDouble = QStringLiteral("Y");
            break;
        }
    }
    // The map shows the new marks at once rather than at the next open.
    PaintDailyDoubleMap();
}

void frmEditor::ClearDailyDoubleMap() {
    for (const auto& column : lblCat) {
        for (ClickableLabel* square : column)
            square->setBackColor(SquareUnmarked);
    }
}

void frmEditor::PaintDailyDoubleMap() {
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            const QString flag = m_state.game.question(category, question).DailyDouble;
            lblCat[category - 1][question - 1]->setBackColor(
                flag.toUpper() == QLatin1String("Y") ? SquareMarked : SquareUnmarked);
        }
    }
}
