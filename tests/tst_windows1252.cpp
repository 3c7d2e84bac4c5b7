#include "util/linereader.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(static_cast<char>(byte));
        const QString text = DecodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        bool lossless = false;
        QCOMPARE(EncodeWindows1252(text, &lossless), all);
        QVERIFY(lossless);
        for (const QChar character : text)
            QVERIFY(IsWindows1252(character));
    }

    void byteMeaning_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("character");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 81") << 0x81 << 0x0081;
        QTest::newRow("low quote") << 0x82 << 0x201A;
        QTest::newRow("undefined 8D") << 0x8D << 0x008D;
        QTest::newRow("Z caron") << 0x8E << 0x017D;
        QTest::newRow("undefined 8F") << 0x8F << 0x008F;
        QTest::newRow("undefined 90") << 0x90 << 0x0090;
        QTest::newRow("left quote") << 0x91 << 0x2018;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("undefined 9D") << 0x9D << 0x009D;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("nbsp") << 0xA0 << 0x00A0;
        QTest::newRow("e acute") << 0xE9 << 0x00E9;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
        QTest::newRow("tab") << 0x09 << 0x0009;
    }
    void byteMeaning() {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QByteArray bytes(1, static_cast<char>(byte));
        QCOMPARE(DecodeWindows1252(bytes), QString(QChar(character)));
        QCOMPARE(EncodeWindows1252(QString(QChar(character))), bytes);
    }

    void charactersOutsideTheCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("A macron") << QStringLiteral("a\u0100b") << QByteArray("a?b");
        QTest::newRow("C1 control not in the table") << QStringLiteral("\u0085") << QByteArray("?");
        QTest::newRow("one emoji is one question mark")
            << QString::fromUtf8("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
        QTest::newRow("cyrillic") << QStringLiteral("\u0416") << QByteArray("?");
    }
    void charactersOutsideTheCodePage() {
        QFETCH(QString, text);
        QFETCH(QByteArray, encoded);
        bool lossless = true;
        QCOMPARE(EncodeWindows1252(text, &lossless), encoded);
        QVERIFY(!lossless);
        QVERIFY(!IsWindows1252(text.at(text.size() > 1 ? 1 : 0)));
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF stays") << QByteArray("a\nb\r\nc") << QStringList{"a\nb", "c"};
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\r\n") << QStringList{"", "", ""};
        QTest::newRow("LF CR") << QByteArray("\n\r") << QStringList{"\n"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QStringList{"a", ""};
        QTest::newRow("high bytes") << QByteArray("\x80\xE9\r\n") << QStringList{"\u20AC\u00E9"};
    }
    void lineEnds() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, lines);
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        LineReader reader(buffer);
        QStringList read;
        QString line;
        while (reader.readLine(line))
            read << line;
        QCOMPARE(read, lines);
        QVERIFY(!reader.readLine(line));
    }

    void longLinesAreCutAndCRLFAcrossChunks() {
        // Line 1 is longer than a read chunk and the limit; its CR LF pair
        // straddles the chunk boundary of 64 KiB.
        QByteArray input(64 * 1024 - 1, 'x');
        input += "\r\nsecond\r\n";
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        LineReader reader(buffer, 10);
        QString line;
        QVERIFY(reader.readLine(line));
        QCOMPARE(line, QString(10, QLatin1Char('x')));
        QVERIFY(reader.readLine(line));
        QCOMPARE(line, QStringLiteral("second"));
        QVERIFY(!reader.readLine(line));
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
