#include "import/tabexport.h"
#include "import/tabimport.h"
#include "model/textloss.h"
#include "testdata.h"

#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

// The 68 lines of a well-formed board: names, question and answer lines, final question.
QStringList FullBoard() {
    QStringList lines;
    for (int k = 1; k <= 6; ++k) {
        lines << u"Category %1\tignored"_s.arg(k);
        for (int j = 1; j <= 5; ++j) {
            lines << u"Question %1.%2\tignored"_s.arg(k).arg(j)
                  << u"Answer %1.%2\tA%1%2\tB%1%2\tC%1%2\tD%1%2\tE"_s.arg(k).arg(j);
        }
    }
    return lines << u"Final question"_s << u"Final\tFA\tFB\tFC\tFD"_s;
}

// A board that fits: column A only on name and question rows, five cells on answers rows.
QStringList FittingBoard() {
    QStringList lines = FullBoard();
    for (QString& line : lines)
        line = line.endsWith("ignored") ? FirstField(line) : line.section('\t', 0, 4);
    return lines;
}

const QString Calc = QStringLiteral(QZ_SOURCE_DIR "/tests/data/calc/");

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    // Only a regular file is read: a folder or a device that never ends is refused.
    void fileErrors() {
        QTemporaryDir folder;
        GameSet game = ResetGame();
        QCOMPARE(ImportTabDelimitedFile(game, folder.filePath("none.txt")).number, 53);
        QCOMPARE(ImportTabDelimitedFile(game, folder.path()).number, 75);
        QCOMPARE(ImportTabDelimitedFile(game, "/dev/zero").number, 75);
    }

    // One of "CAT", "Q", "A" replaced: the field it fills, whole; "old" answers
    // of 1.1 mark the slots the answer line does not write.
    void fields_data() {
        Columns<int, QString, QString>("index", "line", "expected");
        AddRow("name: capitals outside the code page", 0, u"\u00b5g \u0192 \u00df \u00ff \u00e9"_s,
               u"\u00b5G \u0192 SS \u0178 \u00c9"_s);
        AddRow("answers: one trailing tab", 2, "Paris\t", "Paris||old|old|old");
        AddRow("answers: empty line", 2, "", "|old|old|old|old");
        AddRow("answers: fields trimmed", 2, "  Paris  \t  London \t   \tRome",
               "Paris|London||Rome|old");
        AddRow("answers: leading tab kept", 2, "  \tLondon", "|London|old|old|old");
        AddRow("answers: quoted cells", 2, "\"Paris, France\"\t\"A\"",
               "Paris, France|A|old|old|old");
        AddRow("answers: doubled quotes, text after the closing one", 2,
               "\"say \"\"hi\"\"\"!\t\"\"\"\"", "say \"hi\"!|\"|old|old|old");
        AddRow("answers: a quote that never closes", 2, "\"Paris\tB", "\"Paris|B|old|old|old");
        AddRow("question: quotes inside a cell kept", 1, "5\" floppy \"disk\"",
               "5\" floppy \"disk\"");
        AddRow("question: quoted breaks and tabs", 1, "\"a\tb\r\nc\rd\ne\"\tx", "a b c d e");
    }
    void fields() {
        const int index = Data<int>("index");
        QStringList lines = {"CAT", "Q", "A"};
        lines[index] = Data<QString>("line");
        GameSet game = ResetGame();
        for (auto& answer : game.question(1, 1).Answers)
            answer.set("old");
        QCOMPARE(ImportTabDelimited(game, FileBytes(lines)).number, 0);
        const QString fields[] = {RTrimSpaces(game.CategoryNames[0].padded()),
                                  RTrimSpaces(game.question(1, 1).QuestionText.padded()),
                                  Joined(game.question(1, 1).Answers)};
        QTEST(fields[index], "expected");
    }

    // Raw bytes: short files, line ends and encodings.
    void rawInput_data() {
        Columns<QByteArray, QString, QString, QString, QString>("data", "name", "question",
                                                                "answers", "question2");
        const QString cafe = u"CAF\u00c9 \u20ac"_s, naive = u"A|na\u00efve|||"_s;
        AddRow("quoted LF line ends", QByteArray("Cat\n\"Who\nwhat?\"\nA\n"), "CAT", "Who what?",
               "A||||", "");
        const QString text = u"Caf\u00e9 \u20ac\r\nQ\r\nA\tna\u00efve\r\n"_s;
        AddRow("UTF-8 mark", "\xEF\xBB\xBF" + text.toUtf8(), cafe, "Q", naive, "");
        AddRow("UTF-8 past the first 64 KiB",
               (text.chopped(2) + QString(70000, u' ') + u"\r\nQ\u00fc"_s).toUtf8(), cafe, "Q",
               naive, u"Q\u00fc"_s);
        AddRow("UTF-8 until a stray byte past 64 KiB",
               text.toUtf8() + "Q\r\n" + QByteArray(70000, ' ') + "\xfc",
               u"CAF\u00c3\u00a9 \u00c2\u201a\u00ac"_s, "Q", u"A|na\u00c3\u00afve|||"_s, "Q");
        AddRow("UTF-16 LE mark",
               QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(text),
               cafe, "Q", naive, "");
        AddRow("UTF-16 BE mark",
               QByteArray("\xFE\xFF") + QStringEncoder(QStringConverter::Utf16BE).encode(text),
               cafe, "Q", naive, "");
    }
    void rawInput() {
        GameSet game = ResetGame();
        QCOMPARE(ImportTabDelimited(game, Data<QByteArray>("data")).number, 0);
        QTEST(game.CategoryNames[0].trimmed(), "name");
        QTEST(game.question(1, 1).QuestionText.trimmed(), "question");
        QTEST(Joined(game.question(1, 1).Answers), "answers");
        QTEST(game.question(1, 2).QuestionText.trimmed(), "question2");
        QVERIFY(game.CategoryNames[1].isBlank() && game.Final.QuestionText.isBlank());
    }

    // What does not fit the board, one "row: message" each, in file order.
    void findings_data() {
        Columns<QStringList, QStringList>("lines", "findings");
        using L = QStringList;
        const auto with = [](int row, const QString& line) {
            QStringList lines = FittingBoard();
            lines[row - 1] = line;
            return lines;
        };
        AddRow("a board that fits", FittingBoard(), L{});
        AddRow("69 rows", FittingBoard() << "", L{"0: 69 rows, 68 expected"});
        AddRow("3 rows", L{"C", "Q", "A"}, L{"0: 3 rows, 68 expected"});
        QStringList shifted = FittingBoard();
        shifted.removeAt(3);
        AddRow("a row missing", shifted,
               L{"0: 67 rows, 68 expected",
                 "4: Category 1, question 2: the question row has text in column B; a row may be "
                 "missing or extra above it"});
        AddRow("answers rows with 6 cells", with(5, "A\tB\tC\tD\tE\tF") << "x\t\t\t\t\t\tF",
               L{"0: 69 rows, 68 expected",
                 "5: Category 1, question 2: the answers row has 6 cells, five expected; a row "
                 "may be missing or extra above it"});
        QStringList choices = with(3, "A\t\t\t\t\tF");
        choices[67] = "F\tA\tB\tC\tD\tE\t\tG";
        AddRow("more choices after the first misfit", choices,
               L{"3: Category 1, question 1: the answers row has 6 cells, five expected; a row "
                 "may be missing or extra above it",
                 "68: Final question: 7 choices; only A to D were imported"});
        AddRow("name too long", with(12, QString(40, 'n')),
               L{"12: Category 2 name: the name is 8 characters too long (40 characters, 32 fit); "
                 "the end was cut"});
        AddRow("question too long, trailing spaces free", with(2, QString(257, 'q') + "   "),
               L{"2: Category 1, question 1: the question is 1 character too long (257 characters, "
                 "256 fit); the end was cut"});
        AddRow("choice too long, quoted", with(68, "F\t\"" + QString(310, 'c') + "\""),
               L{"68: Final question: the choice A is 10 characters too long (310 characters, 300 "
                 "fit); the end was cut"});
        AddRow("a character a set cannot store", with(3, u"\u03a9\tA\tB^C"_s),
               L{u"3: Category 1, question 1, in the answer: \u03a9 cannot be stored in a game "
                 u"set; it "
                 u"would be saved as ?"_s,
                 "3: Category 1, question 1, in the choice B: " + CaretInAnswerText()});
        AddRow("a quote that never closes", with(2, "\"Who?"),
               L{"2: Category 1, question 1: a quote opens column A but never closes; it was "
                 "read as a character"});
    }
    void findings() {
        const QByteArray bytes = (Data<QStringList>("lines").join("\r\n") + "\r\n").toUtf8();
        const TabImport imported = ImportTabDelimitedChecked(ResetGame(), bytes);
        QVERIFY(!imported.error.failed());
        QStringList findings;
        for (const Finding& finding : imported.findings)
            findings << QString::number(finding.line) + ": " + finding.message;
        QTEST(findings, "findings");
    }

    // LibreOffice Calc's own exports of board.fods (see the README beside
    // them): quoted cells, a line break in a cell, "ü" in both encodings.
    // Both save as the same set, and the set's own export in the file's encoding
    // reads back as it.
    void calcExports_data() {
        Columns<QString>("file");
        AddRow("UTF-8", Calc + "board-utf8.csv");
        AddRow("Windows-1252", Calc + "board-1252.csv");
    }
    void calcExports() {
        const TabImport imported =
            ImportTabDelimitedChecked(ResetGame(), FileContents(Data<QString>("file")));
        QVERIFY(!imported.error.failed());
        QVERIFY(imported.findings.isEmpty());
        GameSet game = imported.game;
        const QStringList lines = FileLines(WriteGameSet(game));
        QCOMPARE(lines.mid(0, 3), (QStringList{"RIVERS", "Which river flows through Vienna?",
                                               "Danube^\"Blue\" Danube^Rhine^Danube^Elbe"}));
        QCOMPARE(lines.at(5), u"Who wrote \"Faust\"?"_s);
        QCOMPARE(lines.mid(21, 3),
                 (QStringList{u"K\u00dcCHE"_s, u"Was ist ein Gl\u00fchwein?"_s,
                              u"Hei\u00dfer Wein^Bier^Hei\u00dfer Wein^Saft^Tee"_s}));
        const TextEncoding encoding = TextEncoding(Data<QString>("file").contains("utf8"));
        GameSet again =
            ImportTabDelimitedChecked(ResetGame(), ExportTabDelimited(game, encoding).bytes).game;
        QCOMPARE(WriteGameSet(again), WriteGameSet(game));
    }

    void overflow_data() {
        Columns<QStringList, int>("lines", "error");
        using L = QStringList;
        const auto x = [](int count) { return QString(count, 'x'); };
        // Category and question lines: only the first tab is looked for.
        AddRow("category, first tab at 32767", L{x(32766) + "\t"}, 0);
        AddRow("category, first tab at 32768", L{x(32767) + "\t"}, 6);
        AddRow("question, first tab at 32768", L{"C", x(32767) + "\tmore"}, 6);
        AddRow("question, later tab far out", L{"C", "Q\t" + x(40000) + "\t"}, 0);
        AddRow("question, no tab at all", L{"C", x(100000)}, 0);
        // Answer lines: every tab is cut at, and the cut moves past it.
        AddRow("answer, tab at 32766", L{"C", "Q", x(32765) + "\tB"}, 0);
        AddRow("answer, tab at 32767", L{"C", "Q", x(32766) + "\tB"}, 6);
        AddRow("answer, leading spaces", L{"C", "Q", QString(9, ' ') + x(32765) + "\tB"}, 0);
        AddRow("answer, 7th column far out", L{"C", "Q", "a\tb\tc\td\te\tf\t" + x(40000) + "\t"},
               6);
        AddRow("answer, long last field", L{"C", "Q", "a\t" + x(100000)}, 0);
        QStringList board = FullBoard();
        board[67] = x(32766) + "\tB";
        AddRow("final answer line", board, 6);
    }
    void overflow() {
        GameSet game = ResetGame();
        const FileError result = ImportTabDelimited(game, FileBytes(Data<QStringList>("lines")));
        const int error = Data<int>("error");
        QCOMPARE(result.number, error);
        QCOMPARE(result.description, error ? u"Overflow"_s : QString());
    }

    void overflowKeepsEarlierFields() {
        QStringList lines = FullBoard();
        lines[13] = QString(32766, 'x') + "\tB"; // answers of category 2, question 1
        GameSet game = ResetGame();
        game.question(2, 1).Answers[0].set("before");
        QCOMPARE(ImportTabDelimited(game, FileBytes(lines)).number, 6);
        QCOMPARE(game.question(2, 1).QuestionText.trimmed(), u"Question 2.1"_s);
        QCOMPARE(game.question(1, 5).Answers[4].trimmed(), u"D15"_s);
        // Nothing of the overflowing line, nothing after it.
        QCOMPARE(game.question(2, 1).Answers[0].trimmed(), u"before"_s);
        QVERIFY(game.question(2, 2).QuestionText.isBlank() && game.CategoryNames[2].isBlank());
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
