// The real window on scripted services: its fit to the screen and its colours,
// and pictures the game cannot show converted to JPEG.
#include "editorharness.h"
#include "testdata.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestWindow : public QObject {
    Q_OBJECT

private slots:
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

    // A PNG, GIF, WebP or ".jpeg" picture becomes a ".jpg" beside it, once asked.
    void convertPicture_data() {
        // source: the file chosen ("drop:" when dropped); attached: the .jpg
        // expected, "" for none; fault: the write beside the picture fails.
        Columns<QString, MessageAnswer, QString, bool>("source", "answer", "attached", "fault");
        AddRow("transparent PNG dropped", "drop:photo.png", MessageAnswer::Convert, "photo.jpg",
               false);
        AddRow("name taken", "photo.png", MessageAnswer::Convert, "photo-2.jpg", false);
        AddRow(".jpeg copied", "photo.jpeg", MessageAnswer::Convert, "photo.jpg", false);
        AddRow("cancelled", "drop:photo.png", MessageAnswer::Cancel, "", false);
        AddRow("corrupt PNG", "drop:broken.png", MessageAnswer::Convert, "", false);
        AddRow("folder not written", "photo.png", MessageAnswer::Convert, "other/photo.jpg", true);
    }
    void convertPicture() {
        auto [source, answer, attached, fault] =
            Fetch<QString, MessageAnswer, QString, bool>("source", "answer", "attached", "fault");
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(u"other"_s);
        QImage picture(32, 32, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        for (int pixel = 0; pixel < 32 * 16; ++pixel)
            picture.setPixel(pixel % 16, pixel / 16, qRgba(0, 0, 0, 0)); // the left half
        QVERIFY(picture.save(folder.filePath(u"photo.png"_s)));
        QVERIFY(picture.save(folder.filePath(u"photo.jpeg"_s), "JPEG"));
        WriteFile(folder, u"broken.png"_s, "\x89PNG\r\n\x1a\nnot a picture");
        if (QTest::currentDataTag() == u"name taken"_s)
            WriteFile(folder, u"photo.jpg"_s, "someone else's");
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);

        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit unlimited = limit;
        limit.rlim_cur = 100; // less than any JPEG
        if (fault)
            QVERIFY(signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0);
        EditorHarness editor;
        editor.services.onFolderChooser = [&] { setrlimit(RLIMIT_FSIZE, &unlimited); };
        editor.services.setNextAnswer(answer);
        editor.select(1, 1);
        const bool dropped = source.startsWith(u"drop:"_s);
        const QString path = folder.filePath(source.mid(dropped ? 5 : 0));
        if (dropped) {
            editor.window->DropMediaFiles({QUrl::fromLocalFile(path)});
        } else {
            editor.services.setNextFileName(path);
            if (fault)
                editor.services.setNextFileName(folder.filePath(u"other"_s));
            editor.click(u"btnPicture"_s);
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);

        const QString stored = editor.record(1, 1).QuestionText.trimmed();
        const auto& said = editor.services.messages;
        // Never silent: first the question, or why the picture cannot be read.
        QCOMPARE(said.first().buttons,
                 path.contains(u"broken"_s) ? MessageButtons::Ok : MessageButtons::ConvertCancel);
        QVERIFY(said.first().text.contains(path));
        if (attached.isEmpty()) {
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
            QCOMPARE(stored, QString());
            QCOMPARE(said.size(), 1);
            return;
        }
        QCOMPARE(stored, folder.filePath(attached));
        QVERIFY(editor.savedBytes().contains(QFile::encodeName(stored)));
        const QImage jpeg(stored, "JPEG");
        QCOMPARE(jpeg.size(), picture.size());
        const auto bytes = [](const QString& name) {
            QFile file(name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        if (path.endsWith(u".jpeg"_s))
            QCOMPARE(bytes(stored), bytes(path));
        else
            QVERIFY(qRed(jpeg.pixel(2, 2)) > 240 && qBlue(jpeg.pixel(2, 2)) > 240 &&
                    qBlue(jpeg.pixel(28, 28)) < 40);
        editor.window->mnuEditUndo_Click();
        QCOMPARE(editor.record(1, 1).QuestionText.trimmed(), QString());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
