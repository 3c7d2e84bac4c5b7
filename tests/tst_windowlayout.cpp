#include "editor/frmEditor.h"
#include "services/scriptedservices.h"

#include <QMenu>
#include <QTest>
#include <QToolBar>

// The window as built, before start-up runs: what the code adds to the
// window's definition (fractional font sizes, separator names, toolbar
// pictures) and the sizes the preview logic measures against.
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
        for (const auto& [name, font] : {std::pair{"lblCategory_0", "Arial/8.25/0/0"},
                                         {"lblDisPlayQuestion", "Courier New/27.75/1/1"},
                                         {"txtEditAnswer4", "Courier New/20.25/1/1"},
                                         {"btnVideoPlay", "Arial Black/15.75/1/0"}})
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(font);
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
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
