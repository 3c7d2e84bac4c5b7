#include "testdata.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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

    void defaultFolder_data() {
        QTest::addColumn<QString>("documents"); // "": none yet, "file": a file in the way
        QTest::addColumn<QString>("asked");     // "default", or a folder under home
        QTest::addColumn<QString>("startsIn");  // under home; "." is home itself
        const QString sets = u"Documents/Trivia Sets"_s;
        AddRow("created on first use", "", "default", sets);
        AddRow("already there", "folder", "default", sets);
        AddRow("cannot be created", "file", "default", ".");
        AddRow("another folder", "", "elsewhere", "elsewhere");
    }
    void defaultFolder() {
        QFETCH(QString, documents);
        QFETCH(QString, asked);
        QFETCH(QString, startsIn);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
        if (documents == "folder"_L1)
            QVERIFY(QDir(home.path()).mkpath(u"Documents/Trivia Sets"_s));
        else if (documents == "file"_L1)
            QVERIFY(!WriteFile(home, u"Documents"_s, "").isEmpty());

        const QString sets = home.filePath(u"Documents/Trivia Sets"_s);
        QCOMPARE(DefaultGameSetFolder(), sets);
        const QString folder = asked == "default"_L1 ? sets : home.filePath(asked);
        QCOMPARE(QDir(ReadyChooserFolder(folder)), QDir(home.filePath(startsIn)));
        // Only the default folder is ever created.
        QCOMPARE(QFileInfo(sets).isDir(), startsIn == u"Documents/Trivia Sets"_s);
        QVERIFY(!QFileInfo::exists(home.filePath(u"elsewhere"_s)));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "tst_pathhelpers.moc"
