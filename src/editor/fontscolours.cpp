// The look of a text question: font, colour, the standard look, and copying
// the look to every text question of the board.

#include "editor/colours.h"
#include "editor/frmEditor.h"

#include "util/textrules.h"

namespace {

// The font fields of one question, board or final, in one shape.
struct QuestionLook {
    QString fontName;
    QString fontSize;
    bool bold = true;
    bool italic = true;
    QString fontColor;

    bool operator==(const QuestionLook& other) const {
        return fontName == other.fontName && fontSize == other.fontSize && bold == other.bold &&
               italic == other.italic && fontColor == other.fontColor;
    }
};

QuestionLook ReadLook(const GameSet& game, const QuestionRecord* record) {
    if (record)
        return {record->FontName, record->FontSize, record->FontBold, record->FontItalic,
                record->FontColor};
    return {game.FinalFontName, QString::number(game.FinalFontSize), game.FinalFontBold,
            game.FinalFontItalic, game.FinalFontColor};
}

// Stores a look; the final question keeps its size as a number, and every
// size stored from these buttons is 28.
void WriteLook(GameSet& game, QuestionRecord* record, const QuestionLook& look) {
    if (record) {
        record->FontName = look.fontName;
        record->FontSize = look.fontSize;
        record->FontBold = look.bold;
        record->FontItalic = look.italic;
        record->FontColor = look.fontColor;
        return;
    }
    game.FinalFontName = look.fontName;
    game.FinalFontSize = static_cast<qint16>(look.fontSize.toShort());
    game.FinalFontBold = look.bold;
    game.FinalFontItalic = look.italic;
    game.FinalFontColor = look.fontColor;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

const QString FallbackFace = QStringLiteral("Comic Sans MS");

// True when a question is selected whose look can be stored.
bool HasLookRecord(frmEditor& editor) {
    return editor.CurrentBoardRecord() != nullptr || editor.IsFinalQuestion();
}

// Stores a look chosen with the buttons into the selected question.
void StoreCurrentLook(frmEditor& editor, const QString& fontName, bool bold, bool italic,
                      const std::optional<QString>& fontColor) {
    if (!HasLookRecord(editor))
        return;
    EditorState& state = editor.m_state;
    QuestionRecord* record = editor.CurrentBoardRecord();
    const QuestionLook before = ReadLook(state.game, record);
    QuestionLook look = before;
    look.fontName = fontName;
    look.fontSize = DefaultFontSize;
    look.bold = bold;
    look.italic = italic;
    if (fontColor)
        look.fontColor = *fontColor;
    WriteLook(state.game, record, look);
    // The look is saved with the set: a real change must not be dropped by
    // Exit or New without asking.
    if (!(look == before))
        state.DataChanged = true;
}

} // namespace

void frmEditor::btnFont_Click() {
    if (MultipleChoiceGuard())
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

    StoreCurrentLook(*this, face, chosen.bold, chosen.italic, std::nullopt);
}

void frmEditor::btnFontColor_Click() {
    if (MultipleChoiceGuard())
        return;
    QLabel* preview = m_ui.lblDisPlayQuestion;
    const std::optional<QColor> chosen =
        m_services.chooseColor(preview->palette().color(QPalette::WindowText));
    if (!chosen)
        return; // cancelled: the colour stays as it is
    SetTextColour(preview, *chosen);

    if (!HasLookRecord(*this))
        return;
    QuestionRecord* record = CurrentBoardRecord();
    QuestionLook look = ReadLook(m_state.game, record);
    const QString colour = ColorToText(*chosen);
    if (look.fontColor == colour)
        return;
    look.fontColor = colour;
    // Keep the record's own size: only the colour changes here.
    WriteLook(m_state.game, record, look);
    m_state.DataChanged = true; // saved with the set: Exit and New must ask
}

void frmEditor::btnDefault_Click() {
    if (MultipleChoiceGuard())
        return;
    QLabel* preview = m_ui.lblDisPlayQuestion;
    QFont font = preview->font();
    font.setFamily(DefaultFontName);
    font.setBold(true);
    font.setItalic(true);
    preview->setFont(font);
    SetTextColour(preview, *ColorFromText(DefaultFontColor));

    StoreCurrentLook(*this, DefaultFontName, true, true, DefaultFontColor);
}

void frmEditor::btnCopy_Click() {
    if (MultipleChoiceGuard())
        return;
    // The final question is never a source: its look stays its own, and the
    // board's text questions keep theirs.
    const QuestionRecord* source = CurrentBoardRecord();
    if (!source)
        return;
    const QuestionLook look = ReadLook(m_state.game, source);

    bool changed = false;
    for (auto& category : m_state.game.Categories) {
        for (QuestionRecord& record : category) {
            if (record.QuestionType.isEmpty() && !record.QuestionText.isBlank()) {
                record.QuestionType = QStringLiteral("T");
                changed = true;
            }
            if (record.QuestionType != QLatin1String("T"))
                continue;
            if (!(ReadLook(m_state.game, &record) == look)) {
                WriteLook(m_state.game, &record, look);
                changed = true;
            }
        }
    }
    // Copied looks are saved with the set: Exit and New must ask.
    if (changed)
        m_state.DataChanged = true;
}
