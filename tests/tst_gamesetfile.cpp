#include "testdata.h"
#include "util/linereader.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString DefaultTypeLine = u"T#Courier New#28#True#True#16777215#"_s;

// The 129 lines of a freshly reset game set.
QStringList ResetLines(const QString& finalTypeLine = DefaultTypeLine) {
    QStringList lines;
    for (int category = 0; category < 6; ++category) {
        lines << QString();
        for (int question = 0; question < 5; ++question)
            lines << QString() << u"^^^^"_s << u"N"_s << DefaultTypeLine;
    }
    return lines << QString() << u"^^^^"_s << finalTypeLine;
}

} // namespace

class TestGameSetFile : public QObject {
    Q_OBJECT

private slots:
    void numbers_data() {
        // IsNumeric, LeadingNumber, ToBoolean (-1 none), NearestInt16 of the value (99999 none)
        Columns<QString, bool, double, int, int>("text", "numeric", "value", "boolean", "nearest");
        AddRow("spaces around", " 28 ", true, 28.0, 1, 28);
        AddRow("leading point, half to even", ".5", true, 0.5, 1, 0);
        AddRow("signed D exponent", "+1D-2", true, 0.01, 1, 0);
        AddRow("short hex is 16-bit", "&HFFFF", true, -1.0, 1, -1);
        AddRow("octal", "&O17", true, 15.0, 1, 15);
        AddRow("bare ampersand is octal", "&17", true, 15.0, 1, 15);
        AddRow("octal stops at 8", "&O78", false, 7.0, -1, 7);
        AddRow("word", "True", false, 0.0, 1, 0);
        AddRow("lower-case word", "false", false, 0.0, 0, 0);
        AddRow("spaces only", "   ", false, 0.0, -1, 0);
        AddRow("digits then letters", "12px", false, 12.0, -1, 12);
        AddRow("point alone", ".", false, 0.0, -1, 0);
        AddRow("dangling exponent", "7e", false, 7.0, -1, 7);
        AddRow("second point stops", "1.2.3", false, 1.2, -1, 1);
        AddRow("blanks inside", " 1\t2\n3", false, 123.0, -1, 123);
        AddRow("bad hex", "&HG", false, 0.0, -1, 0);
        AddRow("other script digits", u"\u0663\u0664"_s, false, 0.0, -1, 0);
        AddRow("huge", QString(400, '9'), true, qInf(), 1, 99999);
        AddRow("tiny", "1E-400", true, 0.0, 0, 0);
        AddRow("16-bit top", "32767.4", true, 32767.4, 1, 32767);
        AddRow("half over the top", "32767.5", true, 32767.5, 1, 99999);
        AddRow("bottom, half to even", "-32768.5", true, -32768.5, 1, -32768);
        AddRow("under the bottom", "-32768.6", true, -32768.6, 1, 99999);
    }
    void numbers() {
        const QString text = Data<QString>("text");
        QTEST(IsNumeric(text), "numeric");
        QTEST(LeadingNumber(text), "value");
        const std::optional<bool> converted = ToBoolean(text);
        QTEST(converted ? int(*converted) : -1, "boolean");
        const std::optional<qint16> nearest = NearestInt16(LeadingNumber(text));
        QTEST(nearest ? int(*nearest) : 99999, "nearest");
    }

    // The writer's quirks in category 1 and a final question of each type: no
    // Daily Double line, the type compared whole, a whole-number font size.
    void savedLines_data() {
        Columns<QString, QString, QString, QString>("finalType", "size", "question", "typeLine");
        const QString font = u"T#Courier New#%1#True#False#16777215#"_s;
        AddRow("text, half size to even", "T", "28.5", "Final?", font.arg(28));
        AddRow("text, size out of range", "T", "99999", "Final?", font.arg(0));
        AddRow("sound", "S", "28.5", "f.wav", "SFinal?");
        AddRow("type never set", "", "28.5", "Final?", "");
        AddRow("blank type", " ", "28.5", "Final?", "");
        AddRow("two letters", "TX", "28.5", "Final?", "TX");
    }
    void savedLines() {
        // Every field filled before the reset, which clears them all.
        GameSet game = ReadGameSet(FileBytes(QStringList(129, "T#Arial#9#False#False#1#")));
        ResetGameSet(game);
        game.Final.QuestionType = Data<QString>("finalType");
        game.Final.QuestionText.set("  Final?  ");
        game.Final.MediaPath.set(" f.wav");
        game.Final.FontSize = Data<QString>("size");
        game.Final.FontItalic = false;
        game.Final.Answers[1].set("  B ");
        game.CategoryNames[0].set("  Rivers");
        QuestionRecord &a = game.question(1, 1), &b = game.question(1, 2);
        QuestionRecord &c = game.question(1, 3), &d = game.question(1, 4), &e = game.question(1, 5);
        a.QuestionText.set("  Capital?  ");
        a.Answers[2].set("   Nile ");
        a.DailyDouble = " Y ";
        a.FontColor = "0";
        a.FontSize = " 9";
        b.DailyDouble = " "; // blank is not empty: no "N"
        b.FontColor = " ";
        b.FontItalic = false;
        c.FontName = "   ";
        c.QuestionType = " "; // a blank type is saved as text
        d.FontName = " Arial ";
        d.FontBold = false;
        e.QuestionType = "S";
        e.MediaPath.set(" a.wav ");
        e.QuestionText.set("  Name it  ");
        game.question(2, 1).QuestionType = "Video";
        // Category 1, a question a line.
        QStringList expected = u"Rivers|Capital?|^^Nile^^|Y|T#Courier New# 9#True#True#0#|"
                               u"|^^^^||T#Courier New#28#True#False#|"
                               u"|^^^^|N|T#16777215#|"
                               u"|^^^^|N|T# Arial #28#False#True#16777215#|"
                               u"a.wav|^^^^|N|SName it"_s.split('|');
        expected += ResetLines().mid(21);
        expected[25] = "V";
        expected[126] = Data<QString>("question");
        expected[127] = "^B^^^";
        expected[128] = Data<QString>("typeLine");
        QCOMPARE(FileLines(WriteGameSet(game)), expected);
        // The save stores back what it wrote: trimmed values, "N" for no mark.
        QCOMPARE(game.CategoryNames[0].padded().left(7), u"Rivers "_s);
        QCOMPARE(Joined(a.Answers), u"||Nile||"_s);
        QCOMPARE(RTrimSpaces(e.MediaPath.padded()), u"a.wav"_s);
        QCOMPARE(game.question(6, 5).DailyDouble, u"N"_s);
    }

    // Answer lines of 1.1 and the final: the answers read (unpadded), and the file saved.
    void answersLine_data() {
        Columns<QString, QString, QString>("line", "answers", "written");
        AddRow("no caret: trimmed", "  Paris  ", "Paris||||", "Paris^^^^");
        AddRow("leading blanks kept", " a ^ b ", " a| b|||", "a^b^^^");
        AddRow("old short form", "a^b", "a|b|||", "a^b^^^");
        AddRow("extra fields dropped", "a^b^c^d^e^f", "a|b|c|d|e", "a^b^c^d^e");
    }
    void answersLine() {
        QStringList lines = ResetLines();
        lines[2] = lines[127] = Data<QString>("line");
        GameSet game = ReadGameSet(FileBytes(lines));
        QTEST(Joined(game.question(1, 1).Answers), "answers");
        QTEST(Joined(game.Final.Answers), "answers");
        lines[2] = lines[127] = Data<QString>("written");
        QCOMPARE(FileLines(WriteGameSet(game)), lines);
    }

    // The type line of question 1 of a category and of the final, after "line one".
    void questionTypes_data() {
        Columns<int, QString, QString, QString, QString, QString>("category", "typeLine", "type",
                                                                  "finalType", "text", "font");
        const QString D = DefaultFontName;
        AddRow("sound, blanks kept", 1, "S  Name it  ", "S", "S", "  Name it", D);
        AddRow("only first letter counts", 1, "Video", "V", "V", "line one", D);
        AddRow("lower case is another type", 1, "t#Arial#36#", "t", "t", "line one", D);
        AddRow("text with a font", 1, "T#Arial#36#", "T", "T", "line one", "Arial");
        AddRow("empty type is text", 1, "", "T", "T", "line one", D);
        // A blank letter is text in categories 1, 2, 4 and 5 only, never in the final.
        for (int category = 1; category <= 6; ++category) {
            AddRow(qPrintable(u"blank in category %1"_s.arg(category)), category,
                   " #Arial#36#False#False#", category % 3 ? "T" : " ", " ", "line one",
                   category % 3 ? "Arial" : D);
        }
    }
    void questionTypes() {
        const int category = Data<int>("category");
        const QString typeLine = Data<QString>("typeLine"), type = Data<QString>("type");
        QStringList lines = ResetLines(typeLine);
        const int base = 21 * category - 20; // question 1, 0-based
        lines[base] = lines[126] = "line one";
        lines[base + 3] = typeLine;
        const GameSet game = ReadGameSet(FileBytes(lines));
        const QuestionRecord& record = game.question(category, 1);
        QCOMPARE(record.QuestionType, type);
        QTEST(RTrimSpaces(record.QuestionText.padded()), "text");
        QCOMPARE(record.MediaPath.trimmed(), type == "S" ? u"line one"_s : QString());
        QTEST(record.FontName, "font");
        QTEST(game.Final.QuestionType, "finalType");
    }

    // Past a short file's end questions keep the last lines read; nothing after the final is.
    void shortAndLongFiles() {
        GameSet empty = ReadGameSet(QByteArray());
        QCOMPARE(FileLines(WriteGameSet(empty)), ResetLines());
        GameSet game = ReadGameSet(FileBytes({"Name", "tune.wav", "a", " Y ", "SName it"}));
        QCOMPARE(game.CategoryNames[0].trimmed(), u"Name"_s);
        QCOMPARE(game.question(1, 1).DailyDouble, u" Y "_s); // kept untrimmed
        QVERIFY(game.CategoryNames[5].isBlank());
        for (const QuestionRecord* record : {&game.question(3, 4), &game.Final}) {
            QCOMPARE(record->QuestionType, u"S"_s);
            QCOMPARE(record->QuestionText.trimmed(), u"Name it"_s);
            QCOMPARE(record->MediaPath.trimmed(), u"tune.wav"_s);
            QCOMPARE(record->DailyDouble, QString()); // keeps its reset value
            QCOMPARE(Joined(record->Answers), u"||||"_s);
        }
        const QByteArray bytes = WriteGameSet(game);
        const GameSet plain = ReadGameSet(bytes);
        QCOMPARE(ReadGameSet(bytes + "junk^x^y^z^w^v\r\nSmore\r\n"), plain);
        QCOMPARE(ReadGameSet(bytes.chopped(2)), plain); // an unterminated last line
    }

    // Only regular files are read, so a device that never ends cannot hang the reader.
    void openErrors() {
        QTemporaryDir dir;
        GameSet game;
        QCOMPARE(OpenFile(game, dir.path()).number, ErrorNumber::PathFileAccess);
        QCOMPARE(OpenFile(game, "/dev/zero").number, ErrorNumber::PathFileAccess);
    }

    // Every byte reads as one character and is written back as itself.
    void windows1252EveryByte() {
        QString high;
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray bytes(1, char(byte));
            const QString text = DecodeWindows1252(bytes);
            bool lossless = false;
            QCOMPARE(EncodeWindows1252(text, &lossless), bytes);
            QVERIFY(lossless && text.size() == 1 && IsWindows1252(text.at(0)));
            QCOMPARE(IsUndefinedWindows1252(text.at(0)),
                     QByteArray("\x81\x8D\x8F\x90\x9D").contains(char(byte)));
            if (byte >= 0x80 && byte < 0xA0)
                high += text;
            else
                QCOMPARE(int(text.at(0).unicode()), byte); // as in Latin-1
        }
        QCOMPARE(high, u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160"
                       u"\u2039\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022"
                       u"\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178"_s);
    }

    void windows1252Outside_data() {
        Columns<QString, QByteArray>("text", "encoded");
        AddRow("C1 control not in the table", u"-\u0085"_s, QByteArray("-?"));
        AddRow("lone high surrogate", u"a"_s + QChar(0xD800) + "b", QByteArray("a?b"));
    }
    void windows1252Outside() {
        const QString text = Data<QString>("text");
        bool lossless = true;
        QTEST(EncodeWindows1252(text, &lossless), "encoded");
        QVERIFY(!lossless);
        QVERIFY(!IsWindows1252(text.at(1)));
    }

    void lineEnds_data() {
        Columns<QByteArray, QStringList>("input", "lines");
        AddRow("empty", QByteArray(), QStringList());
        AddRow("CR LF", QByteArray("a\r\nb\r\n"), QStringList{"a", "b"});
        AddRow("CR only", QByteArray("a\rb\r"), QStringList{"a", "b"});
        AddRow("lone LF stays", QByteArray("a\nb\r\nc"), QStringList{"a\nb", "c"});
        AddRow("CR CR LF", QByteArray("a\r\r\n"), QStringList{"a", ""});
        // Longer than a read chunk and the limit; its CR LF straddles the 64 KiB boundary.
        AddRow("long line", QByteArray(64 * 1024 - 1, 'x') + "\r\nsecond\r\n",
               QStringList{QString(10, 'x'), "second"});
    }
    void lineEnds() {
        QByteArray input = Data<QByteArray>("input");
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        LineReader reader(buffer, 10);
        QStringList read;
        QString line;
        while (reader.readLine(line))
            read << line;
        QTEST(read, "lines");
        QVERIFY(!reader.readLine(line));
    }
};

QTEST_GUILESS_MAIN(TestGameSetFile)
#include "tst_gamesetfile.moc"
