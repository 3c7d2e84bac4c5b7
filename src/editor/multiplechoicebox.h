#pragma once

#include "ui_multiplechoicebox.h"

#include <QGroupBox>
#include <array>

class BoardSelection;
class GameSetDocument;
struct QuestionRecord;

// The "Multiple Answers" box: the four choices A to D of the shown question
// and the letter of the right one, written to the set with Done.
class MultipleChoiceBox : public QGroupBox {
    Q_OBJECT

public:
    // Built by the window's form; `attach` gives it the set it edits.
    explicit MultipleChoiceBox(QWidget* parent = nullptr);
    void attach(GameSetDocument& document, const BoardSelection& selection);

    // Opens over the preview with the record's choices, the cursor in choice A.
    void open(const QuestionRecord& record);
    // Empty and closed, the letter back on A.
    void clear();

    void btnDone_Click();
    void btnCancel_Click();
    void SaveMultipleChoiceAnswers();

    QComboBox* letterBox() const { return m_ui.cboABCD; }
    const std::array<QLineEdit*, 4>& choiceBoxes() const { return txtEditAnswer; }

signals:
    // Done: the choices as written, before the set stores them.
    void choicesSaved(const std::array<QString, 4>& choices);
    // The box was closed by Done or Cancel.
    void closed();

private:
    Ui::MultipleChoiceBox m_ui;
    GameSetDocument* m_document = nullptr;
    const BoardSelection* m_selection = nullptr;
    std::array<QLineEdit*, 4> txtEditAnswer{};
};
