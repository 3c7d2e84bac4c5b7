#include "editorharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

const QString GuardMessage =
    QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!");
const QStringList ChoiceLabels{"lblFirstAnswer", "lblSecondAnswer", "lblThirdAnswer",
                               "lblForthAnswer"};

// Stores an answer and four choices into the selected board question and
// shows it again, as opening a file would.
void StoreChoices(EditorHarness& editor, const QString& answer, const QStringList& choices) {
    QuestionRecord* record = editor.window->CurrentBoardRecord();
    record->QuestionText.set(QStringLiteral("Which city?"));
    record->Answers[0].set(answer);
    for (int k = 1; k <= 4; ++k)
        record->Answers[k].set(choices.value(k - 1));
    editor.window->DisPlayQuestion();
    editor.state.DataChanged = false;
}

QStringList StoredChoices(const std::array<FixedText<300>, 5>& answers) {
    QStringList choices;
    for (int k = 1; k <= 4; ++k)
        choices.append(answers[k].trimmed());
    return choices;
}

QStringList EditTexts(const EditorHarness& editor) {
    QStringList texts;
    for (const QLineEdit* edit : editor.window->txtEditAnswer)
        texts.append(edit->text());
    return texts;
}

QList<bool> ShownLabels(const EditorHarness& editor) {
    QList<bool> shown;
    for (const QString& name : ChoiceLabels)
        shown.append(editor.shown(name));
    return shown;
}

QStringList LabelTexts(const EditorHarness& editor) {
    QStringList texts;
    for (const QString& name : ChoiceLabels)
        texts.append(editor.label(name)->text());
    return texts;
}

void TypeChoices(EditorHarness& editor, const QStringList& choices) {
    for (int k = 1; k <= 4; ++k)
        editor.type(QStringLiteral("txtEditAnswer%1").arg(k), choices.value(k - 1));
}

} // namespace

class TestMultipleChoice : public QObject {
    Q_OBJECT

private slots:
    void openBox_data();
    void openBox();
    void done_data();
    void done();
    void cancelKeepsEverything();
    void single_data();
    void single();
    void guardWhileOpen_data();
    void guardWhileOpen();
    void screenshot();
};

void TestMultipleChoice::openBox_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("letterBefore"); // set after the question is shown
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("letter");

    const QStringList none(4, QString());
    const QStringList cities{"Paris", "Rome", "Oslo", "Bern"};
    QTest::newRow("no choices") << "Paris" << none << 1 << none << 1;
    QTest::newRow("letter D as the answer") << "D" << cities << 0 << cities << 3;
    QTest::newRow("letter with spaces") << "  B " << cities << 3 << cities << 1;
    QTest::newRow("lower-case letter is no letter") << "c" << none << 3 << none << 3;
    QTest::newRow("two letters are no letter") << "AB" << none << 2 << none << 2;
    QTest::newRow("choices shown trimmed") << "x" << QStringList{"  Paris  ", "", " Oslo", ""} << 0
                                           << QStringList{"Paris", "", "Oslo", ""} << 0;
}

void TestMultipleChoice::openBox() {
    QFETCH(QString, answer);
    QFETCH(QStringList, choices);
    QFETCH(int, letterBefore);
    QFETCH(QStringList, boxes);
    QFETCH(int, letter);

    EditorHarness editor;
    // Text typed into the boxes last time must not survive.
    editor.window->txtEditAnswer[1]->setText(QStringLiteral("stale"));
    StoreChoices(editor, answer, choices);
    QComboBox* combo = editor.find<QComboBox>(QStringLiteral("cboABCD"));
    combo->setCurrentIndex(letterBefore);
    const GameSet before = editor.state.game;

    editor.click(QStringLiteral("btnMultipleChoice"));

    QVERIFY(editor.shown(QStringLiteral("fraMultipleAnswers")));
    QVERIFY(!editor.shown(QStringLiteral("lblAnswer")));
    QVERIFY(!editor.shown(QStringLiteral("txtAnswer")));
    QCOMPARE(EditTexts(editor), boxes);
    QCOMPARE(combo->currentIndex(), letter);
    QCOMPARE(ShownLabels(editor), QList<bool>(4, true));
    for (int k = 0; k < 4; ++k) {
        if (!boxes[k].isEmpty())
            continue;
        const QFont font = editor.window->txtEditAnswer[k]->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSize(), 20);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
    }
    QCOMPARE(QApplication::focusWidget(), editor.window->txtEditAnswer[0]);
    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
}

void TestMultipleChoice::done_data() {
    QTest::addColumn<bool>("final");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("letter"); // -1: nothing chosen
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QList<bool>>("labels");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("fileNameOption");
    QTest::addColumn<bool>("changed");

    const QStringList none(4, QString());
    QTest::newRow("all empty, no letter")
        << false << none << -1 << "Paris" << none << QList<bool>(4, false) << 354 << true << false;
    QTest::newRow("filled, letter C")
        << false << QStringList{"Rome", "Oslo", "  Paris  ", "Bern"} << 2 << "Paris"
        << QStringList{"Rome", "Oslo", "Paris", "Bern"} << QList<bool>(4, true) << 207 << false
        << true;
    QTest::newRow("only A and B") << false << QStringList{"Yes", "No", "", ""} << 0 << "Yes"
                                  << QStringList{"Yes", "No", "", ""}
                                  << QList<bool>{true, true, false, false} << 207 << false << true;
    QTest::newRow("filled, no letter keeps the answer")
        << false << QStringList{"Rome", "Oslo", "Lima", "Bern"} << -1 << "Paris"
        << QStringList{"Rome", "Oslo", "Lima", "Bern"} << QList<bool>(4, true) << 207 << false
        << true;
    QTest::newRow("letter of an empty box empties the answer")
        << false << QStringList{"Rome", "", "", ""} << 3 << QString()
        << QStringList{"Rome", "", "", ""} << QList<bool>{true, false, false, false} << 207 << false
        << true;
    QTest::newRow("final question, letter B")
        << true << QStringList{"Mars", "Venus", "", ""} << 1 << "Venus"
        << QStringList{"Mars", "Venus", "", ""} << QList<bool>{true, true, false, false} << 207
        << false << true;
}

void TestMultipleChoice::done() {
    QFETCH(bool, final);
    QFETCH(QStringList, typed);
    QFETCH(int, letter);
    QFETCH(QString, answer);
    QFETCH(QStringList, choices);
    QFETCH(QList<bool>, labels);
    QFETCH(int, height);
    QFETCH(bool, fileNameOption);
    QFETCH(bool, changed);

    EditorHarness editor;
    if (final) {
        editor.click(QStringLiteral("picFinalQuestion"));
        editor.state.game.FinalAnswers[0].set(QStringLiteral("Paris"));
    } else {
        StoreChoices(editor, QStringLiteral("Paris"), {});
    }
    editor.state.DataChanged = false;
    editor.checkBox(QStringLiteral("chkFilenameAnswer"))->setChecked(true);
    editor.click(QStringLiteral("btnMultipleChoice"));
    TypeChoices(editor, typed);
    editor.find<QComboBox>(QStringLiteral("cboABCD"))->setCurrentIndex(letter);

    editor.click(QStringLiteral("btnDone"));

    const auto& answers =
        final ? editor.state.game.FinalAnswers : editor.window->CurrentBoardRecord()->Answers;
    QCOMPARE(answers[0].trimmed(), answer);
    QCOMPARE(StoredChoices(answers), choices);
    QCOMPARE(LabelTexts(editor), choices);
    QCOMPARE(ShownLabels(editor), labels);
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), height);
    QCOMPARE(editor.shown(QStringLiteral("chkFilenameAnswer")), fileNameOption);
    QCOMPARE(editor.shown(QStringLiteral("lblFilenameAnswer")), fileNameOption);
    if (!fileNameOption)
        QVERIFY(!editor.checkBox(QStringLiteral("chkFilenameAnswer"))->isChecked());
    QVERIFY(!editor.shown(QStringLiteral("fraMultipleAnswers")));
    QVERIFY(!editor.shown(QStringLiteral("txtAnswer")));
    QCOMPARE(EditTexts(editor), QStringList(4, QString()));
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestMultipleChoice::cancelKeepsEverything() {
    EditorHarness editor;
    const QStringList cities{"Paris", "Rome", "Oslo", "Bern"};
    StoreChoices(editor, QStringLiteral("Rome"), cities);
    const GameSet before = editor.state.game;
    QCOMPARE(LabelTexts(editor), cities);

    editor.click(QStringLiteral("btnMultipleChoice"));
    TypeChoices(editor, {"Lima", "Quito", "", "Baku"});
    editor.find<QComboBox>(QStringLiteral("cboABCD"))->setCurrentIndex(3);
    editor.click(QStringLiteral("btnCancel"));

    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
    QCOMPARE(LabelTexts(editor), cities);
    QCOMPARE(ShownLabels(editor), QList<bool>(4, true));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), 207);
    QVERIFY(!editor.shown(QStringLiteral("fraMultipleAnswers")));
    // What was typed stays in the boxes until the box is opened again.
    QCOMPARE(EditTexts(editor), (QStringList{"Lima", "Quito", "", "Baku"}));
    editor.click(QStringLiteral("btnMultipleChoice"));
    QCOMPARE(EditTexts(editor), cities);
}

void TestMultipleChoice::single_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("changed");

    QTest::newRow("right answer was B")
        << QStringList{"Paris", "Rome", "Oslo", "Bern"} << "Rome" << true;
    QTest::newRow("one choice") << QStringList{"", "", "", "Bern"} << "Bern" << true;
    QTest::newRow("no choices") << QStringList(4, QString()) << "Paris" << false;
}

void TestMultipleChoice::single() {
    QFETCH(QStringList, choices);
    QFETCH(QString, answer);
    QFETCH(bool, changed);

    EditorHarness editor;
    StoreChoices(editor, answer, choices);
    editor.find<QWidget>(QStringLiteral("txtAnswer"))->hide();

    editor.click(QStringLiteral("btnSingleChoice"));

    const QuestionRecord* record = editor.window->CurrentBoardRecord();
    QCOMPARE(record->Answers[0].trimmed(), answer);
    QCOMPARE(StoredChoices(record->Answers), QStringList(4, QString()));
    QCOMPARE(LabelTexts(editor), QStringList(4, QString()));
    QCOMPARE(ShownLabels(editor), QList<bool>(4, false));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), 354);
    for (const char* name : {"chkFilenameAnswer", "lblFilenameAnswer", "lblAnswer", "txtAnswer"})
        QVERIFY2(editor.shown(QString::fromLatin1(name)), name);
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestMultipleChoice::guardWhileOpen_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Single") << "btnSingleChoice";
    QTest::newRow("Multiple") << "btnMultipleChoice";
}

void TestMultipleChoice::guardWhileOpen() {
    QFETCH(QString, control);
    EditorHarness editor;
    const QStringList cities{"Paris", "Rome", "Oslo", "Bern"};
    StoreChoices(editor, QStringLiteral("Rome"), cities);
    editor.click(QStringLiteral("btnMultipleChoice"));
    editor.type(QStringLiteral("txtEditAnswer1"), QStringLiteral("Typed"));
    const GameSet before = editor.state.game;
    editor.services.clearRecords();

    // Clicked through the window: the box covers nothing these buttons need.
    editor.window->findChild<QAbstractButton*>(control)->click();

    QCOMPARE(editor.services.messageTexts(), QStringList{GuardMessage});
    QVERIFY(editor.state.game == before);
    QCOMPARE(editor.window->txtEditAnswer[0]->text(), QStringLiteral("Typed"));
    QVERIFY(editor.shown(QStringLiteral("fraMultipleAnswers")));
}

void TestMultipleChoice::screenshot() {
    // For looking at the box: QZ_SCREENSHOT=path.png writes the window.
    const QString path = qEnvironmentVariable("QZ_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QZ_SCREENSHOT to write a picture of the open box");
    EditorHarness editor;
    StoreChoices(editor, QStringLiteral("Rome"), {"Paris", "Rome", "", "Bern"});
    editor.click(QStringLiteral("btnMultipleChoice"));
    QTest::qWait(200);
    QVERIFY(editor.window->grab().save(path));
    // And the preview with the choices under the question once it is closed.
    editor.click(QStringLiteral("btnDone"));
    QTest::qWait(200);
    QVERIFY(editor.window->grab().save(
        QString(path).replace(QStringLiteral(".png"), QStringLiteral("-done.png"))));
}

QTEST_MAIN(TestMultipleChoice)
#include "tst_multiplechoice.moc"
