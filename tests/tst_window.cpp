// The real window on scripted services: its fit to the screen and its colours.
#include "editorharness.h"

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
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
