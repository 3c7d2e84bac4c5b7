#include "editor/frmEditor.h"
#include "scriptedservices.h"

#include <QTest>

// The boxes the preview fit and the picture scaling measure against, as the
// window is built before start-up runs.
class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("preview") << "lblDisPlayQuestion" << QRect(247, 170, 463, 354);
        QTest::newRow("picture") << "picQuestionPicture" << QRect(246, 170, 465, 354);
    }

    void geometry() {
        QFETCH(QString, name);
        EditorState state;
        ScriptedServices services;
        frmEditor window(state, services);
        QTEST(window.findChild<QWidget*>(name)->geometry(), "rect");
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
