#include "benchdata.h"

#include <QFile>
#include <cstdlib>

QByteArray ExampleGameSetBytes() {
    QFile file(QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the example game set");
    return file.readAll();
}

GameSet FullGameSet() {
    GameSet game;
    ResetGameSet(game);
    game.Final.QuestionType = QStringLiteral("T");
    for (int c = 1; c <= 6; ++c) {
        game.CategoryNames[c - 1].set(QString(32, QLatin1Char('N')));
        for (int q = 1; q <= 5; ++q) {
            QuestionRecord& record = game.question(c, q);
            record.QuestionText.set(QuestionTextOfLength(256));
            for (auto& answer : record.Answers)
                answer.set(QString(300, QLatin1Char('a')));
        }
    }
    game.Final.QuestionText.set(QuestionTextOfLength(256));
    for (auto& answer : game.Final.Answers)
        answer.set(QString(300, QLatin1Char('b')));
    return game;
}

QByteArray TabDelimitedBoard() {
    const QString path = QStringLiteral(QZ_SOURCE_DIR "/examples/board-template.tsv");
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return file.readAll();
    QByteArray bytes;
    for (int k = 1; k <= 6; ++k) {
        bytes += "Category " + QByteArray::number(k) + "\tnotes\r\n";
        for (int j = 1; j <= 5; ++j) {
            bytes += "Which city on the river is the capital of country number " +
                     QByteArray::number(j) + "?\r\n";
            bytes +=
                "Answer " + QByteArray::number(j) + "\tChoice A\tChoice B\tChoice C\tChoice D\r\n";
        }
    }
    bytes += "The final question of the board\r\nThe final answer\r\n";
    return bytes;
}

QString QuestionTextOfLength(int length) {
    static const QString words = QStringLiteral(
        "This city on the river Seine is the capital of France and is famous for a tall iron "
        "tower built for a world fair, a cathedral on an island and the largest art museum of "
        "the world, whose glass pyramid stands in the courtyard of a former royal palace; name "
        "the city and the country it belongs to, please, before the time runs out for you all.");
    QString text;
    while (text.size() < length)
        text += words;
    return text.left(length).trimmed();
}
