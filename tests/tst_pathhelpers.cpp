#include "testdata.h"
#include "util/pathhelpers.h"

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
        AddRow("full path", "C:\\Sets\\Game1.txt", "Game1.txt", "C:\\Sets\\", "C:\\Sets\\Game1");
        AddRow("dot in a folder", "C:\\My.Sets\\Game1.txt", "Game1.txt", "C:\\My.Sets\\", "C:\\My");
        AddRow("bare name", "Game1.txt", "", "", "Game1");
        AddRow("trailing backslash", "C:\\Sets\\", "", "C:\\Sets\\", "C:\\Sets\\");
        AddRow("two dots", "a\\b.c.d", "b.c.d", "a\\", "a\\b");
        AddRow("slashes do not count", "/home/u/x.txt", "", "", "/home/u/x");
    }
    void pathParts() {
        QFETCH(QString, path);
        QTEST(GetFileName(path), "fileName");
        QTEST(GetFolder(path), "folder");
        QTEST(StripExtension(path), "withoutExtension");
    }

    void removeLineBreak_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        AddRow("middle", "a\r\nb", "a\nb");
        AddRow("none", "abc", "abc");
        AddRow("only the first pair", "a\r\nb\r\nc", "a\nb\r\nc");
        AddRow("at the end", "a\r\n", "a\n");
        AddRow("lone CR stays", "a\rb", "a\rb");
        AddRow("LF CR is no pair", "a\n\rb", "a\n\rb");
    }
    void removeLineBreak() {
        QFETCH(QString, text);
        QTEST(RemoveLineBreak(text), "expected");
    }

    void backslashAndNulls_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("withBackslash");
        QTest::addColumn<QString>("beforeNul");
        AddRow("folder", "C:\\Sets", "C:\\Sets\\", "C:\\Sets");
        AddRow("already", "C:\\Sets\\", "C:\\Sets\\", "C:\\Sets\\");
        AddRow("empty", "", "\\", "");
        AddRow("nul padded", "a.txt" + QString(3, Nul), "a.txt" + QString(3, Nul) + "\\", "a.txt");
    }
    void backslashAndNulls() {
        QFETCH(QString, text);
        QTEST(AddBackslash(text), "withBackslash");
        QTEST(StripNulls(text), "beforeNul");
    }

    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        const QString gameSets = AddFilterItem(QString(), "Game Sets(*.txt)", "*.txt");
        AddRow("added items", AddFilterItem(gameSets, "All"), "Game Sets(*.txt) (*.txt);;All (*)");
        AddRow("pipe pair", "Game Sets(*.txt)|*.txt", "Game Sets(*.txt) (*.txt)");
        AddRow("patterns with spaces", "Sounds|*.wav; *.mp3;*.wma|Pictures|*.bmp;*.jpg",
               "Sounds (*.wav *.mp3 *.wma);;Pictures (*.bmp *.jpg)");
        AddRow("missing pattern", "Text", "Text (*)");
        AddRow("empty", "", "");
    }
    void filters() {
        QFETCH(QString, filter);
        QTEST(ToQtFileFilter(filter), "expected");
    }

    void fileExists() {
        QTemporaryDir dir;
        const QString file = WriteFile(dir, "game.txt", "");
        QVERIFY(FileExists(file));
        QVERIFY(FileExists(file + "\\"));    // one trailing backslash is ignored
        QVERIFY(!FileExists(file + "\\\\")); // only one
        for (const QString& path :
             {dir.path(), dir.path() + "\\", dir.filePath("x.txt"), QString()})
            QVERIFY2(!FileExists(path), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "tst_pathhelpers.moc"
