#include "editor/frmEditor.h"
#include "services/scriptedservices.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

// The window as designed, before start-up runs: the names, kinds, captions,
// fonts and places every other part of the editor is written against.
class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void geometry_data();
    void geometry();
    void menus();
    void toolbar();
    void controlArrays();

private:
    EditorState m_state;
    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<frmEditor> m_window;
};

void TestWindowLayout::init() {
    m_services = std::make_unique<ScriptedServices>();
    m_window = std::make_unique<frmEditor>(m_state, *m_services);
}

void TestWindowLayout::cleanup() {
    m_window.reset();
    m_services.reset();
}

namespace {

QString CaptionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return QString();
}

} // namespace

void TestWindowLayout::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    const auto row = [](const char* name, const char* kind, const QString& caption,
                        const char* family, double points, bool bold, bool italic = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << caption
                            << QString::fromLatin1(family) << points << bold << italic;
    };
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "lblCategory_" + QByteArray::number(i);
        row(name.constData(), "QLabel", QStringLiteral("CATEGORY %1").arg(i + 1), "Arial", 8.25,
            false);
    }
    const char* questions[] = {"Question One", "Question Two", "Question Three", "Question Four",
                               "Question Five"};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "btnQuestion_" + QByteArray::number(i);
        row(name.constData(), "QPushButton", QString::fromLatin1(questions[i]), "Arial", 14.25,
            true);
    }
    row("picFinalQuestion", "QLabel", QStringLiteral("FINAL QUESTION"), "Arial", 8.25, true);
    row("lblC1Arrow", "QLabel", QStringLiteral("\u2751"), nullptr, 20.25, true);
    row("lblC7Arrow", "QLabel", QStringLiteral("\u2751"), nullptr, 20.25, true);
    row("lblQ1Arrow", "QLabel", QStringLiteral("\u25c6"), nullptr, 20.25, true);
    row("lblQ5Arrow", "QLabel", QStringLiteral("\u25c6"), nullptr, 20.25, true);
    row("btnNext", "QPushButton", QStringLiteral("Next"), "Arial", 12, true);
    row("txtCategoryName", "QLineEdit", QString(), "Comic Sans MS", 14.25, true);
    row("lblQuestionPrompt", "QLabel", QStringLiteral("Question:"), "Arial", 15.75, true);
    row("txtEnterQuestion", "QLineEdit", QString(), "Courier New", 20.25, true, true);
    row("lblAnswer", "QLabel", QStringLiteral("Answer:"), "Arial", 15.75, true);
    row("txtAnswer", "QLineEdit", QString(), "Courier New", 20.25, true, true);
    row("lblPath", "QLabel", QStringLiteral("Path:"), "Arial", 15.75, true);
    row("txtPath", "QLineEdit", QString(), "Courier New", 8.25, true);
    row("chkFilenameAnswer", "QCheckBox", QString(), nullptr, 0, false);
    row("lblFilenameAnswer", "QLabel", QStringLiteral("Make File Name the Answer"), "Arial", 12,
        true);
    row("chkDailyDouble", "QCheckBox", QStringLiteral("Daily Double"), "Arial", 20.25, true);
    row("chkSpellChecker", "QCheckBox", QStringLiteral("Enable Spell Checker"), "Arial", 9.75,
        true);
    row("btnSingleChoice", "QPushButton", QStringLiteral("Single"), "MS Sans Serif", 8.25, true);
    row("btnMultipleChoice", "QPushButton", QStringLiteral("Multiple"), "MS Sans Serif", 8.25,
        true);
    row("btnFont", "QPushButton", QStringLiteral("Font"), "Arial", 9.75, true);
    row("btnFontColor", "QPushButton", QStringLiteral("Font Color"), "Arial", 9.75, true);
    row("btnDefault", "QPushButton", QStringLiteral("Default"), "Arial", 9.75, true);
    row("btnCopy", "QPushButton", QStringLiteral("Copy"), "Arial", 8.25, true);
    row("lblCopyFont", "QLabel",
        QStringLiteral(
            "Copy Font Preferences of this Question to all other text questions in this set"),
        "Arial", 8.25, true);
    row("lblSpellCheckerPadding", "QLabel", QString(), nullptr, 0, false);
    row("lblDailyDoublePadding", "QLabel", QString(), nullptr, 0, false);
    row("lblPreview", "QLabel", QStringLiteral("Preview Window:"), "Arial", 9.75, true);
    row("lblDisPlayQuestion", "QLabel", QString(), "Courier New", 27.75, true, true);
    row("lblQuestionAutoResize", "QLabel", QString(), nullptr, 0, false);
    row("lblFirstAnswer", "QLabel", QString(), "Courier New", 20.25, true, true);
    row("lblForthAnswer", "QLabel", QString(), "Courier New", 20.25, true, true);
    row("lblAnswerChoice", "QLabel", QStringLiteral("Answer Choice:"), "Arial", 9.75, true);
    row("picQuestionPicture", "QLabel", QString(), nullptr, 0, false);
    row("picImageResize", "QLabel", QString(), nullptr, 0, false);
    row("picVideo", "QWidget", QString(), nullptr, 0, false);
    row("btnVideoPlay", "QPushButton", QStringLiteral(">"), "Arial Black", 15.75, true);
    row("btnVideoPause", "QPushButton", QStringLiteral("II"), "Arial Black", 15.75, true);
    row("btnVideoStop", "QPushButton", QStringLiteral("\u25a0"), nullptr, 15.75, false);
    row("fraSoundButtons", "QGroupBox", QString(), nullptr, 0, false);
    row("btnPlay", "QPushButton", QStringLiteral("Play"), nullptr, 0, false);
    row("btnStop", "QPushButton", QStringLiteral("Stop"), nullptr, 0, false);
    row("lblPlayClip", "QLabel", QStringLiteral("Preview Sound Clip"), "MS Sans Serif", 9.75, true);
    row("fraMultipleAnswers", "QGroupBox", QStringLiteral(" Multiple Answers "), nullptr, 0, false);
    row("lblMultipleChoice", "QLabel",
        QStringLiteral("Insert Your Multiple Choice Answers In The Entry Boxes Below"), "Arial", 12,
        true);
    row("lblEditAnswer1", "QLabel", QStringLiteral("Answer A"), "Arial", 14.25, true);
    row("lblEditAnswer4", "QLabel", QStringLiteral("Answer D"), "Arial", 14.25, true);
    row("txtEditAnswer1", "QLineEdit", QString(), "Courier New", 20.25, true, true);
    row("txtEditAnswer4", "QLineEdit", QString(), "Courier New", 20.25, true, true);
    row("lblAssignAnswer", "QLabel", QStringLiteral("Assign Answer:"), "Arial", 9.75, true);
    row("cboABCD", "QComboBox", QString(), "Arial", 9.75, false);
    row("btnDone", "QPushButton", QStringLiteral("Done"), "Arial", 12, true);
    row("btnCancel", "QPushButton", QStringLiteral("Cancel"), "Arial", 12, true);
    row("fraDailyDoubleMap", "QFrame", QString(), nullptr, 0, false);
    row("lblCat1_0", "QLabel", QString(), nullptr, 0, false);
    row("lblCat6_4", "QLabel", QString(), nullptr, 0, false);
    row("lblDDLocations", "QLabel", QStringLiteral("Daily Double Locations"), "Arial", 9.75, true);
    row("lblPrompt", "QLabel", QStringLiteral("Click on square to toggle Daily Double"), "Arial",
        8.25, true);
    row("lblDailyDoubleNote", "QLabel",
        QStringLiteral("Please Note: Quizmora insures there are a minimum of 2 Daily Doubles upon "
                       "saving the game set."),
        "Arial", 8.25, true);
    row("imgBackground", "QLabel", QString(), nullptr, 0, false);
    row("Image1", "QLabel", QString(), nullptr, 0, false);
}

void TestWindowLayout::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const QList<QWidget*> found = m_window->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* widget = found.first();
    QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
    QCOMPARE(CaptionOf(widget), caption);
    if (!family.isEmpty())
        QCOMPARE(widget->font().family(), family);
    if (points > 0) {
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().italic(), italic);
    }
}

void TestWindowLayout::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    // Twips at 15 to the pixel.
    QTest::newRow("preview") << "lblDisPlayQuestion" << QRect(247, 170, 463, 354);
    QTest::newRow("video") << "picVideo" << QRect(247, 170, 463, 354);
    QTest::newRow("picture") << "picQuestionPicture" << QRect(246, 170, 465, 354);
    QTest::newRow("multiple answers") << "fraMultipleAnswers" << QRect(246, 170, 465, 354);
    QTest::newRow("first answer") << "lblFirstAnswer" << QRect(278, 377, 411, 33);
    QTest::newRow("fourth answer") << "lblForthAnswer" << QRect(278, 476, 411, 33);
    QTest::newRow("question 1") << "btnQuestion_0" << QRect(49, 210, 90, 44);
    QTest::newRow("question 5") << "btnQuestion_4" << QRect(49, 469, 90, 44);
    QTest::newRow("question arrow 1") << "lblQ1Arrow" << QRect(16, 218, 26, 27);
    QTest::newRow("category arrow 7") << "lblC7Arrow" << QRect(755, 42, 26, 27);
    QTest::newRow("question box") << "txtEnterQuestion" << QRect(116, 541, 811, 34);
    QTest::newRow("answer box") << "txtAnswer" << QRect(117, 580, 870, 34);
    QTest::newRow("path box") << "txtPath" << QRect(117, 655, 870, 22);
    QTest::newRow("name box") << "txtCategoryName" << QRect(49, 130, 280, 35);
    QTest::newRow("daily double box") << "chkDailyDouble" << QRect(606, 132, 196, 29);
    QTest::newRow("map") << "fraDailyDoubleMap" << QRect(767, 247, 212, 132);
    QTest::newRow("map square 1/0") << "lblCat1_0" << QRect(2, 2, 33, 24);
    QTest::newRow("map square 6/4") << "lblCat6_4" << QRect(177, 106, 33, 24);
}

void TestWindowLayout::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QWidget* widget = m_window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestWindowLayout::menus() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quizmora Editor"));
    auto* file = m_window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* import = m_window->findChild<QMenu*>(QStringLiteral("mnuImport"));
    QVERIFY(file && import);
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(import->title(), QStringLiteral("&Import"));
    QStringList items;
    for (const QAction* action : file->actions())
        items.append(action->objectName() + QLatin1Char('=') +
                     (action->isSeparator() ? QStringLiteral("-") : action->text()));
    QCOMPARE(items,
             QStringList({"mnuFileNew=&New", "mnuFileOpen=&Open", "mnuSep1=-", "mnuFileSave=&Save",
                          "mnuSaveAs=Save &As", "mnuSep2=-", "mnuFilePrint=&Print", "mnuSep3=-",
                          "mnuFileRevision=&Revision", "sep4=-", "mnuFileExit=E&xit"}));
    QCOMPARE(import->actions().size(), 1);
    QCOMPARE(import->actions().first()->objectName(), QStringLiteral("mnuImportTabDelimited"));
    QCOMPARE(import->actions().first()->text(), QStringLiteral("Tab Delimited Excel File"));
}

void TestWindowLayout::toolbar() {
    auto* bar = m_window->findChild<QToolBar*>(QStringLiteral("tbEditorToolbar"));
    QVERIFY(bar);
    QStringList buttons;
    for (const QAction* action : bar->actions()) {
        buttons.append(action->objectName() + QLatin1Char('=') + action->toolTip());
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }
    QCOMPARE(buttons, QStringList({"btnNewFile=New", "btnFileOpen=Open", "btnSave=Save",
                                   "btnSaveAs=Save As", "btnPrint=Print",
                                   "btnVideo=Insert a Video Clip", "btnPicture=Insert an image.",
                                   "btnSound=Insert a sound clip.", "btnText=Insert text."}));
}

void TestWindowLayout::controlArrays() {
    // Each array element is the control of that name, and each category
    // caption sits in its own category picture.
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(m_window->lblCategory[i]->objectName(), QStringLiteral("lblCategory_%1").arg(i));
        QCOMPARE(m_window->lblCategory[i]->parentWidget(), m_window->picCategory[i]);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(m_window->lblCat[i][k]->objectName(),
                     QStringLiteral("lblCat%1_%2").arg(i + 1).arg(k));
    }
    for (int n = 0; n < 7; ++n)
        QCOMPARE(m_window->lblCArrow[n]->objectName(), QStringLiteral("lblC%1Arrow").arg(n + 1));
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(m_window->btnQuestion[k]->objectName(), QStringLiteral("btnQuestion_%1").arg(k));
        QCOMPARE(m_window->lblQArrow[k]->objectName(), QStringLiteral("lblQ%1Arrow").arg(k + 1));
    }
    QCOMPARE(m_window->m_ui.picImageResize->parentWidget(), m_window->m_ui.picQuestionPicture);
    QCOMPARE(m_window->m_ui.btnDone->parentWidget(), m_window->m_ui.fraMultipleAnswers);
    QCOMPARE(m_window->m_ui.btnPlay->parentWidget(), m_window->m_ui.fraSoundButtons);
    QCOMPARE(m_window->m_ui.centralwidget->size(), QSize(1018, 681));
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
