// The real window on scripted services: its fit to the screen and its colours.
#include "editorharness.h"

#include <QAction>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
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

    // A file that does not fit the board is shown and asked about; an import
    // is one Undo step that brings back the board, its caption and its state.
    void importAsksAndUndoes() {
        EditorHarness editor({}, QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt"));
        QTemporaryDir folder;
        QFile short3(folder.filePath(u"short.tsv"_s));
        QVERIFY(short3.open(QIODevice::WriteOnly) && short3.write("Short\r\nQ\r\nA\r\n") > 0);
        short3.close();
        const QString caption = editor.window->windowTitle();
        const QStringList names = editor.categoryCaptions();
        for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::ImportAnyway}) {
            editor.services.setNextFileName(short3.fileName());
            editor.services.setNextAnswer(answer);
            editor.action(u"mnuImportTabDelimited"_s)->trigger();
            QCOMPARE(editor.services.messages.last().buttons, MessageButtons::ImportAnywayCancel);
            QVERIFY(editor.services.messages.last().text.contains(u"3 rows, 68 expected"_s));
        }
        QCOMPARE(editor.categoryCaptions().first(), u"SHORT"_s);
        QVERIFY(editor.document.isModified());
        QAction* undo = editor.action(u"mnuEditUndo"_s);
        QCOMPARE(undo->text(), u"&Undo Import"_s);
        undo->trigger();
        QCOMPARE(editor.categoryCaptions(), names);
        QCOMPARE(editor.window->windowTitle(), caption);
        QVERIFY(!editor.document.isModified() &&
                editor.document.fileName().endsWith(u"tour.txt"_s));
        editor.action(u"mnuEditRedo"_s)->trigger();
        QCOMPARE(editor.categoryCaptions().first(), u"SHORT"_s);
        QCOMPARE(editor.window->windowTitle(), u"Quizmora Editor - untitled[*]"_s);
    }

    // The preview and the panels are in the board's blues, whatever the desktop's style.
    void paintedInBoardColours() {
        EditorHarness editor;
        for (const auto& [name, colour] : {std::pair{u"lblDisPlayQuestion"_s, QColor(6, 18, 140)},
                                           {u"lblDailyDoublePadding"_s, QColor(22, 44, 150)}})
            QCOMPARE(editor.find<QWidget>(name)->grab().toImage().pixelColor(2, 2), colour);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
