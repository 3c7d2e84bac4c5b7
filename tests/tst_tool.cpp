#include "import/tabexport.h"
#include "import/tabimport.h"
#include "model/mediafolders.h"
#include "print/listing.h"
#include "testdata.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
const QString Template = QStringLiteral(QZ_SOURCE_DIR "/examples/board-template.tsv");

// After the command, relative arguments that are not options name files in `dir`.
QStringList InFolder(QStringList arguments, const QTemporaryDir& dir) {
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (!arguments[index].startsWith("--") && QDir::isRelativePath(arguments[index]))
            arguments[index] = dir.filePath(arguments[index]);
    }
    return arguments;
}

} // namespace

class TestTool : public QObject {
    Q_OBJECT

    // The check starts a GUI application, which wants a runtime folder.
    QTemporaryDir m_runtime;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path())); }

    // resave, import and export write what the editor writes after an Open or an Import.
    void writeCommands_data() {
        // In the arguments, "in/a.txt" and "in/b.txt" are the example.
        Columns<QStringList, QStringList>("arguments", "written");
        using L = QStringList;
        AddRow("resave", L{"resave", "in/a.txt", "set.txt"}, L{"set.txt"});
        AddRow("resave into a folder", L{"resave", "--out-dir", "out", "in/a.txt", "in/b.txt"},
               L{"out/a.txt", "out/b.txt"});
        AddRow("import", L{"import", Template, "set.txt"}, L{"set.txt"});
        AddRow("export", L{"export", "in/a.txt", "board.tsv"}, L{"board.tsv"});
        AddRow("export in UTF-8", L{"export", "--utf8", "in/a.txt", "board.tsv"}, L{"board.tsv"});
    }
    void writeCommands() {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("in") && QDir(dir.path()).mkpath("out"));
        WriteFile(dir, "in/a.txt", FileContents(Example));
        WriteFile(dir, "in/b.txt", FileContents(Example));
        const ToolRun run = RunTool(InFolder(arguments, dir));
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty() && run.out.isEmpty(), qPrintable(run.err));
        GameSet game = ResetGame();
        const QString command = arguments.first();
        QVERIFY(!(command == "import" ? ImportTabDelimitedFile(game, Template)
                                      : OpenFile(game, Example))
                     .failed());
        const QByteArray expected =
            command != "export"
                ? WriteGameSet(game)
                : ExportTabDelimited(game, TextEncoding(arguments.contains("--utf8"))).bytes;
        QFETCH(QStringList, written);
        for (const QString& name : written)
            QCOMPARE(FileContents(dir.filePath(name)), expected);
    }

    // resave of what is clearly no game set says why on standard output, writes, exits 3;
    // a short file of an older editor is a game set.
    void resaveNotAGameSet_data() {
        Columns<QByteArray, QString>("bytes", "said");
        const QByteArray example = FileContents(Example);
        AddRow("short legacy file", QByteArray("Rivers\r\nLongest?\r\n"), "");
        AddRow("blank lines after 129", example + "\r\n  \r\n", "");
        AddRow("a line after 129", example + "\r\nmore\r\n", "line 131 is not empty");
        AddRow("NUL bytes", QByteArray("PK\x03\x04\0\0binary", 12), "byte 5 is a NUL byte");
        AddRow("UTF-16", QByteArray("\xFF\xFEQ\0u\0i\0z\0", 10), "it is UTF-16 text");
    }
    void resaveNotAGameSet() {
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString in = WriteFile(dir, "in.txt", Data<QByteArray>("bytes"));
        const ToolRun run = RunTool({"resave", in, dir.filePath("out.txt")});
        QCOMPARE(run.exitCode, said.isEmpty() ? 0 : 3);
        QCOMPARE(run.out.join('\n').contains(said), true);
        QCOMPARE(run.out.isEmpty(), said.isEmpty());
        QVERIFY(QFile::exists(dir.filePath("out.txt")));
    }

    // Exit 1, the reason on stderr, nothing written. IN is a game set, FOLDER a
    // folder, OVER an import file whose second line overflows.
    void refusals_data() {
        Columns<QStringList, QString>("arguments", "message");
        using L = QStringList;
        AddRow("no command", L{}, "Usage");
        AddRow("unknown command", L{"convert", "IN"}, "unknown command");
        AddRow("resave, missing input", L{"resave", "none", "out"}, "error 53, File not found");
        AddRow("resave, output is a folder", L{"resave", "IN", "FOLDER"}, "error 75, Path");
        AddRow("resave, one argument", L{"resave", "IN"}, "Usage");
        AddRow("resave, no such folder", L{"resave", "--out-dir", "none", "IN"}, "error 76");
        AddRow("check, no file", L{"check"}, "Usage");
        AddRow("check, unknown format", L{"check", "--format=xml", "IN"}, "Usage");
        AddRow("import, missing file", L{"import", "none", "out"}, "error 53");
        AddRow("import, overflow", L{"import", "OVER", "out.txt"}, "error 6, Overflow");
        AddRow("export, unknown option", L{"export", "--utf16", "IN", "out.tsv"}, "Usage");
        AddRow("listing, unknown fields", L{"listing", "IN", "--fields", "x"}, "Usage:");
        AddRow("listing, unknown dollars", L{"listing", "IN", "--dollars", "1-10"}, "Usage");
        AddRow("listing, option without value", L{"listing", "IN", "--pdf"}, "Usage:");
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("FOLDER"));
        WriteFile(dir, "IN", FileContents(Example));
        WriteFile(dir, "OVER", "C\r\n" + QByteArray(32767, 'x') + "\t\r\n");
        const ToolRun run = RunTool(InFolder(arguments, dir));
        QCOMPARE(run.exitCode, 1);
        QFETCH(QString, message);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"IN", "OVER"}));
        QVERIFY(QDir(dir.filePath("FOLDER")).isEmpty());
    }

    void listingOptions_data() {
        Columns<QStringList, int, int>("options", "mode", "multiplier");
        using L = QStringList;
        const int all = int(PrintMode::All);
        AddRow("defaults", L(), all, 100);
        AddRow("questions, none", L{"--fields", "questions", "--dollars", "none"},
               int(PrintMode::Questions), 0);
        AddRow("answers, 200-1000", L{"--dollars=200-1000", "--fields", "answers"},
               int(PrintMode::Answers), 200);
        AddRow("all, 1-5", L{"--fields", "all", "--dollars", "1-5"}, all, 1);
        for (const int multiplier : {5, 10, 20, 100}) {
            const QString range = QString("%1-%2").arg(multiplier).arg(5 * multiplier);
            AddRow(qPrintable(range), L{"--dollars", range}, all, multiplier);
        }
    }
    void listingOptions() {
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString board = WriteFile(dir, "Quiz.Night.txt", FileContents(Example));
        const ToolRun run = RunTool(QStringList{"listing", board} + options);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        GameSet game;
        QVERIFY(!OpenFile(game, board).failed());
        auto [mode, multiplier] = Fetch<int, int>("mode", "multiplier");
        const QStringList expected =
            BuildListing(game, static_cast<PrintMode>(mode), DollarValuesFor(multiplier), "Quiz");
        QCOMPARE(run.out, expected); // LF line ends: no CR left in a line
    }

    void listingToPdf() {
        // No platform named: the tool must pick one that needs no display, with --pdf anywhere.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("listing.pdf");
        const ToolRun run = RunTool({"listing", "--pdf", pdf, Example}, environment);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY(FileContents(pdf).startsWith("%PDF-"));
    }

    // The example with a second Daily Double, one or two lines replaced (negative: cut there).
    void checkFindings_data() {
        // A line number is 1-based, 0 for none; the finding is "" when none is due.
        Columns<int, QString, int, QString, QString>("lineNumber", "replacement", "secondLine",
                                                     "secondReplacement", "finding");
        AddRow("clean", 0, "", 0, "", "");
        AddRow("caret in an answer", 3, "a^b^^^^", 0, "", "line 3: 5 \"^\" in the answers line");
        AddRow("hash in a font name", 5, "T#Ar#ial#28#True#True#255#", 0, "", "line 5: 7 \"#\"");
        AddRow("line feed in a text", 2, "two\nlines", 0, "", "line 2: line feed inside the text");
        AddRow("undefined byte", 23, "caf\u0081", 0, "", "line 23: byte 0x81 has no character");
        AddRow("UTF-8 text", 1, "Caf\u00c3\u00a9s", 0, "", "line 1: looks like UTF-8");
        const QString longPath = "C:\\" + QString(54, 't'); // 61 characters with ".jpg"
        AddRow("no picture", 2, longPath + ".jpg", 5, "P", "file \"" + longPath + "...\" does not");
        AddRow("no sound", 2, "/no/t.wav", 5, "SName it", "line 2: sound file \"/no/t.wav\" does");
        AddRow("missing video in the final", 127, "D:\\l.mpg", 129, "V", "line 127: video file");
        AddRow("picture at a path of this computer", 2, "@MEDIA@", 5, "P",
               "line 2: picture file \"" + QDir::tempPath());
        AddRow("picture path cut by its field", 2, "C:\\" + QString(300, 'p') + ".jpg", 5, "P",
               "line 2: the picture file's path is 307 characters long");
        AddRow("1-digit size", 5, "T#Arial#9#", 0, "", "line 5: font size \"9\" reads as 28");
        AddRow("black colour", 9, "T#A#28#True#True#0#", 0, "", "line 9: colour \"0\" reads as");
        AddRow("hash, no colour", 5, "T#A#b#28#True#True#", 0, "", "colour \"True\" is not a");
        AddRow("colour-only form is fine", 9, "T#255#", 0, "", "");
        AddRow("blank type in category 3", 47, " #Arial#", 0, "", "line 47: type line starts");
        AddRow("blank type in category 1 is text", 5, " #Arial#28#True#True#", 0, "", "");
        AddRow("Daily Double word", 4, "Ye\ns", 0, "", "line 4: Daily Double mark \"Ye\\ns\"");
        AddRow("lower-case Daily Double", 4, "y", 0, "",
               "line 4: Daily Double mark \"y\" is not \"Y\"");
        AddRow("long category name", 22, QString(33, 'n'), 0, "", "line 22: the category name");
        AddRow("long question", 6, QString(257, 'q'), 0, "", "line 6: the question line is 257");
        AddRow("long answer", 7, QString(301, 'a'), 0, "", "line 7: the answer is 301 char");
        AddRow("long choice", 7, "a^" + QString(301, 'c') + "^^^", 0, "", "answer 2 is 301");
        AddRow(
            "long sound text", 9, "S" + QString(257, 's'), 0, "",
            "257 characters long; only the first 256 are read\nline 9: the question does not fit");
        AddRow("carriage return alone ends a line", 2, "one\rtwo", 0, "", "has 130 lines, not");
        AddRow("answers line past 4 KiB", 3, QString(5000, 'a') + "^^^^^", 0, "",
               "line 3: 5 \"^\" in the answers line");
        AddRow("question line past 4 KiB", 2, QString(5000, 'q'), 0, "", "line is 5000 char");
        AddRow("one line too many", 0, "", 130, "extra", "the file has 130 lines, not 129");
        AddRow("file cut short", 0, "", -100, "", "the file has 100 lines, not 129");
        AddRow("no answer, on its line", 24, "^^^^", 0, "", "line 24: the question has no answer");
        AddRow("lone Daily Double", 100, "N", 0, "", "line 33: the only Daily Double");
    }
    void checkFindings() {
        auto [lineNumber, replacement, secondLine, secondReplacement, finding] =
            Fetch<int, QString, int, QString, QString>("lineNumber", "replacement", "secondLine",
                                                       "secondReplacement", "finding");
        QTemporaryDir dir;
        const QString media = dir.filePath("tower.bmp");
        QVERIFY(QImage(2, 2, QImage::Format_RGB32).save(media));
        QStringList lines = FileLines(FileContents(Example));
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
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(run.exitCode, finding.isEmpty() ? 0 : 3);
        QVERIFY2(finding.isEmpty() ? run.out.isEmpty() : run.out.join('\n').contains(finding),
                 qPrintable(run.out.join('\n')));
    }

    // A picture question's path, found through the pairs or beside the set, and checked there.
    void checkMediaFolders_data() {
        Columns<QString, QStringList, bool, int, QString>("stored", "arguments", "saved", "status",
                                                          "finding");
        const QString map = "C:\\QUIZ\\pictures\\map.bmp";
        const QStringList pair{"--map", "@DIR@/quiz=C:\\Quiz"};
        AddRow("through --map", map, pair, false, 0, "");
        AddRow("through the saved pairs", map, QStringList(), true, 0, "");
        AddRow("saved pairs left out", map, QStringList{"--no-saved-maps"}, true, 3,
               "line 2: picture file \"" + map + "\" does not exist here");
        AddRow("beside the set", "D:\\Old\\Pictures\\TOWER.BMP", QStringList(), false, 0, "");
        AddRow("PNG", "D:\\photo.png", pair, false, 3, "is not a type the game plays");
        AddRow("large bitmap", "D:\\big.bmp", pair, false, 3, "is 11.0 MB: the game's computer");
        AddRow("malformed --map", map, QStringList{"--map", "C:\\Quiz"}, false, 1,
               "--map C:\\Quiz: expected LOCAL=WINDOWS");
    }
    void checkMediaFolders() {
        auto [stored, arguments, saved, status, finding] =
            Fetch<QString, QStringList, bool, int, QString>("stored", "arguments", "saved",
                                                            "status", "finding");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("quiz/Pictures") &&
                QDir(dir.path()).mkpath("set/PICTURES"));
        const QImage picture(2, 2, QImage::Format_RGB32);
        QVERIFY(picture.save(dir.filePath("quiz/Pictures/Map.bmp")) &&
                picture.save(dir.filePath("set/PICTURES/tower.bmp")) &&
                picture.save(dir.filePath("set/big.bmp")) &&
                picture.save(dir.filePath("set/photo.png")));
        QFile big(dir.filePath("set/big.bmp"));
        QVERIFY(big.resize(11 * 1024 * 1024)); // the header still reads
        QStringList lines = FileLines(FileContents(Example));
        lines[3] = "Y";
        lines[1] = stored;
        lines[4] = "P";
        const QString set = dir.filePath("set/set.txt");
        QVERIFY(WriteFile(dir, "set/set.txt", FileBytes(lines)) == set);
        SaveMediaFolders(saved ? QList<FolderPair>{{dir.filePath("quiz"), "C:\\Quiz"}}
                               : QList<FolderPair>());
        arguments.replaceInStrings("@DIR@", dir.path());
        const ToolRun run = RunTool(QStringList{"check", set} + arguments);
        SaveMediaFolders({});
        QCOMPARE(run.exitCode, status);
        const QString output = status == 1 ? run.err : run.out.join('\n');
        QVERIFY2(finding.isEmpty() ? output.isEmpty() : output.contains(finding),
                 qPrintable(output));
    }

    // Several files: each finding names its file; JSON is one array of findings.
    void checkManyFiles() {
        QTemporaryDir dir;
        QStringList lines = FileLines(FileContents(Example));
        lines[3] = "Y";
        const QString clean = WriteFile(dir, "clean.txt", FileBytes(lines));
        lines[2] = "^^^^";
        const QString bad = WriteFile(dir, "bad.txt", FileBytes(lines));
        const ToolRun text = RunTool({"check", clean, bad});
        QCOMPARE(text.exitCode, 3);
        QCOMPARE(text.out, QStringList{bad + ": line 3: the question has no answer"});
        const ToolRun json = RunTool({"check", "--format=json", bad, clean});
        QCOMPARE(json.exitCode, 3);
        const QJsonDocument findings = QJsonDocument::fromJson(json.out.join('\n').toUtf8());
        QCOMPARE(findings.toJson(QJsonDocument::Compact),
                 R"([{"category":1,"file":")" + bad.toUtf8() +
                     R"(","line":3,"message":"the question has no answer","part":"answer",)"
                     R"("question":1,"severity":"error"}])");
        QCOMPARE(RunTool({"check", "--format=json", clean}).out, QStringList{"[]"});
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
