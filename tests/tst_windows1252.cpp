#include "testdata.h"
#include "util/linereader.h"

#include <QBuffer>
#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void byteMeaning_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("character");
        AddRow("euro", 0x80, 0x20AC);
        AddRow("undefined 81", 0x81, 0x0081);
        AddRow("undefined 8D", 0x8D, 0x008D);
        AddRow("Z caron", 0x8E, 0x017D);
        AddRow("undefined 8F", 0x8F, 0x008F);
        AddRow("undefined 90", 0x90, 0x0090);
        AddRow("left quote", 0x91, 0x2018);
        AddRow("em dash", 0x97, 0x2014);
        AddRow("undefined 9D", 0x9D, 0x009D);
        AddRow("Y diaeresis", 0x9F, 0x0178);
        AddRow("y diaeresis", 0xFF, 0x00FF);
    }
    void byteMeaning() {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QByteArray bytes(1, static_cast<char>(byte));
        QCOMPARE(DecodeWindows1252(bytes), QString(QChar(character)));
        bool lossless = false;
        QCOMPARE(EncodeWindows1252(QString(QChar(character)), &lossless), bytes);
        QVERIFY(lossless && IsWindows1252(QChar(character)));
    }

    void charactersOutsideTheCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoded");
        AddRow("A macron", QStringLiteral("a\u0100b"), QByteArray("a?b"));
        AddRow("C1 control not in the table", QStringLiteral("-\u0085"), QByteArray("-?"));
        AddRow("one emoji is one question mark", QString::fromUtf8("x\xF0\x9F\x98\x80y"),
               QByteArray("x?y"));
        AddRow("emoji at the end", QString::fromUtf8("\xC3\xA9\xF0\x9F\x98\x80"),
               QByteArray("\xE9?"));
        AddRow("lone high surrogate at the end", QString(u'a') + QChar(0xD800), QByteArray("a?"));
    }
    void charactersOutsideTheCodePage() {
        QFETCH(QString, text);
        bool lossless = true;
        QTEST(EncodeWindows1252(text, &lossless), "encoded");
        QVERIFY(!lossless);
        QVERIFY(!IsWindows1252(text.at(1)));
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("lines");
        AddRow("empty", QByteArray(), QStringList());
        AddRow("CR LF", QByteArray("a\r\nb\r\n"), QStringList{"a", "b"});
        AddRow("CR only", QByteArray("a\rb\r"), QStringList{"a", "b"});
        AddRow("lone LF stays", QByteArray("a\nb\r\nc"), QStringList{"a\nb", "c"});
        AddRow("LF CR", QByteArray("\n\r"), QStringList{"\n"});
        AddRow("CR CR LF", QByteArray("a\r\r\n"), QStringList{"a", ""});
        // Line 1 is longer than a read chunk and the limit; its CR LF pair
        // straddles the chunk boundary of 64 KiB.
        AddRow("long line", QByteArray(64 * 1024 - 1, 'x') + "\r\nsecond\r\n",
               QStringList{QString(10, 'x'), "second"});
    }
    void lineEnds() {
        QFETCH(QByteArray, input);
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

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
