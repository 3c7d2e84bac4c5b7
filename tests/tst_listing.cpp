#include "print/listing.h"
#include "testdata.h"

#include <QtTest>

namespace {

// Category 1 carries the interesting cases; the rest of the board is blank.
GameSet SampleGame() {
    GameSet game = ResetGame();
    game.CategoryNames[0].set(QStringLiteral("SCIENCE"));
    QuestionRecord& first = game.question(1, 1);
    first.QuestionText.set(QStringLiteral("What is H2O?"));
    first.DailyDouble = QStringLiteral("Y");
    first.Answers[0].set(QStringLiteral("Water"));
    first.Answers[1].set(QStringLiteral("Ice"));
    first.Answers[2].set(QStringLiteral("     ")); // blank choices print nothing
    first.Answers[4].set(QStringLiteral("Steam"));
    game.question(1, 2).QuestionText.set(QStringLiteral("  Q2"));
    game.question(1, 2).DailyDouble = QStringLiteral("y"); // only a capital Y marks
    game.question(1, 3).DailyDouble = QStringLiteral("Y ");
    game.Final.QuestionText.set(QStringLiteral("Final?"));
    game.Final.Answers[0].set(QStringLiteral("Fin"));
    game.Final.Answers[3].set(QStringLiteral("FC"));
    return game;
}

} // namespace

class TestListing : public QObject {
    Q_OBJECT

private slots:
    void title_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        AddRow("untitled", "", "Untitled");
        AddRow("spaces only", "    ", "Untitled");
        AddRow("first dot of the name", "C:\\Sets\\Quiz.Night.txt", "Quiz");
        AddRow("dot in a folder", "C:\\My.Sets\\Game1.txt", "Game1");
        AddRow("slash path", "/home/ann/Quiz.Night.txt", "Quiz");
        AddRow("mixed separators", "/home/ann\\sets/Board.v2.txt", "Board");
        AddRow("no folder", "Game.txt", "");
        AddRow("no extension", "C:\\Sets\\Game", "Game");
    }
    void title() {
        QFETCH(QString, fileName);
        QTEST(ListingTitle(fileName), "expected");
    }

    // The lines with their trailing pad removed.
    void listing_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QStringList>("firstCategory"); // lines 3 to the end of category 1
        QTest::addColumn<QStringList>("finalQuestion"); // from "FINAL QUESTION" on
        QTest::addColumn<int>("lineCount");
        AddRow("all, $100 - $500", int(PrintMode::All), 100,
               QStringList{"SCIENCE", "$100 - Q:*What is H2O?", "$100 - A: Water", "          Ice",
                           "          Steam", "$200 - Q:   Q2", "$200 - A:", "$300 - Q:",
                           "$300 - A:", "$400 - Q:", "$400 - A:", "$500 - Q:", "$500 - A:", ""},
               QStringList{"FINAL QUESTION", "Q: Final?", "A: Fin", "          FC"}, 80);
        AddRow("questions only, no dollars", int(PrintMode::Questions), 0,
               QStringList{"SCIENCE", "Q:*What is H2O?", "Q:   Q2", "Q:", "Q:", "Q:", ""},
               QStringList{"FINAL QUESTION", "Q: Final?"}, 46);
        AddRow("answers only, $200 - $1000", int(PrintMode::Answers), 200,
               QStringList{"SCIENCE", "$200 - A: Water", "          Ice", "          Steam",
                           "$400 - A:", "$600 - A:", "$800 - A:", "$1000 - A:", ""},
               QStringList{"FINAL QUESTION", "A: Fin", "          FC"}, 49);
    }
    void listing() {
        QFETCH(int, mode);
        QFETCH(int, multiplier);
        QFETCH(QStringList, firstCategory);
        QFETCH(QStringList, finalQuestion);
        QStringList lines = BuildListing(SampleGame(), static_cast<PrintMode>(mode),
                                         DollarValuesFor(multiplier), QStringLiteral("Quiz"));
        for (QString& line : lines)
            line = RTrimSpaces(line);
        QTEST(int(lines.size()), "lineCount");
        QCOMPARE(lines.mid(0, 2), QStringList({"Quiz", ""}));
        QCOMPARE(lines.mid(2, firstCategory.size()), firstCategory);
        QCOMPARE(lines.mid(lines.size() - finalQuestion.size()), finalQuestion);
        // Every other category prints its blank name and empty rows.
        QCOMPARE(lines.count(QString()), 1 + 6 + 5);
    }

    void fieldsAtFullWidth() {
        const QStringList lines =
            BuildListing(SampleGame(), PrintMode::All, DollarValuesFor(100), "Untitled");
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{"Untitled", " ", QString("SCIENCE").leftJustified(32),
                              "$100 - Q:*" + QString("What is H2O?").leftJustified(256),
                              "$100 - A: " + QString("Water").leftJustified(300),
                              QString(10, ' ') + QString("Ice").leftJustified(300)}));
        // Row 3 is marked "Y ": a mark other than exactly "Y" prints no star.
        QCOMPARE(lines.at(9), "$300 - Q: " + QString(256, ' '));
        QCOMPARE(lines.at(10), "$300 - A: " + QString(300, ' '));
        QCOMPARE(lines.at(15), QStringLiteral(" "));
    }
};

QTEST_GUILESS_MAIN(TestListing)
#include "tst_listing.moc"
