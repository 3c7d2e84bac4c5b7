#include "import/tabexport.h"
#include "model/gamesetcheck.h"
#include "preview/checkprobes.h"
#include "testdata.h"

#include <QDir>

namespace {

const QString Example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");

// The example set with a second Daily Double: a board without findings.
GameSet CleanBoard() {
    GameSet game;
    OpenFile(game, Example);
    game.question(1, 1).DailyDouble = "Y";
    return game;
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

    QTemporaryDir m_media;

private slots:
    void initTestCase() {
        WriteFile(m_media, "bad.jpg", "jpeg");
        WriteFile(m_media, "empty.wav", "");
        QVERIFY(CheckGameSet(CleanBoard(), PreviewCheckProbes()).isEmpty());
    }

    // One change to the clean board and the one finding it brings; question 0 is no square.
    void findings_data() {
        Columns<QString, int, int, QString, QString, QString>("field", "category", "question",
                                                              "value", "kind", "message");
        AddRow("empty question", "text", 2, 1, "  ", "question error", "the question is empty");
        AddRow("right letter on an empty choice", "answers", 7, 1, "|Mars||Venus|", "choice error",
               "the right letter points at an empty choice");
        AddRow("the same question twice", "text", 6, 5,
               "this city on the  Seine is the capital of FRANCE.", "question warning",
               "the same question as category 1 question 1");
        AddRow("too long for the preview", "text", 4, 4, QString(120, 'W'), "question error",
               "does not fit the preview even at 6 points");
        AddRow("outside the code page", "answers", 5, 1, "ΩΩ", "answer error",
               "Ω cannot be stored in a game set; it would be saved as ?");
        AddRow("emoji in a choice", "answers", 5, 2, "x|x|🎲||", "choice error",
               "🎲 cannot be stored");
        AddRow("name outside the code page", "name", 2, 1, "Ωmega", "name error", "Ω cannot be");
        AddRow("question outside the code page", "text", 2, 2, "Ω?", "question error",
               "Ω cannot be stored");
        AddRow("seven Daily Doubles", "dd", 3, 0, "7", "daily-double warning", "7 Daily Doubles");
        AddRow("no category name", "name", 4, 1, " ", "name warning", "the category has no name");
        AddRow("undecodable picture", "P", 1, 3, "bad.jpg", "media error", "\" cannot be read");
        AddRow("empty sound", "S", 1, 4, "empty.wav", "media error", "\" is empty");
    }
    void findings() {
        auto [field, category, question, value] =
            Fetch<QString, int, int, QString>("field", "category", "question", "value");
        GameSet game = CleanBoard();
        QuestionRecord& record = game.question(category, qMax(question, 1));
        if (field == "text") {
            record.QuestionText.set(value);
        } else if (field == "answers") {
            for (int k = 0; k < 5; ++k)
                record.Answers[k].set(value.split('|').value(k));
        } else if (field == "dd") {
            // `value` squares marked in board order from the row's square, no others.
            const int first = (category - 1) * 5 + qMax(question, 1) - 1;
            for (int index = 0; index < 30; ++index)
                game.question(index / 5 + 1, index % 5 + 1).DailyDouble =
                    index >= first && index < first + value.toInt() ? "Y" : "N";
        } else if (field == "name") {
            game.CategoryNames[category - 1].set(value);
        } else {
            record.QuestionType = field;
            (field == "S" ? record.MediaPath : record.QuestionText)
                .set(QDir(m_media.path()).absoluteFilePath(value));
        }
        const QList<Finding> findings = CheckGameSet(game, PreviewCheckProbes());
        QFETCH(QString, message);
        QCOMPARE(findings.size(), 1);
        const Finding& finding = findings.first();
        QVERIFY2(finding.message.contains(message), qPrintable(finding.message));
        QTEST(PartName(finding.part) + ' ' + SeverityName(finding.severity), "kind");
        QCOMPARE(finding.square.has_value(), question > 0);
        QVERIFY(question == 0 || *finding.square == (Square{category, question}));
        QVERIFY(question > 0 || PlaceOfFinding(finding) == "the board");
    }

    // The first bytes of a media file against the format its ending names.
    void mediaContent_data() {
        Columns<QString, QByteArray, QString>("name", "head", "problem");
        using B = QByteArray;
        AddRow("WAV", "a.wav", B("RIFF\0\0\0\0WAVEfmt ", 16), "");
        AddRow("AVI named .WAV", "a.WAV", B("RIFF\0\0\0\0AVI LIST", 16), "like a WAV file");
        AddRow("AVI", "a.avi", B("RIFF\0\0\0\0AVI LIST", 16), "");
        AddRow("MP3 with a tag", "a.mp3", B("ID3\3"), "");
        AddRow("MP3 frame", "a.mp3", B("\xFF\xFB\x90"), "");
        AddRow("MP3 without the sync bits", "a.mp3", B("\xFF\x1B\x90"), "like an MP3 file");
        AddRow("one byte of MP3", "a.mp3", B("\xFF"), "like an MP3 file");
        AddRow("WMA", "a.wma", B::fromHex("3026B2758E66CF11A6D900AA0062CE6C00"), "");
        AddRow("WAV named .wmv", "a.wmv", B("RIFF\0\0\0\0WAVE", 12), "a Windows Media file");
        AddRow("QuickTime", "a.mov", B("\0\0\0\x14moov", 8), "");
        AddRow("MP4", "a.mp4", B::fromHex("00000018") + "ftypisom", "");
        AddRow("MP4 without an atom", "a.mp4", B::fromHex("00000018") + "junkisom", "an MP4 file");
        AddRow("MPEG program stream", "a.mpg", B("\0\0\1\xBA\x44", 5), "");
        AddRow("MPEG video", "a.mpeg", B("\0\0\1\xB3", 4), "");
        AddRow("other start code", "a.mpg", B("\0\0\1\xB5", 4), "like an MPEG file");
        AddRow("empty", "a.wav", B(), "is empty");
        AddRow("ending not looked into", "a.jpg", B("junk"), "");
        AddRow("missing", "", B(), "cannot be opened");
    }
    void mediaContent() {
        auto [name, head, problem] = Fetch<QString, QByteArray, QString>("name", "head", "problem");
        QTemporaryDir dir;
        const QString path = name.isEmpty() ? dir.filePath("none.wav") : WriteFile(dir, name, head);
        const QString found = MediaContentProblem(path);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.endsWith(problem), qPrintable(found));
    }

    void exportLayout_data() {
        Columns<bool>("utf8");
        QTest::newRow("Windows-1252") << false;
        QTest::newRow("UTF-8") << true;
    }
    // 68 CR LF lines; what a tab-delimited line cannot carry is a space, reported with its line.
    void exportLayout() {
        QFETCH(bool, utf8);
        GameSet game = CleanBoard();
        game.question(1, 1).QuestionText.set("Two\tcells");
        game.question(6, 5).Answers[0].set("two\r\nlines");
        game.Final.Answers[2].set("🎲");
        const TabExport exported = ExportTabDelimited(game, TextEncoding(utf8));
        QCOMPARE(exported.bytes.startsWith("\xEF\xBB\xBF"), utf8);
        const QStringList lines =
            (utf8 ? QString::fromUtf8(exported.bytes.mid(3)) : DecodeWindows1252(exported.bytes))
                .split("\r\n");
        QCOMPARE(lines.size(), 69);
        QVERIFY(lines.last().isEmpty() && !lines.join("").contains('\r') &&
                !lines.join("").contains('\n'));
        const QStringList changed{lines.at(1), lines.at(65), lines.at(67)};
        QCOMPARE(changed, (QStringList{"Two cells", "two  lines\t\t\t\t",
                                       utf8 ? "Eagle\t\t🎲\t\t" : "Eagle\t\t?\t\t"}));
        QStringList reported;
        for (const Finding& change : exported.changes)
            reported << QString::number(change.line) + ": " + change.message;
        QCOMPARE(reported, QStringList({"2: a tab in the question was written as a space",
                                        "66: a line break in the answer was written as a space",
                                        "68: 🎲 cannot be written in Windows-1252; it was written "
                                        "as ?"})
                               .mid(0, utf8 ? 2 : 3));
    }
};

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
