#include "import/tabimport.h"
#include "print/listing.h"
#include "testdata.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
const QString Template = QStringLiteral(QZ_SOURCE_DIR "/examples/board-template.tsv");

} // namespace

class TestTool : public QObject {
    Q_OBJECT

private slots:
    // resave and import write what the editor writes after an Open or an Import.
    void writeCommands() {
        QTemporaryDir dir;
        for (const QString command : {"resave", "import"}) {
            const QString out = dir.filePath(command + ".txt");
            const bool resave = command == "resave";
            const ToolRun run = RunTool({command, resave ? Example : Template, out});
            QCOMPARE(run.exitCode, 0);
            QVERIFY(run.err.isEmpty() && run.out.isEmpty());
            GameSet game = ResetGame();
            const FileError read =
                resave ? OpenFile(game, Example) : ImportTabDelimitedFile(game, Template);
            QVERIFY(!read.failed());
            QCOMPARE(FileContents(out), WriteGameSet(game));
        }
    }

    // Exit status 1, the reason on standard error, nothing on standard output
    // and nothing written. IN is a game set, FOLDER a folder, OVER an import
    // file whose second line overflows.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        using L = QStringList;
        AddRow("no command", L{}, "Usage");
        AddRow("unknown command", L{"convert", "IN"}, "unknown command");
        AddRow("resave, missing input", L{"resave", "none", "out"}, "error 53, File not found");
        AddRow("resave, output is a folder", L{"resave", "IN", "FOLDER"}, "error 75, Path");
        AddRow("resave, one argument", L{"resave", "IN"}, "Usage");
        AddRow("check, missing file", L{"check", "missing.txt"}, "error 53");
        AddRow("check, two files", L{"check", "IN", "IN"}, "Usage");
        AddRow("import, missing file", L{"import", "none", "out"}, "error 53");
        AddRow("import, overflow", L{"import", "OVER", "out.txt"}, "error 6, Overflow");
        AddRow("import, three arguments", L{"import", "OVER", "a", "b"}, "Usage");
        AddRow("listing, no file", L{"listing"}, "Usage:");
        AddRow("listing, unknown fields", L{"listing", "IN", "--fields", "x"}, "Usage:");
        AddRow("listing, unknown dollars", L{"listing", "IN", "--dollars", "1-10"}, "Usage");
        AddRow("listing, option without value", L{"listing", "IN", "--pdf"}, "Usage:");
        AddRow("listing, missing game set", L{"listing", "missing.txt"}, "error 53");
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("FOLDER"));
        WriteFile(dir, "IN", FileContents(Example));
        WriteFile(dir, "OVER", "C\r\n" + QByteArray(32767, 'x') + "\t\r\n");
        for (qsizetype index = 1; index < arguments.size(); ++index) {
            if (!arguments.at(index).startsWith("--"))
                arguments[index] = dir.filePath(arguments.at(index));
        }
        const ToolRun run = RunTool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"IN", "OVER"}));
        QVERIFY(QDir(dir.filePath("FOLDER")).isEmpty());
    }

    void listingOptions_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("multiplier");
        using L = QStringList;
        const int all = int(PrintMode::All);
        AddRow("defaults", L(), all, 100);
        AddRow("questions, none", L{"--fields", "questions", "--dollars", "none"},
               int(PrintMode::Questions), 0);
        AddRow("answers, 200-1000", L{"--dollars", "200-1000", "--fields", "answers"},
               int(PrintMode::Answers), 200);
        AddRow("all, 1-5", L{"--fields", "all", "--dollars", "1-5"}, all, 1);
        AddRow("5-25", L{"--dollars", "5-25"}, all, 5);
        AddRow("10-50", L{"--dollars", "10-50"}, all, 10);
        AddRow("20-100", L{"--dollars", "20-100"}, all, 20);
        AddRow("100-500", L{"--dollars", "100-500"}, all, 100);
    }
    void listingOptions() {
        QFETCH(QStringList, options);
        QFETCH(int, mode);
        QFETCH(int, multiplier);
        QTemporaryDir dir;
        const QString board = WriteFile(dir, "Quiz.Night.txt", FileContents(Example));
        const ToolRun run = RunTool(QStringList{"listing", board} + options);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        GameSet game;
        QVERIFY(!OpenFile(game, board).failed());
        const QStringList expected =
            BuildListing(game, static_cast<PrintMode>(mode), DollarValuesFor(multiplier), "Quiz");
        QCOMPARE(run.out, expected); // LF line ends: no CR left in a line
    }

    void listingToPdf() {
        // No platform named: the tool must pick one that needs no display.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("listing.pdf");
        const ToolRun run = RunTool({"listing", Example, "--pdf", pdf}, environment);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY(FileContents(pdf).startsWith("%PDF-"));
    }

    void checkFindings_data() {
        QTest::addColumn<int>("lineNumber"); // 1-based line to replace; 0 for none
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("secondLine");
        QTest::addColumn<QString>("secondReplacement");
        QTest::addColumn<QString>("finding"); // "" when nothing is to be reported
        AddRow("clean", 0, "", 0, "", "");
        AddRow("caret in an answer", 3, "a^b^^^^", 0, "", "line 3: 5 \"^\" in the answers line");
        AddRow("hash in a font name", 5, "T#Ar#ial#28#True#True#255#", 0, "", "line 5: 7 \"#\"");
        AddRow("line feed in a text", 2, "two\nlines", 0, "", "line 2: line feed inside the text");
        AddRow("undefined byte", 23, "caf\u0081", 0, "", "line 23: byte 0x81 has no character");
        AddRow("UTF-8 text", 1, "Caf\u00c3\u00a9s", 0, "", "line 1: looks like UTF-8");
        AddRow("no picture", 2, "C:\\t.jpg", 5, "P", "line 2: picture file \"C:\\t.jpg\" does not");
        AddRow("no sound", 2, "/no/t.wav", 5, "SName it", "line 2: sound file \"/no/t.wav\" does");
        AddRow("missing video in the final", 127, "D:\\l.mpg", 129, "V", "line 127: video file");
        AddRow("existing picture", 2, "@MEDIA@", 5, "P", "");
        AddRow("1-digit size", 5, "T#Arial#9#", 0, "", "line 5: font size \"9\" reads as 28");
        AddRow("black colour", 9, "T#A#28#True#True#0#", 0, "", "line 9: colour \"0\" reads as");
        AddRow("hash, no colour", 5, "T#A#b#28#True#True#", 0, "", "colour \"True\" is not a");
        AddRow("colour-only form is fine", 9, "T#255#", 0, "", "");
        AddRow("blank type in category 3", 47, " #Arial#", 0, "", "line 47: type line starts");
        AddRow("blank type in category 1 is text", 5, " #Arial#28#True#True#", 0, "", "");
        AddRow("Daily Double word", 4, "Yes", 0, "", "line 4: Daily Double mark \"Yes\"");
        AddRow("lower-case Daily Double is fine", 4, "y", 0, "", "");
        AddRow("long category name", 22, QString(40, 'n'), 0, "", "line 22: the category name");
        AddRow("one line too many", 0, "", 130, "extra", "the file has 130 lines, not 129");
        AddRow("file cut short", 0, "", -100, "", "the file has 100 lines, not 129");
    }
    void checkFindings() {
        QFETCH(int, lineNumber);
        QFETCH(QString, replacement);
        QFETCH(int, secondLine);
        QFETCH(QString, secondReplacement);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString media = WriteFile(dir, "tower.jpg", "jpeg");
        QStringList lines = FileLines(FileContents(Example)); // a set without faults
        auto place = [&](int number, QString text) {
            text.replace("@MEDIA@", media);
            if (number > lines.size())
                lines.append(text);
            else if (number > 0)
                lines[number - 1] = text;
            else if (number < 0)
                lines = lines.mid(0, -number);
        };
        place(lineNumber, replacement);
        place(secondLine, secondReplacement);
        const ToolRun run = RunTool({"check", WriteFile(dir, "set.txt", FileBytes(lines))});
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.exitCode, finding.isEmpty() ? 0 : 3);
        QVERIFY2(finding.isEmpty() ? run.out.isEmpty() : run.out.join('\n').contains(finding),
                 qPrintable(run.out.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
