#include "util/pathhelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QChar Nul = QChar(0);
}

class TestPathHelpers : public QObject {
    Q_OBJECT

private slots:
    void pathParts_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("withoutExtension");
        QTest::newRow("full path") << "C:\\Sets\\Game1.txt"
                                   << "Game1.txt"
                                   << "C:\\Sets\\"
                                   << "C:\\Sets\\Game1";
        QTest::newRow("dot in a folder") << "C:\\My.Sets\\Game1.txt"
                                         << "Game1.txt"
                                         << "C:\\My.Sets\\"
                                         << "C:\\My";
        QTest::newRow("bare name") << "Game1.txt"
                                   << ""
                                   << ""
                                   << "Game1";
        QTest::newRow("trailing backslash") << "C:\\Sets\\"
                                            << ""
                                            << "C:\\Sets\\"
                                            << "C:\\Sets\\";
        QTest::newRow("two dots") << "a\\b.c.d"
                                  << "b.c.d"
                                  << "a\\"
                                  << "a\\b";
        QTest::newRow("slashes do not count") << "/home/u/x.txt"
                                              << ""
                                              << ""
                                              << "/home/u/x";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
    }
    void pathParts() {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, folder);
        QFETCH(QString, withoutExtension);
        QCOMPARE(GetFileName(path), fileName);
        QCOMPARE(GetFolder(path), folder);
        QCOMPARE(StripExtension(path), withoutExtension);
    }

    void removeLineBreak_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("middle") << "a\r\nb"
                                << "a\nb";
        QTest::newRow("none") << "abc"
                              << "abc";
        QTest::newRow("only the first pair") << "a\r\nb\r\nc"
                                             << "a\nb\r\nc";
        QTest::newRow("at the end") << "a\r\n"
                                    << "a\n";
        QTest::newRow("lone CR stays") << "a\rb"
                                       << "a\rb";
        QTest::newRow("LF CR is no pair") << "a\n\rb"
                                          << "a\n\rb";
    }
    void removeLineBreak() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveLineBreak(text), expected);
    }

    void backslashAndNulls_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("withBackslash");
        QTest::addColumn<QString>("beforeNul");
        QTest::newRow("folder") << "C:\\Sets"
                                << "C:\\Sets\\"
                                << "C:\\Sets";
        QTest::newRow("already") << "C:\\Sets\\"
                                 << "C:\\Sets\\"
                                 << "C:\\Sets\\";
        QTest::newRow("empty") << ""
                               << "\\"
                               << "";
        QTest::newRow("nul padded") << QStringLiteral("a.txt") + QString(3, Nul)
                                    << QStringLiteral("a.txt") + QString(3, Nul) + "\\"
                                    << "a.txt";
        QTest::newRow("nul first") << QString(Nul) + "x" << QString(Nul) + "x\\"
                                   << "";
    }
    void backslashAndNulls() {
        QFETCH(QString, text);
        QFETCH(QString, withBackslash);
        QFETCH(QString, beforeNul);
        QCOMPARE(AddBackslash(text), withBackslash);
        QCOMPARE(StripNulls(text), beforeNul);
    }

    void filters() {
        const QString gameSets = AddFilterItem(QString(), "Game Sets(*.txt)", "*.txt");
        QCOMPARE(gameSets, QStringLiteral("Game Sets(*.txt)") + Nul + "*.txt" + Nul);
        const QString both = AddFilterItem(gameSets, "All");
        QCOMPARE(both, gameSets + "All" + Nul + "*.*" + Nul);
        QCOMPARE(ToQtFileFilter(both), QStringLiteral("Game Sets(*.txt) (*.txt);;All (*)"));
    }

    void toQtFileFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pipe pair") << "Game Sets(*.txt)|*.txt"
                                   << "Game Sets(*.txt) (*.txt)";
        QTest::newRow("patterns with spaces")
            << "Sounds|*.wav; *.mp3;*.wma|Pictures|*.bmp;*.jpg"
            << "Sounds (*.wav *.mp3 *.wma);;Pictures (*.bmp *.jpg)";
        QTest::newRow("nul form") << QStringLiteral("Videos") + Nul + "*.avi; *.mp4" + Nul
                                  << "Videos (*.avi *.mp4)";
        QTest::newRow("all files") << "All Files|*.*"
                                   << "All Files (*)";
        QTest::newRow("missing pattern") << "Text"
                                         << "Text (*)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void toQtFileFilter() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(ToQtFileFilter(filter), expected);
    }

    void fileExists() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("game.txt");
        QFile create(file);
        QVERIFY(create.open(QIODevice::WriteOnly));
        create.close();

        QVERIFY(FileExists(file));
        QVERIFY(FileExists(file + "\\"));    // one trailing backslash is ignored
        QVERIFY(!FileExists(file + "\\\\")); // only one
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(dir.path() + "\\"));
        QVERIFY(!FileExists(dir.filePath("missing.txt")));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists("C:\\Trivia Sets\\game.txt"));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "tst_pathhelpers.moc"
