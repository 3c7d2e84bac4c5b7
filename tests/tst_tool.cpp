#include "model/gamesetfile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QZ_TOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The lines of a plain, faultless game set: text questions with answers.
QList<QByteArray> cleanLines() {
    GameSet game;
    game.FinalQuestionType = QStringLiteral("T");
    ResetGameSet(game);
    for (int category = 1; category <= 6; ++category) {
        game.CategoryNames[category - 1].set(QStringLiteral("Category %1").arg(category));
        for (int question = 1; question <= 5; ++question) {
            game.question(category, question).QuestionText.set(QStringLiteral("Question"));
            game.question(category, question).Answers[0].set(QStringLiteral("Answer"));
        }
    }
    game.FinalQuestionText.set(QStringLiteral("Final"));
    QList<QByteArray> lines = WriteGameSet(game).split('\n');
    lines.removeLast(); // after the last line feed
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

QByteArray fileOf(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

class TestTool : public QObject {
    Q_OBJECT

private slots:
    void resaveIsAFixedPoint() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
        const QString first = dir.filePath("first.txt");
        const QString second = dir.filePath("second.txt");

        ToolRun run = runTool({"resave", example, first});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        run = runTool({"resave", first, second});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contentsOf(second), contentsOf(first));

        // The tool writes what the editor's own reader and writer give.
        GameSet game;
        QVERIFY(!OpenFile(game, example).failed());
        QCOMPARE(contentsOf(first), WriteGameSet(game));
        QCOMPARE(contentsOf(first).count("\r\n"), 129);
    }

    void resaveErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing input")
            << QStringList{"resave", "missing.txt", "out.txt"} << "error 53";
        QTest::newRow("output is a folder")
            << QStringList{"resave", "in.txt", "folder"} << "error 75";
        QTest::newRow("one argument") << QStringList{"resave", "in.txt"} << "Usage";
        QTest::newRow("unknown command") << QStringList{"convert", "in.txt"} << "unknown command";
        QTest::newRow("no command") << QStringList{} << "Usage";
        QTest::newRow("check missing file") << QStringList{"check", "missing.txt"} << "error 53";
        QTest::newRow("check a folder") << QStringList{"check", "folder"} << "error 75";
        QTest::newRow("check two files") << QStringList{"check", "in.txt", "in.txt"} << "Usage";
    }
    void resaveErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(dir.filePath("in.txt"), fileOf(cleanLines())));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        for (qsizetype index = 1; index < arguments.size(); ++index)
            arguments[index] = dir.filePath(arguments.at(index));

        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    }

    void checkFindings_data() {
        QTest::addColumn<int>("lineNumber"); // 1-based line to replace; 0 for none
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<int>("secondLine");
        QTest::addColumn<QByteArray>("secondReplacement");
        QTest::addColumn<QString>("finding"); // "" when nothing is to be reported

        QTest::newRow("clean") << 0 << QByteArray() << 0 << QByteArray() << "";
        QTest::newRow("caret in an answer") << 3 << QByteArray("a^b^^^^") << 0 << QByteArray()
                                            << "line 3: 5 \"^\" in the answers line";
        QTest::newRow("hash in a font name") << 5 << QByteArray("T#Ar#ial#28#True#True#255#") << 0
                                             << QByteArray() << "line 5: 7 \"#\" in the type line";
        QTest::newRow("line feed in a text") << 2 << QByteArray("two\nlines") << 0 << QByteArray()
                                             << "line 2: line feed inside the text";
        QTest::newRow("undefined byte") << 23 << QByteArray("caf\x81") << 0 << QByteArray()
                                        << "line 23: byte 0x81 has no character";
        QTest::newRow("UTF-8 text")
            << 1 << QByteArray("Caf\xC3\xA9s") << 0 << QByteArray() << "line 1: looks like UTF-8";
        QTest::newRow("missing picture")
            << 2 << QByteArray("C:\\Trivia Sets\\tower.jpg") << 5 << QByteArray("P")
            << "line 2: picture file \"C:\\Trivia Sets\\tower.jpg\" does not exist";
        QTest::newRow("missing sound")
            << 2 << QByteArray("/nowhere/tune.wav") << 5 << QByteArray("SName the tune")
            << "line 2: sound file \"/nowhere/tune.wav\" does not exist";
        QTest::newRow("missing video in the final")
            << 127 << QByteArray("D:\\clips\\launch.mpg") << 129 << QByteArray("V")
            << "line 127: video file \"D:\\clips\\launch.mpg\" does not exist";
        QTest::newRow("existing picture")
            << 2 << QByteArray("@MEDIA@") << 5 << QByteArray("P") << "";
        QTest::newRow("one-digit font size")
            << 5 << QByteArray("T#Arial#9#True#True#255#") << 0 << QByteArray()
            << "line 5: font size \"9\" reads as 28";
        QTest::newRow("black colour") << 9 << QByteArray("T#Arial#28#True#True#0#") << 0
                                      << QByteArray() << "line 9: colour \"0\" reads as white";
        QTest::newRow("hash in a font name without a colour")
            << 5 << QByteArray("T#Ar#ial#28#True#True#") << 0 << QByteArray()
            << "line 5: colour \"True\" is not a number";
        QTest::newRow("colour-only form is fine")
            << 9 << QByteArray("T#255#") << 0 << QByteArray() << "";
        QTest::newRow("blank type in category 3")
            << 47 << QByteArray(" #Arial#28#True#True#") << 0 << QByteArray()
            << "line 47: type line starts with a space";
        QTest::newRow("blank type in category 1 is text")
            << 5 << QByteArray(" #Arial#28#True#True#") << 0 << QByteArray() << "";
        QTest::newRow("Daily Double word")
            << 4 << QByteArray("Yes") << 0 << QByteArray() << "line 4: Daily Double mark \"Yes\"";
        QTest::newRow("lower-case Daily Double is fine")
            << 4 << QByteArray("y") << 0 << QByteArray() << "";
        QTest::newRow("long category name") << 22 << QByteArray(40, 'n') << 0 << QByteArray()
                                            << "line 22: the category name is 40 characters";
        QTest::newRow("one line too many")
            << 0 << QByteArray() << 130 << QByteArray("extra") << "the file has 130 lines, not 129";
        QTest::newRow("file cut short")
            << 0 << QByteArray() << -100 << QByteArray() << "the file has 100 lines, not 129";
    }
    void checkFindings() {
        QFETCH(int, lineNumber);
        QFETCH(QByteArray, replacement);
        QFETCH(int, secondLine);
        QFETCH(QByteArray, secondReplacement);
        QFETCH(QString, finding);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString media = dir.filePath("tower.jpg");
        QVERIFY(writeFile(media, "jpeg"));

        QList<QByteArray> lines = cleanLines();
        auto place = [&](int number, QByteArray text) {
            text.replace("@MEDIA@", media.toLocal8Bit());
            if (number > static_cast<int>(lines.size()))
                lines.append(text);
            else if (number > 0)
                lines[number - 1] = text;
            else if (number < 0)
                lines = lines.mid(0, -number);
        };
        place(lineNumber, replacement);
        place(secondLine, secondReplacement);
        const QString path = dir.filePath("set.txt");
        QVERIFY(writeFile(path, fileOf(lines)));

        const ToolRun run = runTool({"check", path});
        QVERIFY(run.err.isEmpty());
        if (finding.isEmpty()) {
            QCOMPARE(run.out, QString());
            QCOMPARE(run.exitCode, 0);
        } else {
            QVERIFY2(run.out.contains(finding), qPrintable(run.out));
            QCOMPARE(run.exitCode, 3);
        }
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
