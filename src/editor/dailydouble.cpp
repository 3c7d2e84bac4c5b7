// The Daily Double map and the two random Daily Doubles of a save.

#include "editor/frmEditor.h"

#include <QSignalBlocker>

void frmEditor::lblCatN_Click(int category, int index) {
    // The square toggles what it shows; the document's signal repaints it.
    const bool marked = lblCat[category - 1][index]->backColor() != SquareUnmarked;
    m_document.setDailyDouble({category, index + 1}, !marked);
    DisPlayQuestion();
}

void frmEditor::chkDailyDouble_Click() {
    m_document.setDailyDouble(CurrentSquare(), m_ui.chkDailyDouble->checkState() == Qt::Checked);
}

void frmEditor::EnsureDailyDoubles() {
    m_document.ensureDailyDoubles([this] { return m_services.nextRandom(); });
}

void frmEditor::ShowDailyDoubleMark() {
    // Showing stores nothing: the box's handler would write the mark back.
    if (IsFinalQuestion())
        return;
    const bool marked = CurrentRecord().isDailyDouble();
    const QSignalBlocker blocker(m_ui.chkDailyDouble);
    m_ui.chkDailyDouble->setChecked(marked);
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
            const bool marked = m_document.game().question(category, question).isDailyDouble();
            ClickableLabel* square = lblCat[category - 1][question - 1];
            square->setBackColor(marked ? SquareMarked : SquareUnmarked);
            square->setAccessibleName(tr("Daily Double, category %1 question %2: %3")
                                          .arg(category)
                                          .arg(question)
                                          .arg(marked ? tr("marked") : tr("not marked")));
        }
    }
}
