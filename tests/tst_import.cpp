#include "import/tabimport.h"
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

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    // A board from a file: 68 lines fill names, questions, answers; a 69th would overflow.
    void fullBoard() {
        QTemporaryDir folder;
        const QString path =
            WriteFile(folder, "board.txt", FileBytes(FullBoard() << QString(40000, 'x') + '\t'));
        GameSet game = ResetGame();
        game.question(2, 3).DailyDouble = "Y";
        game.question(4, 1).QuestionType = "P";
        QCOMPARE(ImportTabDelimitedFile(game, path).number, 0);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(game.CategoryNames[k - 1].trimmed(), u"CATEGORY %1"_s.arg(k));
            for (int j = 1; j <= 5; ++j) {
                const QuestionRecord& record = game.question(k, j);
                QCOMPARE(record.QuestionText.trimmed(), u"Question %1.%2"_s.arg(k).arg(j));
                QCOMPARE(Joined(record.Answers),
                         u"Answer %1.%2|A%1%2|B%1%2|C%1%2|D%1%2"_s.arg(k).arg(j));
            }
        }
        QCOMPARE(game.Final.QuestionText.trimmed(), u"Final question"_s);
        QCOMPARE(Joined(game.Final.Answers), u"Final|FA|FB|FC|FD"_s);
        // Types, marks and fonts are not the import's business.
        QCOMPARE(game.question(2, 3).DailyDouble, u"Y"_s);
        QCOMPARE(game.question(4, 1).QuestionType, u"P"_s);
        QCOMPARE(game.question(1, 1).FontName, DefaultFontName);
        QCOMPARE(ImportTabDelimitedFile(game, folder.filePath("none.txt")).number, 53);
        QCOMPARE(ImportTabDelimitedFile(game, folder.path()).number, 75);
        QCOMPARE(ImportTabDelimitedFile(game, "/dev/zero").number, 75); // never ends
    }

    // One of "CAT", "Q", "A" replaced: the field it fills, whole; "old" answers
    // of 1.1 mark the slots the answer line does not write.
    void fields_data() {
        Columns<int, QString, QString>("index", "line", "expected");
        AddRow("name: spaces kept, capitals, rest ignored", 0, "  history\tx", "  HISTORY");
        AddRow("name: cut to 32", 0, QString(40, 'b'), QString(32, 'B'));
        AddRow("name: capitals outside the code page", 0, u"\u00b5g \u0192 \u00df \u00ff \u00e9"_s,
               u"\u00b5G \u0192 SS \u0178 \u00c9"_s);
        AddRow("question: spaces only", 1, "     ", "");
        AddRow("question: leading spaces kept", 1, "  who?", "  who?");
        AddRow("question: cut to 256", 1, QString(300, 'q'), QString(256, 'q'));
        AddRow("answers: six columns", 2, "Paris\tLondon\tParis\tRome\tBerlin\tExtra",
               "Paris|London|Paris|Rome|Berlin");
        AddRow("answers: one trailing tab", 2, "Paris\t", "Paris||old|old|old");
        AddRow("answers: empty line", 2, "", "|old|old|old|old");
        AddRow("answers: fields trimmed", 2, "  Paris  \t  London \t   \tRome",
               "Paris|London||Rome|old");
        AddRow("answers: leading tab kept", 2, "  \tLondon", "|London|old|old|old");
        AddRow("answers: quotes kept", 2, "\"Paris, France\"\t\"A\"",
               "\"Paris, France\"|\"A\"|old|old|old");
        AddRow("answers: cut to 300", 2, QString(400, 'a') + "\tB",
               QString(300, 'a') + "|B|old|old|old");
        AddRow("answers: long leading spaces of a field", 2, "x\t" + QString(500, ' ') + "B",
               "x|B|old|old|old");
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
        AddRow("empty", QByteArray(), "", "", "||||", "");
        AddRow("last line unterminated", QByteArray("Sci\r\nQ1\r\nA1"), "SCI", "Q1", "A1||||", "");
        AddRow("ends in a question line", QByteArray("S\r\nQ\r\nA\r\nQ2"), "S", "Q", "A||||", "Q2");
        AddRow("CR only", QByteArray("Cat\rQ\rA\rQ2\r"), "CAT", "Q", "A||||", "Q2");
        AddRow("CR CR gives an empty line", QByteArray("Cat\r\rA\r"), "CAT", "", "A||||", "");
        AddRow("LF only, as Calc writes on Linux",
               QByteArray("abcdefghij\nklmnopqrst\nuvwxyz0123\n"), "ABCDEFGHIJ", "klmnopqrst",
               "uvwxyz0123||||", "");
        AddRow("lone LF inside a line", QByteArray("Cat\r\nWho\nwhat?\r\nA\nB\tC\r\n"), "CAT",
               "Who\nwhat?", "A\nB|C|||", "");
        const QString text = u"Caf\u00e9 \u20ac\r\nQ\r\nA\tna\u00efve\r\n"_s;
        AddRow("Windows-1252", QByteArray("Caf\xe9 \x80\r\nQ\r\nA\tna\xefve\r\n"), cafe, "Q", naive,
               "");
        AddRow("UTF-8 without a mark", text.toUtf8(), cafe, "Q", naive, "");
        AddRow("UTF-8 mark", "\xEF\xBB\xBF" + text.toUtf8(), cafe, "Q", naive, "");
        AddRow("UTF-8 past the first 64 KiB",
               (text.chopped(2) + QString(70000, u' ') + u"\r\nQ\u00fc"_s).toUtf8(), cafe, "Q",
               naive, u"Q\u00fc"_s);
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
