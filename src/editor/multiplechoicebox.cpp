// The "Multiple Answers" box: four choices A to D and the right letter.

#include "editor/multiplechoicebox.h"

#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "editor/lengthlimit.h"
#include "util/textrules.h"

namespace {

QFont EmptyChoiceFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(20);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

MultipleChoiceBox::MultipleChoiceBox(QWidget* parent) : QGroupBox(parent) {
    m_ui.setupUi(this);
    txtEditAnswer = {m_ui.txtEditAnswer1, m_ui.txtEditAnswer2, m_ui.txtEditAnswer3,
                     m_ui.txtEditAnswer4};
    // A game set keeps only so much of a choice; more would be cut off unseen.
    for (QLineEdit* box : txtEditAnswer)
        new LengthLimit(AnswerWidth, box);
    const std::array<QString, 4> names{tr("Choice A"), tr("Choice B"), tr("Choice C"),
                                       tr("Choice D")};
    for (int k = 0; k < 4; ++k)
        txtEditAnswer[k]->setAccessibleName(names[k]);
    m_ui.cboABCD->setAccessibleName(tr("Right choice"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(22, 44, 150));
    setPalette(colours);
    setAutoFillBackground(true);
    connect(m_ui.btnDone, &QPushButton::clicked, this, &MultipleChoiceBox::btnDone_Click);
    connect(m_ui.btnCancel, &QPushButton::clicked, this, &MultipleChoiceBox::btnCancel_Click);
}

void MultipleChoiceBox::attach(GameSetDocument& document, const BoardSelection& selection) {
    m_document = &document;
    m_selection = &selection;
}

void MultipleChoiceBox::open(const QuestionRecord& record) {
    show();
    raise();
    const auto& answers = record.Answers;
    for (int k = 1; k <= 4; ++k) {
        QLineEdit* edit = txtEditAnswer[k - 1];
        const QString choice = answers[k].trimmed();
        if (!choice.isEmpty()) {
            edit->setText(choice);
        } else {
            edit->setText(QString());
            edit->setFont(EmptyChoiceFont());
        }
    }
    // An answer stored as a bare letter picks that letter; otherwise the
    // letter the question display matched stays.
    static const QStringList letters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                     QStringLiteral("D")};
    const qsizetype letter = letters.indexOf(answers[0].trimmed());
    if (letter >= 0)
        m_ui.cboABCD->setCurrentIndex(static_cast<int>(letter));
    txtEditAnswer[0]->setFocus();
}

void MultipleChoiceBox::clear() {
    m_ui.cboABCD->setCurrentIndex(0);
    for (QLineEdit* edit : txtEditAnswer)
        edit->setText(QString());
    hide();
}

void MultipleChoiceBox::SaveMultipleChoiceAnswers() {
    std::array<QString, 4> choices;
    for (int k = 0; k < 4; ++k)
        choices[k] = TrimSpaces(txtEditAnswer[k]->text());
    emit choicesSaved(choices);
    m_document->setChoices(m_selection->current(), choices, m_ui.cboABCD->currentIndex());
    for (QLineEdit* edit : txtEditAnswer)
        edit->setText(QString());
}

void MultipleChoiceBox::btnDone_Click() {
    SaveMultipleChoiceAnswers();
    btnCancel_Click();
}

void MultipleChoiceBox::btnCancel_Click() {
    hide();
    emit closed();
}
