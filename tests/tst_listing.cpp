#include "print/listing.h"
#include "util/textrules.h"

#include <QtTest>

namespace {

// Category 1 carries the interesting cases; the rest of the board is blank.
GameSet SampleGame() {
    GameSet game;
    ResetGameSet(game);
    game.CategoryNames[0].set(QStringLiteral("SCIENCE"));
    QuestionRecord& first = game.question(1, 1);
    first.QuestionText.set(QStringLiteral("What is H2O?"));
    first.DailyDouble = QStringLiteral("Y");
    first.Answers[0].set(QStringLiteral("Water"));
    first.Answers[1].set(QStringLiteral("Ice"));
    first.Answers[2].set(QStringLiteral("     ")); // blank choices print nothing
    first.Answers[4].set(QStringLiteral("Steam"));
    QuestionRecord& second = game.question(1, 2);
    second.QuestionText.set(QStringLiteral("  Q2"));
    second.DailyDouble = QStringLiteral("y"); // only a capital Y marks
    game.FinalQuestionText.set(QStringLiteral("Final?"));
    game.FinalAnswers[0].set(QStringLiteral("Fin"));
    game.FinalAnswers[3].set(QStringLiteral("FC"));
    return game;
}

QStringList RightTrimmed(const QStringList& lines) {
    QStringList trimmed;
    for (const QString& line : lines)
        trimmed << RTrimSpaces(line);
    return trimmed;
}

} // namespace

class TestListing : public QObject {
    Q_OBJECT

private slots:
    void dollarValues_data();
    void dollarValues();
    void title_data();
    void title();
    void listing_data();
    void listing();
    void fieldsAtFullWidth();
};

void TestListing::dollarValues_data() {
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("none") << 0 << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("1-5") << 1 << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("5-25") << 5 << QList<int>{5, 10, 15, 20, 25};
    QTest::newRow("10-50") << 10 << QList<int>{10, 20, 30, 40, 50};
    QTest::newRow("20-100") << 20 << QList<int>{20, 40, 60, 80, 100};
    QTest::newRow("100-500") << 100 << QList<int>{100, 200, 300, 400, 500};
    QTest::newRow("200-1000") << 200 << QList<int>{200, 400, 600, 800, 1000};
}

void TestListing::dollarValues() {
    QFETCH(int, multiplier);
    QFETCH(QList<int>, expected);
    const DollarValues values = DollarValuesFor(multiplier);
    QCOMPARE(QList<int>(values.begin(), values.end()), expected);
}

void TestListing::title_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("untitled") << ""
                              << "Untitled";
    QTest::newRow("spaces only") << "    "
                                 << "Untitled";
    QTest::newRow("Windows path") << "C:\\Sets\\Game.txt"
                                  << "Game";
    QTest::newRow("first dot of the name") << "C:\\Sets\\Quiz.Night.txt"
                                           << "Quiz";
    QTest::newRow("dot in a folder") << "C:\\My.Sets\\Game1.txt"
                                     << "Game1";
    QTest::newRow("slash path") << "/home/ann/Quiz.Night.txt"
                                << "Quiz";
    QTest::newRow("mixed separators") << "/home/ann\\sets/Board.v2.txt"
                                      << "Board";
    QTest::newRow("no folder") << "Game.txt"
                               << "";
    QTest::newRow("no extension") << "C:\\Sets\\Game"
                                  << "Game";
}

void TestListing::title() {
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(ListingTitle(fileName), expected);
}

void TestListing::listing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QStringList>("firstCategory"); // lines 3 to the end of category 1
    QTest::addColumn<QStringList>("finalQuestion"); // from "FINAL QUESTION" on
    QTest::addColumn<int>("lineCount");

    QTest::newRow("all, $100 - $500")
        << int(PrintMode::All) << 100 << QStringList{"SCIENCE",         "$100 - Q:*What is H2O?",
                                                     "$100 - A: Water", "          Ice",
                                                     "          Steam", "$200 - Q:   Q2",
                                                     "$200 - A:",       "$300 - Q:",
                                                     "$300 - A:",       "$400 - Q:",
                                                     "$400 - A:",       "$500 - Q:",
                                                     "$500 - A:",       ""}
        << QStringList{"FINAL QUESTION", "Q: Final?", "A: Fin", "          FC"} << 80;
    QTest::newRow("questions only, no dollars")
        << int(PrintMode::Questions) << 0
        << QStringList{"SCIENCE", "Q:*What is H2O?", "Q:   Q2", "Q:", "Q:", "Q:", ""}
        << QStringList{"FINAL QUESTION", "Q: Final?"} << 46;
    QTest::newRow("answers only, $1 - $5")
        << int(PrintMode::Answers) << 1
        << QStringList{"SCIENCE",         "$1 - A: Water", "          Ice",
                       "          Steam", "$2 - A:",       "$3 - A:",
                       "$4 - A:",         "$5 - A:",       ""}
        << QStringList{"FINAL QUESTION", "A: Fin", "          FC"} << 49;
    QTest::newRow("all, $200 - $1000")
        << int(PrintMode::All) << 200 << QStringList{"SCIENCE",         "$200 - Q:*What is H2O?",
                                                     "$200 - A: Water", "          Ice",
                                                     "          Steam", "$400 - Q:   Q2",
                                                     "$400 - A:",       "$600 - Q:",
                                                     "$600 - A:",       "$800 - Q:",
                                                     "$800 - A:",       "$1000 - Q:",
                                                     "$1000 - A:",      ""}
        << QStringList{"FINAL QUESTION", "Q: Final?", "A: Fin", "          FC"} << 80;
    QTest::newRow("questions, $5 - $25")
        << int(PrintMode::Questions) << 5 << QStringList{"SCIENCE",
                                                         "$5 - Q:*What is H2O?",
                                                         "$10 - Q:   Q2",
                                                         "$15 - Q:",
                                                         "$20 - Q:",
                                                         "$25 - Q:",
                                                         ""}
        << QStringList{"FINAL QUESTION", "Q: Final?"} << 46;
}

void TestListing::listing() {
    QFETCH(int, mode);
    QFETCH(int, multiplier);
    QFETCH(QStringList, firstCategory);
    QFETCH(QStringList, finalQuestion);
    QFETCH(int, lineCount);

    const GameSet game = SampleGame();
    const QStringList lines = RightTrimmed(BuildListing(
        game, static_cast<PrintMode>(mode), DollarValuesFor(multiplier), QStringLiteral("Quiz")));
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.mid(0, 2), QStringList({"Quiz", ""}));
    QCOMPARE(lines.mid(2, firstCategory.size()), firstCategory);
    QCOMPARE(lines.mid(lines.size() - finalQuestion.size()), finalQuestion);
    // Every other category prints its blank name and empty rows.
    QCOMPARE(lines.count(QString()), 1 + 6 + 5);
}

void TestListing::fieldsAtFullWidth() {
    GameSet game = SampleGame();
    game.question(1, 3).DailyDouble = QStringLiteral("Y ");
    const QStringList lines =
        BuildListing(game, PrintMode::All, DollarValuesFor(100), QStringLiteral("Untitled"));
    QCOMPARE(lines.at(0), QStringLiteral("Untitled"));
    QCOMPARE(lines.at(1), QStringLiteral(" "));
    QCOMPARE(lines.at(2), QStringLiteral("SCIENCE").leftJustified(32));
    QCOMPARE(lines.at(3),
             QStringLiteral("$100 - Q:*") + QStringLiteral("What is H2O?").leftJustified(256));
    QCOMPARE(lines.at(4),
             QStringLiteral("$100 - A: ") + QStringLiteral("Water").leftJustified(300));
    QCOMPARE(lines.at(5), QString(10, QLatin1Char(' ')) + QStringLiteral("Ice").leftJustified(300));
    // Row 3 is marked "Y " here: a mark other than exactly "Y" prints no star.
    QCOMPARE(lines.at(9), QStringLiteral("$300 - Q: ") + QString(256, QLatin1Char(' ')));
    QCOMPARE(lines.at(10), QStringLiteral("$300 - A: ") + QString(300, QLatin1Char(' ')));
    QCOMPARE(lines.at(15), QStringLiteral(" "));
}

QTEST_GUILESS_MAIN(TestListing)
#include "tst_listing.moc"
