// The real window on scripted services: its fit to the screen, its colours, pictures converted,
// and media stored with the game's Windows paths.
#include "editorharness.h"
#include "testdata.h"

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

        editor.services.setNextFileName(dir.filePath(u"media"_s));
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
        editor.services.setNextFileName(dir.path());
        editor.click(u"btnSearchFolder"_s);
        QTRY_VERIFY(!dialog->isSearching());
        editor.click(u"btnRelink"_s);
        QCOMPARE(editor.find<QTableWidget>(u"lstMissingMedia"_s)->rowCount(), 0);
        QCOMPARE(editor.label(u"lblMissingSummary"_s)->text(),
                 u"Every picture, sound and video of the set is found."_s);
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

    // An author works the board from the keyboard alone, and the set saves what was typed.
    void keyboardOnly() {
        EditorHarness editor;
        editor.window->show();
        editor.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        QCoreApplication::processEvents(); // the name box selects its text on focus
        const auto focus = [] { return QApplication::focusWidget()->objectName(); };
        // Each key goes where the focus is when it is pressed.
        const auto keys = [](const QString& text) {
            for (QChar key : text) {
                QWidget* target = QApplication::focusWidget();
                if (key == u'\t' || key == u'\r')
                    QTest::keyClick(target, key == u'\t' ? Qt::Key_Tab : Qt::Key_Return);
                else
                    QTest::keyClicks(target, QString(key));
            }
        };
        QCOMPARE(focus(), u"txtCategoryName"_s);
        keys(u"RIVERS\tLongest river?\t"_s);
        QCOMPARE(focus(), u"txtAnswer"_s);
        keys(u"Nile\r"_s);
        QCOMPARE(editor.selection(), qMakePair(1, 2));
        QCOMPARE(focus(), u"txtEnterQuestion"_s);
        QTest::keyClick(editor.window.get(), Qt::Key_3, Qt::AltModifier);
        QCOMPARE(editor.selection(), qMakePair(3, 1));
        QTest::keyClick(editor.window.get(), Qt::Key_7, Qt::AltModifier);
        QCOMPARE(editor.selection(), qMakePair(7, 1));
        // The map: from category 1 question 1, right once and down twice is category 2 question 3.
        editor.find<QWidget>(u"lblCat1_0"_s)->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(focus(), u"lblCat2_2"_s);
        const QList<QByteArray> lines = editor.savedBytes().split('\n');
        QVERIFY(lines.at(0).startsWith("RIVERS"));
        QVERIFY(lines.at(1).startsWith("Longest river?"));
        QVERIFY(lines.at(2).startsWith("Nile"));
        QVERIFY(editor.record(2, 3).isDailyDouble());
        QVERIFY(!editor.record(1, 1).isDailyDouble());
    }

    // A PNG, GIF, WebP or ".jpeg" picture becomes a ".jpg" beside it, once asked.
    void convertPicture_data() {
        // source: the picture chosen ("drop:" when dropped); attached: the copy, "" for none.
        Columns<QString, MessageAnswer, QString>("source", "answer", "attached");
        AddRow("transparent PNG dropped", "drop:photo.png", MessageAnswer::Convert, "photo.jpg");
        AddRow("name taken", "photo.png", MessageAnswer::Convert, "photo-2.jpg");
        AddRow(".jpeg copied", "photo.jpeg", MessageAnswer::Convert, "photo.jpg");
        AddRow("cancelled", "drop:photo.png", MessageAnswer::Cancel, "");
        AddRow("corrupt PNG", "drop:broken.png", MessageAnswer::Convert, "");
    }
    void convertPicture() {
        auto [source, answer, attached] =
            Fetch<QString, MessageAnswer, QString>("source", "answer", "attached");
        QTemporaryDir folder;
        QImage picture(32, 32, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        for (int pixel = 0; pixel < 32 * 16; ++pixel) // the left half transparent
            picture.setPixel(pixel % 16, pixel / 16, 0);
        QVERIFY(picture.save(folder.filePath(u"photo.png"_s)) &&
                picture.save(folder.filePath(u"photo.jpeg"_s), "JPEG"));
        WriteFile(folder, u"broken.png"_s, "\x89PNG\r\n\x1a\nnot a picture");
        if (attached.contains(u'-'))
            WriteFile(folder, u"photo.jpg"_s, "taken");
        const QStringList before = QDir(folder.path()).entryList();

        EditorHarness editor;
        editor.services.setNextAnswer(answer);
        const QString path = folder.filePath(source.section(u':', -1));
        editor.services.setNextFileName(path);
        if (source.startsWith(u"drop:"_s))
            editor.window->m_mediaCommands->DropMediaFiles({QUrl::fromLocalFile(path)});
        else
            editor.click(u"btnPicture"_s);
        const QString stored = editor.record(1, 1).QuestionText.trimmed();
        const auto& said = editor.services.messages;
        // Never silent: first the question, or why the picture cannot be read.
        QCOMPARE(said.first().buttons,
                 path.contains(u"broken"_s) ? MessageButtons::Ok : MessageButtons::ConvertCancel);
        QVERIFY(said.first().text.contains(path));
        QCOMPARE(stored, attached.isEmpty() ? QString() : folder.filePath(attached));
        QCOMPARE(QDir(folder.path()).entryList().size(), before.size() + !attached.isEmpty());
        if (attached.isEmpty())
            return;
        QVERIFY(editor.savedBytes().contains(QFile::encodeName(stored)));
        QFile copy(stored), original(path);
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        const QImage jpeg(stored, "JPEG");
        if (path.endsWith(u".jpeg"_s))
            QCOMPARE(copy.readAll(), original.readAll());
        else
            QVERIFY(qRed(jpeg.pixel(2, 2)) > 240 && qBlue(jpeg.pixel(2, 2)) > 240 &&
                    qBlue(jpeg.pixel(28, 28)) < 40);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
