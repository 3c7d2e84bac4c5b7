// The real window on scripted services: its fit to the screen, and media
// stored with the game's Windows paths.
#include "editorharness.h"

#include "editor/missingmediadialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A set whose media the game finds at C:\Quiz, with a picture on square
// 1,1 and the final question's sound.
QString WindowsSet(const QString& folder, const QString& picture, const QString& sound) {
    GameSet game;
    ResetGameSet(game);
    for (auto& name : game.CategoryNames)
        name.set(u"MAPS"_s);
    QuestionRecord& square = game.record({1, 1});
    square.QuestionType = u"P"_s;
    square.QuestionText.set(picture);
    square.Answers[0].set(u"Map"_s);
    QuestionRecord& final = game.record(Square::finalQuestion());
    final.QuestionType = u"S"_s;
    final.QuestionText.set(u"Which bell is this?"_s);
    final.MediaPath.set(sound);
    return WriteGameSetFile(game, folder, u"quiz.txt"_s);
}

void PutFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(path, "JPG"));
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SaveMediaFolders({});
    }

    // A Windows set copied here with its media beside it shows and plays
    // them, unasked, and saves unchanged.
    void windowsSetBesideItsMedia() {
        QTemporaryDir dir;
        PutFile(dir.filePath(u"set/Pictures/map.jpg"_s));
        PutFile(dir.filePath(u"set/bell.wav"_s));
        const QString set = WindowsSet(dir.filePath(u"set"_s), u"C:\\Quiz\\PICTURES\\Map.jpg"_s,
                                       u"C:\\Quiz\\Sounds\\bell.wav"_s);
        QFile file(set);
        QVERIFY(file.open(QIODevice::ReadOnly));
        EditorHarness editor({}, set);
        editor.select(1, 1);
        QVERIFY(!editor.label(u"picImageResize"_s)->pixmap().isNull());
        editor.select(7);
        editor.click(u"btnPlay"_s);
        QVERIFY(editor.services.players.at(1)->calls.contains(u"open:"_s +
                                                              dir.filePath(u"set/bell.wav"_s)));
        QVERIFY(editor.label(u"lblMediaNotFound"_s)->isHidden());
        QCOMPARE(editor.services.messageTexts(), QStringList());
        QCOMPARE(editor.savedBytes(), file.readAll());
    }

    // Media moved away are found by name in a folder and relinked as one
    // step, stored under the media folder's Windows path; Undo puts back
    // every path. A file attached from that folder is stored the same way.
    void relinkMissingMedia() {
        QTemporaryDir dir;
        PutFile(dir.filePath(u"media/old/map.jpg"_s));
        PutFile(dir.filePath(u"media/pictures/Map.JPG"_s));
        PutFile(dir.filePath(u"media/BELL.wav"_s));
        QDir().mkpath(dir.filePath(u"set"_s));
        const QString set = WindowsSet(dir.filePath(u"set"_s), u"C:\\Quiz\\Pictures\\map.jpg"_s,
                                       u"C:\\Quiz\\bell.wav"_s);
        EditorHarness editor({}, set);
        const QByteArray before = editor.savedBytes();
        QCOMPARE(editor.label(u"lblMediaNotFound"_s)->text(),
                 u"Picture not found:\nC:\\Quiz\\Pictures\\map.jpg"_s);

        editor.services.setNextFolder(dir.filePath(u"media"_s));
        editor.services.setNextText(u"Quiz"_s); // not a Windows folder: asked again
        editor.services.setNextText(u"d:/Media/"_s);
        editor.click(u"mnuMediaFolders"_s);
        editor.click(u"btnAddMediaFolder"_s);
        editor.find<QDialogButtonBox>(u"btnsMediaFolders"_s)->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(SavedMediaFolders(),
                 (QList<FolderPair>{{dir.filePath(u"media"_s), u"d:\\Media"_s}}));
        QCOMPARE(editor.services.messages.size(), 1);

        editor.click(u"mnuFindMissingMedia"_s);
        auto* dialog = editor.find<MissingMediaDialog>(u"dlgMissingMedia"_s);
        QCOMPARE(editor.find<QTableWidget>(u"lstMissingMedia"_s)->rowCount(), 2);
        editor.services.setNextFolder(dir.path());
        editor.click(u"btnSearchFolder"_s);
        QTRY_VERIFY(!dialog->isSearching());
        editor.click(u"btnRelink"_s);
        QCOMPARE(editor.find<QTableWidget>(u"lstMissingMedia"_s)->rowCount(), 0);
        const QByteArray relinked = editor.savedBytes();
        QVERIFY(relinked.contains("d:\\Media\\pictures\\Map.JPG\r\n"));
        QVERIFY(relinked.contains("d:\\Media\\BELL.wav\r\n"));
        // The two paths changed, and nothing else.
        QCOMPARE(QByteArray(relinked)
                     .replace("d:\\Media\\pictures\\Map.JPG", "C:\\Quiz\\Pictures\\map.jpg")
                     .replace("d:\\Media\\BELL.wav", "C:\\Quiz\\bell.wav"),
                 before);
        QVERIFY(editor.label(u"lblMediaNotFound"_s)->isHidden());
        dialog->close();

        QCOMPARE(editor.action(u"mnuEditUndo"_s)->text(), u"&Undo Relink Media"_s);
        editor.click(u"mnuEditUndo"_s);
        QCOMPARE(editor.savedBytes(), before);

        editor.select(1, 2);
        editor.services.setNextFileName(dir.filePath(u"media/old/map.jpg"_s));
        editor.click(u"btnPicture"_s);
        QCOMPARE(editor.record(1, 2).QuestionText.trimmed(), u"d:\\Media\\old\\map.jpg"_s);
        QCOMPARE(editor.services.messages.size(), 1);
    }

    // Every control can be scrolled to on a small screen; where the board fits, it is exact.
    void fitsAnyScreen() {
        EditorHarness editor;
        auto* scroller = editor.find<QScrollArea>(u"boardScroller"_s);
        const QSize screen = editor.window->screen()->availableGeometry().size();
        editor.window->resize(screen.boundedTo(QSize(640, 480)));
        QCoreApplication::processEvents();
        for (const QString& name : {u"picFinalQuestion"_s, u"btnNext"_s, u"lblCat6_4"_s}) {
            auto* control = editor.find<QWidget>(name);
            scroller->ensureWidgetVisible(control, 0, 0);
            const QRect place(control->mapTo(scroller->viewport(), QPoint()), control->size());
            QVERIFY2(scroller->viewport()->rect().contains(place), qPrintable(name));
        }
        editor.window->resize(1018, 2000);
        QCoreApplication::processEvents();
        QCOMPARE(editor.find<QWidget>(u"centralwidget"_s)->size(), QSize(1018, 681));
        QCOMPARE(scroller->viewport()->width(), 1018);
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
