// The look of a text question: font, colour, the standard look, and copying
// the look to every text question of the board.

#include "editor/questionpanel.h"
#include "preview/colours.h"

#include "util/textrules.h"

namespace {

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

const QString FallbackFace = QStringLiteral("Comic Sans MS");

} // namespace

// Stores a look chosen with the buttons into the selected question; every
// size stored from these buttons is 28.
void QuestionPanel::StoreCurrentLook(const QString& label, const QString& fontName, bool bold,
                                     bool italic, const std::optional<QString>& fontColor) {
    m_document.setLook(CurrentSquare(), label, fontName, DefaultFontSize, bold, italic, fontColor);
}

void QuestionPanel::btnFont_Click() {
    if (m_guard.refuses())
        return;
    QLabel* preview = m_ui.lblDisPlayQuestion;
    const FontChoice initial{preview->font().family(), preview->font().bold(),
                             preview->font().italic()};
    // A cancelled chooser gives back what it was given: the current look is
    // applied again.
    const FontChoice chosen = m_services.chooseFont(initial).value_or(initial);

    const QString face = chosen.faceName.isEmpty() || chosen.faceName == QLatin1String(" ")
                             ? FallbackFace
                             : chosen.faceName;
    QFont font = preview->font();
    font.setBold(chosen.bold);
    font.setFamily(face);
    font.setItalic(chosen.italic);
    preview->setFont(font);
    for (QLabel* choice : lblAnswerChoices) {
        QFont choiceFont = choice->font();
        choiceFont.setFamily(face);
        choice->setFont(choiceFont);
    }
    preview->setText(TrimSpaces(m_ui.txtEnterQuestion->text()));

    StoreCurrentLook(tr("Font"), face, chosen.bold, chosen.italic, std::nullopt);
}

void QuestionPanel::btnFontColor_Click() {
    if (m_guard.refuses())
        return;
    QLabel* preview = m_ui.lblDisPlayQuestion;
    const std::optional<QColor> chosen =
        m_services.chooseColor(preview->palette().color(QPalette::WindowText));
    if (!chosen)
        return; // cancelled: the colour stays as it is
    SetTextColour(preview, *chosen);

    // Only the colour changes here: the record keeps its own font and size.
    const QuestionRecord& record = CurrentRecord();
    m_document.setLook(CurrentSquare(), tr("Font Color"), record.FontName, record.FontSize,
                       record.FontBold, record.FontItalic, ColorToText(*chosen));
}

void QuestionPanel::btnDefault_Click() {
    if (m_guard.refuses())
        return;
    QLabel* preview = m_ui.lblDisPlayQuestion;
    QFont font = preview->font();
    font.setFamily(DefaultFontName);
    font.setBold(true);
    font.setItalic(true);
    preview->setFont(font);
    SetTextColour(preview, *ColorFromText(DefaultFontColor));

    StoreCurrentLook(tr("Default Font"), DefaultFontName, true, true, DefaultFontColor);
}

void QuestionPanel::btnCopy_Click() {
    if (m_guard.refuses())
        return;
    // The final question is never a source: its look stays its own, and the
    // board's text questions keep theirs.
    m_document.copyLookToBoard(CurrentSquare());
}
