// The real window on scripted services: its fit to the screen, its colours, pictures converted.
#include "editorharness.h"
#include "testdata.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

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
            editor.window->DropMediaFiles({QUrl::fromLocalFile(path)});
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
