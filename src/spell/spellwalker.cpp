#include "spell/spellwalker.h"

#include "document/gamesetdocument.h"
#include "model/mediakind.h"
#include "spell/spellchecker.h"

namespace {

using Part = SpellField::Part;

// Stores `text` into the field. A choice that was the answer takes the
// answer with it, so the right letter stays right.
void SetText(GameSet& game, const SpellField& field, const QString& text) {
    if (field.part == Part::Name) {
        game.CategoryNames[field.square.category - 1].set(text);
        return;
    }
    QuestionRecord& record = game.record(field.square);
    switch (field.part) {
    case Part::Question:
        record.QuestionText.set(text);
        break;
    case Part::Answer:
        record.Answers[0].set(text);
        break;
    case Part::Choice:
        if (record.Answers[0].trimmed() == record.Answers[field.choice].trimmed())
            record.Answers[0].set(text);
        record.Answers[field.choice].set(text);
        break;
    case Part::Name:
        break;
    }
}

// `text` with each whole word `word` replaced.
QString ReplaceWord(const QString& text, const QString& word, const QString& replacement) {
    QString result = text;
    const QList<TextSpan> words = SplitWords(text);
    for (auto span = words.crbegin(); span != words.crend(); ++span) {
        if (QStringView(text).mid(span->start, span->length) == word)
            result.replace(span->start, span->length, replacement);
    }
    return result;
}

} // namespace

int SpellField::width() const {
    switch (part) {
    case Part::Name:
        return CategoryNameWidth;
    case Part::Question:
        return QuestionWidth;
    case Part::Answer:
    case Part::Choice:
        break;
    }
    return AnswerWidth;
}

SpellWalker::SpellWalker(GameSetDocument& document, SpellChecker& checker)
    : m_document(document), m_checker(checker), m_fields(Fields(document.game())) {}

QList<SpellField> SpellWalker::Fields(const GameSet& game) {
    QList<SpellField> fields;
    const auto addQuestion = [&](Square square) {
        const MediaKind kind = KindOfQuestion(game.record(square));
        if (kind != MediaKind::Picture && kind != MediaKind::Video)
            fields.append({square, Part::Question});
        fields.append({square, Part::Answer});
        for (int choice = 1; choice <= 4; ++choice)
            fields.append({square, Part::Choice, choice});
    };
    for (int category = 1; category <= 6; ++category) {
        fields.append({{category, 1}, Part::Name});
        for (int question = 1; question <= 5; ++question)
            addQuestion({category, question});
    }
    addQuestion(Square::finalQuestion());
    return fields;
}

QString SpellWalker::Text(const GameSet& game, const SpellField& field) {
    if (field.part == Part::Name)
        return game.CategoryNames[field.square.category - 1].trimmed();
    const QuestionRecord& record = game.record(field.square);
    switch (field.part) {
    case Part::Question:
        return record.QuestionText.trimmed();
    case Part::Answer:
        return record.Answers[0].trimmed();
    case Part::Choice:
        return record.Answers[field.choice].trimmed();
    case Part::Name:
        break;
    }
    return QString();
}

std::optional<Misspelling> SpellWalker::next() {
    m_current.reset();
    for (; m_field < m_fields.size(); ++m_field, m_position = 0) {
        const SpellField& field = m_fields.at(m_field);
        const QString text = Text(m_document.game(), field);
        if (m_position >= text.size())
            continue;
        if (text != m_checkedText || m_position == 0) {
            m_checkedText = text;
            m_unknown = m_checker.unknownWords(text);
        }
        for (const TextSpan& span : std::as_const(m_unknown)) {
            // A word ignored or added since the field was read is known now.
            if (span.start >= m_position && !m_checker.isKnown(text.mid(span.start, span.length))) {
                m_position = span.start;
                m_current = Misspelling{field, text, span, text.mid(span.start, span.length)};
                return m_current;
            }
        }
    }
    return std::nullopt;
}

void SpellWalker::skip() {
    if (m_current)
        m_position = m_current->span.end();
}

bool SpellWalker::change(const QString& replacement) {
    return replace(replacement, false);
}

bool SpellWalker::changeAll(const QString& replacement) {
    return replace(replacement, true);
}

bool SpellWalker::replace(const QString& replacement, bool everywhere) {
    if (!m_current)
        return false;
    const Misspelling current = *m_current;
    GameSet edited = m_document.game();
    QList<SpellField> fields{current.field};
    if (everywhere)
        fields = m_fields;
    for (const SpellField& field : fields) {
        const QString text = Text(edited, field);
        QString changed = text;
        if (everywhere)
            changed = ReplaceWord(text, current.word, replacement);
        else
            changed.replace(current.span.start, current.span.length, replacement);
        if (changed == text)
            continue;
        if (changed.size() > field.width())
            return false;
        SetText(edited, field, changed);
    }
    m_document.editTexts(everywhere ? QObject::tr("Change All") : QObject::tr("Spelling"),
                         [&edited](GameSet& game) { game = edited; });
    m_position = current.span.start + static_cast<int>(replacement.size());
    m_current.reset();
    return true;
}
