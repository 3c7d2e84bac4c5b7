// The real window on scripted services: its fit to the screen, its colours, the font chooser.
#include "editorharness.h"

#include "services/gamefontdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

namespace {} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

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

    // The preview and the panels are in the board's blues, whatever the desktop's style.
    void paintedInBoardColours() {
        EditorHarness editor;
        for (const auto& [name, colour] : {std::pair{u"lblDisPlayQuestion"_s, QColor(6, 18, 140)},
                                           {u"lblDailyDoublePadding"_s, QColor(22, 44, 150)}})
            QCOMPARE(editor.find<QWidget>(name)->grab().toImage().pixelColor(2, 2), colour);
    }

    // The font chooser opens at the question's font; other families only when asked for.
    void fontChooserStart() {
        const GameFontDialog courier(u"Courier New"_s, true, false);
        QCOMPARE(courier.family(), u"Courier New"_s);
        QVERIFY(courier.bold() && !courier.italic());
        courier.findChildren<QCheckBox*>().constFirst()->setChecked(false); // the preview follows
        QVERIFY(!courier.findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->font().bold());
        const GameFontDialog other(u"DejaVu Sans"_s, false, true);
        QCOMPARE(other.family(), u"DejaVu Sans"_s);
        QVERIFY(IsGameSetFontFamily(u"times new roman"_s));
        QVERIFY(!IsGameSetFontFamily(u"DejaVu Sans"_s));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
