#include "editor/frmEditor.h"
#include "services/scriptedservices.h"

#include <QMenu>
#include <QTest>
#include <QToolBar>

// The window as built, before start-up runs: what the code adds to the
// window's definition (fractional font sizes, separator names, toolbar
// pictures, control arrays) and the sizes the preview logic measures against.
class TestWindowLayout : public QObject {
    Q_OBJECT

    EditorState m_state;
    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<frmEditor> m_window;

private slots:
    void init() {
        m_services = std::make_unique<ScriptedServices>();
        m_window = std::make_unique<frmEditor>(m_state, *m_services);
    }

    void cleanup() {
        m_window.reset();
        m_services.reset();
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("font"); // family/points/bold/italic
        QTest::newRow("category caption") << "lblCategory_0"
                                          << "Arial/8.25/0/0";
        QTest::newRow("name box") << "txtCategoryName"
                                  << "Comic Sans MS/14.25/1/0";
        QTest::newRow("question box") << "txtEnterQuestion"
                                      << "Courier New/20.25/1/1";
        QTest::newRow("preview") << "lblDisPlayQuestion"
                                 << "Courier New/27.75/1/1";
        QTest::newRow("choice D") << "lblForthAnswer"
                                  << "Courier New/20.25/1/1";
        QTest::newRow("video play") << "btnVideoPlay"
                                    << "Arial Black/15.75/1/0";
        QTest::newRow("choice box") << "txtEditAnswer4"
                                    << "Courier New/20.25/1/1";
    }

    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, font);
        const QFont actual = m_window->findChild<QWidget*>(name)->font();
        QCOMPARE(QStringLiteral("%1/%2/%3/%4")
                     .arg(actual.family())
                     .arg(actual.pointSizeF())
                     .arg(int(actual.bold()))
                     .arg(int(actual.italic())),
                 font);
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        // Twips at 15 to the pixel.
        QTest::newRow("preview") << "lblDisPlayQuestion" << QRect(247, 170, 463, 354);
        QTest::newRow("picture") << "picQuestionPicture" << QRect(246, 170, 465, 354);
        QTest::newRow("multiple answers") << "fraMultipleAnswers" << QRect(246, 170, 465, 354);
        QTest::newRow("first answer") << "lblFirstAnswer" << QRect(278, 377, 411, 33);
        QTest::newRow("fourth answer") << "lblForthAnswer" << QRect(278, 476, 411, 33);
    }

    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QCOMPARE(m_window->findChild<QWidget*>(name)->geometry(), rect);
        QCOMPARE(m_window->m_ui.centralwidget->size(), QSize(1018, 681));
    }

    void menusAndToolbar() {
        QStringList items;
        for (const QAction* action :
             m_window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
            items.append(action->objectName());
        QCOMPARE(items, QStringList({"mnuFileNew", "mnuFileOpen", "mnuSep1", "mnuFileSave",
                                     "mnuSaveAs", "mnuSep2", "mnuFilePrint", "mnuSep3",
                                     "mnuFileRevision", "sep4", "mnuFileExit"}));
        const auto* bar = m_window->findChild<QToolBar*>(QStringLiteral("tbEditorToolbar"));
        QCOMPARE(bar->actions().size(), 9);
        for (const QAction* action : bar->actions())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }

    void controlArrays() {
        // Each array element is the control of that name, and each category
        // caption sits in its own category picture.
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(m_window->lblCategory[i]->objectName(),
                     QStringLiteral("lblCategory_%1").arg(i));
            QCOMPARE(m_window->lblCategory[i]->parentWidget(), m_window->picCategory[i]);
            for (int k = 0; k < 5; ++k)
                QCOMPARE(m_window->lblCat[i][k]->objectName(),
                         QStringLiteral("lblCat%1_%2").arg(i + 1).arg(k));
        }
        for (int n = 0; n < 7; ++n)
            QCOMPARE(m_window->lblCArrow[n]->objectName(),
                     QStringLiteral("lblC%1Arrow").arg(n + 1));
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(m_window->btnQuestion[k]->objectName(),
                     QStringLiteral("btnQuestion_%1").arg(k));
            QCOMPARE(m_window->lblQArrow[k]->objectName(),
                     QStringLiteral("lblQ%1Arrow").arg(k + 1));
        }
        for (int k = 0; k < 4; ++k)
            QCOMPARE(m_window->txtEditAnswer[k]->objectName(),
                     QStringLiteral("txtEditAnswer%1").arg(k + 1));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
