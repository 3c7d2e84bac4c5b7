#include "model/textloss.h"

#include "util/windows1252.h"

QStringList UnstorableCharacters(QStringView text) {
    QStringList found;
    for (;;) {
        const QString character = FirstUnstorableCharacter(text);
        if (character.isEmpty())
            return found;
        if (!found.contains(character))
            found << character;
        text = text.sliced(text.indexOf(character) + character.size());
    }
}

QString UnstorableCharactersText(const QStringList& characters) {
    if (characters.isEmpty())
        return QString();
    const bool one = characters.size() == 1;
    return QStringLiteral("%1 cannot be stored in a game set; %2 would be saved as ?")
        .arg(characters.join(QStringLiteral(", ")),
             one ? QStringLiteral("it") : QStringLiteral("they"));
}

QString CaretInAnswerText() {
    return QStringLiteral("\"^\" would split this answer into choices when saved");
}

QString SquareLabel(Square square, bool name) {
    if (square.isFinal())
        return QStringLiteral("Final question");
    if (name)
        return QStringLiteral("Category %1 name").arg(square.category);
    return QStringLiteral("Category %1, question %2").arg(square.category).arg(square.question);
}

QString DescribeTextLoss(const TextLoss& loss) {
    QStringList parts;
    if (!loss.characters.isEmpty())
        parts << UnstorableCharactersText(loss.characters);
    if (loss.caretInAnswer)
        parts << CaretInAnswerText();
    return SquareLabel(loss.square, loss.inName) + QStringLiteral(": ") +
           parts.join(QStringLiteral("; "));
}

namespace {

TextLoss RecordLoss(Square square, const QuestionRecord& record) {
    TextLoss loss{square, false, {}, false};
    // Every text the file keeps for the question, the font's name included.
    QStringList texts{record.QuestionText.trimmed(), record.MediaPath.trimmed(), record.FontName};
    for (const auto& answer : record.Answers) {
        texts << answer.trimmed();
        loss.caretInAnswer = loss.caretInAnswer || answer.trimmed().contains(QLatin1Char('^'));
    }
    for (const QString& text : texts) {
        for (const QString& character : UnstorableCharacters(text)) {
            if (!loss.characters.contains(character))
                loss.characters << character;
        }
    }
    return loss;
}

} // namespace

QList<TextLoss> FindTextLoss(const GameSet& game) {
    QList<TextLoss> losses;
    const auto keep = [&losses](const TextLoss& loss) {
        if (!loss.characters.isEmpty() || loss.caretInAnswer)
            losses << loss;
    };
    for (int category = 1; category <= 6; ++category) {
        keep({{category, 1},
              true,
              UnstorableCharacters(game.CategoryNames[category - 1].trimmed()),
              false});
        for (int question = 1; question <= 5; ++question)
            keep(RecordLoss({category, question}, game.question(category, question)));
    }
    keep(RecordLoss(Square::finalQuestion(), game.Final));
    return losses;
}
