#include "import/tabimport.h"
#include "util/windows1252.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Windows1252File(const QStringList& lines, const QByteArray& lineEnd = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1252(line) + lineEnd;
    return bytes;
}

// The 68 lines of a well-formed board: names, question and answer lines, final question.
QStringList FullBoard() {
    QStringList lines;
    for (int k = 1; k <= 6; ++k) {
        lines << QStringLiteral("Category %1\tignored").arg(k);
        for (int j = 1; j <= 5; ++j) {
            lines << QStringLiteral("Question %1.%2\tignored").arg(k).arg(j);
            lines
                << QStringLiteral("Answer %1.%2\tA%1%2\tB%1%2\tC%1%2\tD%1%2\tE%1%2").arg(k).arg(j);
        }
    }
    lines << QStringLiteral("Final question") << QStringLiteral("Final answer\tFA\tFB\tFC\tFD");
    return lines;
}

GameSet FreshGame() {
    GameSet game;
    ResetGameSet(game);
    return game;
}

QStringList Answers(const std::array<FixedText<300>, 5>& answers) {
    QStringList texts;
    for (const auto& answer : answers)
        texts << answer.trimmed();
    return texts;
}

// An endless supply of answer-like lines, counting what the reader takes.
class EndlessDevice : public QIODevice {
public:
    qint64 delivered = 0;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        static const QByteArray pattern("word\tA\tB\r\n");
        for (qint64 i = 0; i < maxSize; ++i)
            data[i] = pattern.at(static_cast<qsizetype>((delivered + i) % pattern.size()));
        delivered += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void firstField_data();
    void firstField();
    void fullBoard();
    void categoryLine_data();
    void categoryLine();
    void questionLine_data();
    void questionLine();
    void answerLine_data();
    void answerLine();
    void shortFiles_data();
    void shortFiles();
    void lineEnds_data();
    void lineEnds();
    void encodings_data();
    void encodings();
    void overflow_data();
    void overflow();
    void overflowKeepsEarlierFields();
    void readsNoFurtherThanNeeded();
    void longLineWithoutTab();
    void fromFile();
};

void TestImport::firstField_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no tab") << "History  "
                            << "History  ";
    QTest::newRow("cut at first tab") << "a\tb\tc"
                                      << "a";
    QTest::newRow("leading tab") << "\tb"
                                 << "";
    QTest::newRow("spaces kept") << "  a  \tb"
                                 << "  a  ";
    QTest::newRow("line feed kept") << "a\nb\tc"
                                    << "a\nb";
}

void TestImport::firstField() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(FirstField(line), expected);
}

void TestImport::fullBoard() {
    QStringList lines = FullBoard();
    // A 69th line would overflow if it were read.
    lines << QString(40000, QLatin1Char('x')) + QLatin1Char('\t');
    GameSet game = FreshGame();
    game.question(2, 3).DailyDouble = QStringLiteral("Y");
    game.question(4, 1).QuestionType = QStringLiteral("P");

    const FileError error = ImportTabDelimited(game, Windows1252File(lines));

    QCOMPARE(error.number, 0);
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(game.CategoryNames[static_cast<size_t>(k - 1)].trimmed(),
                 QStringLiteral("CATEGORY %1").arg(k));
        for (int j = 1; j <= 5; ++j) {
            const QuestionRecord& record = game.question(k, j);
            QCOMPARE(record.QuestionText.trimmed(), QStringLiteral("Question %1.%2").arg(k).arg(j));
            const QString n = QStringLiteral("%1%2").arg(k).arg(j);
            QCOMPARE(Answers(record.Answers),
                     QStringList({QStringLiteral("Answer %1.%2").arg(k).arg(j), "A" + n, "B" + n,
                                  "C" + n, "D" + n}));
        }
    }
    QCOMPARE(game.FinalQuestionText.trimmed(), QStringLiteral("Final question"));
    QCOMPARE(Answers(game.FinalAnswers), QStringList({"Final answer", "FA", "FB", "FC", "FD"}));
    // Types, marks and fonts are not the import's business.
    QCOMPARE(game.question(2, 3).DailyDouble, QStringLiteral("Y"));
    QCOMPARE(game.question(4, 1).QuestionType, QStringLiteral("P"));
    QCOMPARE(game.question(1, 1).FontName, DefaultFontName);
}

void TestImport::categoryLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected"); // all 32 characters
    const auto padded = [](const QString& text) { return text.leftJustified(32); };
    QTest::newRow("spaces kept, upper case, rest ignored")
        << "  history\tx\ty" << padded("  HISTORY");
    QTest::newRow("empty first column") << "\tSports" << padded("");
    QTest::newRow("quotes kept") << "\"Art\"" << padded("\"ART\"");
    QTest::newRow("cut to 32") << QString(40, QLatin1Char('b')) << QString(32, QLatin1Char('B'));
    QTest::newRow("capitals outside the code page")
        << QStringLiteral("\u00b5g \u0192 \u00df \u00ff \u0161")
        << padded(QStringLiteral("\u00b5G \u0192 SS \u0178 \u0160"));
    QTest::newRow("accented letters")
        << QStringLiteral("caf\u00e9") << padded(QStringLiteral("CAF\u00c9"));
}

void TestImport::categoryLine() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, Windows1252File({line})).number, 0);
    QCOMPARE(game.CategoryNames[0].padded(), expected);
}

void TestImport::questionLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected"); // without its trailing pad
    QTest::newRow("spaces only") << "     "
                                 << "";
    QTest::newRow("spaces then tab") << "   \tanswer-like"
                                     << "";
    QTest::newRow("two leading spaces kept") << "  Who?"
                                             << "  Who?";
    QTest::newRow("quotes kept") << "\"What is \"\"it\"\"?\""
                                 << "\"What is \"\"it\"\"?\"";
    QTest::newRow("only column 1") << "Who?\tWhat?"
                                   << "Who?";
    QTest::newRow("cut to 256") << QString(300, QLatin1Char('q')) << QString(256, QLatin1Char('q'));
    QTest::newRow("lower case kept") << "who wrote it?"
                                     << "who wrote it?";
}

void TestImport::questionLine() {
    QFETCH(QString, line);
    QFETCH(QString, expected);
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, Windows1252File({"CAT", line})).number, 0);
    QCOMPARE(game.question(1, 1).QuestionText.padded(), expected.leftJustified(256));
}

void TestImport::answerLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    const QString old = QStringLiteral("old");
    QTest::newRow("single word") << "Paris" << QStringList{"Paris", old, old, old, old};
    QTest::newRow("six columns") << "Paris\tLondon\tParis\tRome\tBerlin\tExtra"
                                 << QStringList{"Paris", "London", "Paris", "Rome", "Berlin"};
    QTest::newRow("two tabs in a row")
        << "Paris\t\tLondon" << QStringList{"Paris", "", "London", old, old};
    QTest::newRow("one trailing tab") << "Paris\t" << QStringList{"Paris", "", old, old, old};
    QTest::newRow("empty line") << "" << QStringList{"", old, old, old, old};
    QTest::newRow("spaces only") << "    " << QStringList{"", old, old, old, old};
    QTest::newRow("fields trimmed")
        << "  Paris  \t  London \t   \tRome" << QStringList{"Paris", "London", "", "Rome", old};
    QTest::newRow("leading tab kept") << "  \tLondon" << QStringList{"", "London", old, old, old};
    QTest::newRow("quotes kept") << "\"Paris, France\"\t\"A\""
                                 << QStringList{"\"Paris, France\"", "\"A\"", old, old, old};
    QTest::newRow("cut to 300") << QString(400, QLatin1Char('a')) + "\tB"
                                << QStringList{QString(300, QLatin1Char('a')), "B", old, old, old};
    QTest::newRow("long leading spaces of a field")
        << "x\t" + QString(500, QLatin1Char(' ')) + "B" << QStringList{"x", "B", old, old, old};
}

void TestImport::answerLine() {
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    GameSet game = FreshGame();
    // Slots the line does not reach keep whatever they held.
    for (auto& answer : game.question(1, 1).Answers)
        answer.set(QStringLiteral("old"));
    QCOMPARE(ImportTabDelimited(game, Windows1252File({"CAT", "Q", line})).number, 0);
    QCOMPARE(Answers(game.question(1, 1).Answers), expected);
}

void TestImport::shortFiles_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("secondQuestion");
    QTest::newRow("empty") << QByteArray() << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("three lines") << QByteArray("Science\r\nWhat is H2O?\r\nWater\tA\r\n")
                                 << "SCIENCE"
                                 << "What is H2O?"
                                 << "Water"
                                 << "";
    QTest::newRow("last line unterminated")
        << QByteArray("Science\r\nWhat is H2O?\r\nWater") << "SCIENCE"
        << "What is H2O?"
        << "Water"
        << "";
    QTest::newRow("ends in a question line") << QByteArray("Science\r\nQ1\r\nA1\r\nQ2") << "SCIENCE"
                                             << "Q1"
                                             << "A1"
                                             << "Q2";
}

void TestImport::shortFiles() {
    QFETCH(QByteArray, data);
    QFETCH(QString, name);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, secondQuestion);
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, data).number, 0);
    QCOMPARE(game.CategoryNames[0].trimmed(), name);
    QCOMPARE(game.question(1, 1).QuestionText.trimmed(), question);
    QCOMPARE(game.question(1, 1).Answers[0].trimmed(), answer);
    QCOMPARE(game.question(1, 2).QuestionText.trimmed(), secondQuestion);
    QVERIFY(game.CategoryNames[1].isBlank());
    QVERIFY(game.FinalQuestionText.isBlank());
}

void TestImport::lineEnds_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::newRow("CR LF") << QByteArray("Cat\r\nQ\r\nA\r\n") << "CAT"
                           << "Q"
                           << "A";
    QTest::newRow("CR only") << QByteArray("Cat\rQ\rA\r") << "CAT"
                             << "Q"
                             << "A";
    QTest::newRow("LF only reads as one line")
        << QByteArray("Science and nature\tx\nWhat is H2O?\nWater\n") << "SCIENCE AND NATURE"
        << ""
        << "";
    QTest::newRow("LF only cut to 32") << QByteArray("abcdefghij\nklmnopqrst\nuvwxyz0123\n")
                                       << "ABCDEFGHIJ\nKLMNOPQRST\nUVWXYZ0123"
                                       << ""
                                       << "";
    QTest::newRow("lone LF inside a line")
        << QByteArray("Cat\r\nWho\nwhat?\r\nA\nB\tC\r\n") << "CAT"
        << "Who\nwhat?"
        << "A\nB";
    QTest::newRow("CR CR gives an empty line") << QByteArray("Cat\r\rA\r") << "CAT"
                                               << ""
                                               << "A";
}

void TestImport::lineEnds() {
    QFETCH(QByteArray, data);
    QFETCH(QString, name);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, data).number, 0);
    QCOMPARE(game.CategoryNames[0].trimmed(), name);
    QCOMPARE(game.question(1, 1).QuestionText.trimmed(), question);
    QCOMPARE(game.question(1, 1).Answers[0].trimmed(), answer);
}

void TestImport::encodings_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answerB");
    const QString text =
        QStringLiteral("Caf\u00e9 \u20ac\r\nQ\r\nA\t\u00e0 la carte\tna\u00efve\r\n");
    QTest::newRow("Windows-1252") << QByteArray(
                                         "Caf\xe9 \x80\r\nQ\r\nA\t\xe0 la carte\tna\xefve\r\n")
                                  << QStringLiteral("CAF\u00c9 \u20ac")
                                  << QStringLiteral("na\u00efve");
    QTest::newRow("UTF-8 without a mark is Windows-1252")
        << text.toUtf8() << QStringLiteral("CAF\u00c3\u00a9 \u00c2\u201a\u00ac")
        << QStringLiteral("na\u00c3\u00afve");
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8()
                                << QStringLiteral("CAF\u00c9 \u20ac")
                                << QStringLiteral("na\u00efve");
    QByteArray littleEndian("\xFF\xFE");
    QByteArray bigEndian("\xFE\xFF");
    for (const QChar c : text) {
        const char low = static_cast<char>(c.unicode() & 0xFF);
        const char high = static_cast<char>(c.unicode() >> 8);
        littleEndian.append(low).append(high);
        bigEndian.append(high).append(low);
    }
    QTest::newRow("UTF-16 LE mark")
        << littleEndian << QStringLiteral("CAF\u00c9 \u20ac") << QStringLiteral("na\u00efve");
    QTest::newRow("UTF-16 BE mark")
        << bigEndian << QStringLiteral("CAF\u00c9 \u20ac") << QStringLiteral("na\u00efve");
    QTest::newRow("one byte") << QByteArray("x") << "X"
                              << "";
}

void TestImport::encodings() {
    QFETCH(QByteArray, data);
    QFETCH(QString, name);
    QFETCH(QString, answerB);
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, data).number, 0);
    QCOMPARE(game.CategoryNames[0].trimmed(), name);
    QCOMPARE(game.question(1, 1).Answers[2].trimmed(), answerB);
}

void TestImport::overflow_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("error");
    const auto x = [](int count) { return QString(count, QLatin1Char('x')); };
    // Question line: only the first tab is looked for.
    QTest::newRow("question, first tab at 32767") << QStringList{"C", x(32766) + "\tmore"} << 0;
    QTest::newRow("question, first tab at 32768") << QStringList{"C", x(32767) + "\tmore"} << 6;
    QTest::newRow("question, later tab far out")
        << QStringList{"C", "Q\t" + x(40000) + "\tmore"} << 0;
    QTest::newRow("question, no tab at all") << QStringList{"C", x(100000)} << 0;
    QTest::newRow("category, first tab at 32768") << QStringList{x(32767) + "\t"} << 6;
    QTest::newRow("category, first tab at 32767") << QStringList{x(32766) + "\t"} << 0;
    // Answer line: every tab is cut at, and the cut moves past it.
    QTest::newRow("answer, tab at 32766") << QStringList{"C", "Q", x(32765) + "\tB"} << 0;
    QTest::newRow("answer, tab at 32767") << QStringList{"C", "Q", x(32766) + "\tB"} << 6;
    QTest::newRow("answer, leading spaces do not count")
        << QStringList{"C", "Q", QString(10, QLatin1Char(' ')) + x(32765) + "\tB"} << 0;
    QTest::newRow("answer, trailing tab at 32767") << QStringList{"C", "Q", x(32766) + "\t"} << 6;
    QTest::newRow("answer, seventh column far out")
        << QStringList{"C", "Q", "a\tb\tc\td\te\tf\t" + x(40000) + "\tg"} << 6;
    QTest::newRow("answer, long last field") << QStringList{"C", "Q", "a\t" + x(100000)} << 0;
    QTest::newRow("final answer line") << [&] {
        QStringList lines = FullBoard();
        lines[67] = x(32766) + "\tB";
        return lines;
    }() << 6;
}

void TestImport::overflow() {
    QFETCH(QStringList, lines);
    QFETCH(int, error);
    GameSet game = FreshGame();
    const FileError result = ImportTabDelimited(game, Windows1252File(lines));
    QCOMPARE(result.number, error);
    if (error != 0)
        QCOMPARE(result.description, QStringLiteral("Overflow"));
}

void TestImport::overflowKeepsEarlierFields() {
    QStringList lines = FullBoard();
    lines[13] = QString(32766, QLatin1Char('x')) + "\tB"; // answers of category 2, question 1
    GameSet game = FreshGame();
    game.question(2, 1).Answers[0].set(QStringLiteral("before"));

    QCOMPARE(ImportTabDelimited(game, Windows1252File(lines)).number, 6);
    QCOMPARE(game.CategoryNames[1].trimmed(), QStringLiteral("CATEGORY 2"));
    QCOMPARE(game.question(2, 1).QuestionText.trimmed(), QStringLiteral("Question 2.1"));
    QCOMPARE(game.question(1, 5).Answers[4].trimmed(), QStringLiteral("D15"));
    // Nothing of the overflowing line, nothing after it.
    QCOMPARE(game.question(2, 1).Answers[0].trimmed(), QStringLiteral("before"));
    QVERIFY(game.question(2, 2).QuestionText.isBlank());
    QVERIFY(game.CategoryNames[2].isBlank());
}

void TestImport::readsNoFurtherThanNeeded() {
    EndlessDevice device;
    QVERIFY(device.open(QIODevice::ReadOnly));
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, device).number, 0);
    QCOMPARE(game.CategoryNames[5].trimmed(), QStringLiteral("WORD"));
    QCOMPARE(Answers(game.FinalAnswers), QStringList({"word", "A", "B", "", ""}));
    QVERIFY2(device.delivered < 1024 * 1024, qPrintable(QString::number(device.delivered)));
}

void TestImport::longLineWithoutTab() {
    // Forty megabytes in one category line, then the rest of a board.
    QByteArray data(40 * 1024 * 1024, 'n');
    data += "\r\nQ\r\nA\r\n";
    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimited(game, data).number, 0);
    QCOMPARE(game.CategoryNames[0].padded(), QString(32, QLatin1Char('N')));
    QCOMPARE(game.question(1, 1).Answers[0].trimmed(), QStringLiteral("A"));
}

void TestImport::fromFile() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("board.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Windows1252File(FullBoard()));
    file.close();

    GameSet game = FreshGame();
    QCOMPARE(ImportTabDelimitedFile(game, path).number, 0);
    QCOMPARE(game.FinalAnswers[4].trimmed(), QStringLiteral("FD"));

    QCOMPARE(ImportTabDelimitedFile(game, folder.filePath(QStringLiteral("none.txt"))).number, 53);
    QCOMPARE(ImportTabDelimitedFile(game, folder.path()).number, 75);
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
