#include "editorharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Stores an answer and four choices into the selected question and shows
// it again, as opening a file would.
void StoreChoices(EditorHarness& editor, const QString& answer, const QStringList& choices) {
    auto& answers = editor.currentAnswers();
    answers[0].set(answer);
    for (int k = 1; k <= 4; ++k)
        answers[k].set(choices.value(k - 1));
    editor.window->DisPlayQuestion();
    editor.state.DataChanged = false;
}

QStringList StoredChoices(EditorHarness& editor) {
    QStringList choices;
    for (int k = 1; k <= 4; ++k)
        choices.append(editor.currentAnswers()[k].trimmed());
    return choices;
}

QStringList EditTexts(const EditorHarness& editor) {
    QStringList texts;
    for (const QLineEdit* edit : editor.window->txtEditAnswer)
        texts.append(edit->text());
    return texts;
}

const QStringList AllChoiceLabels{"lblFirstAnswer", "lblSecondAnswer", "lblThirdAnswer",
                                  "lblForthAnswer"};
const QStringList NoChoices(4, QString());

// Opening the box on a stored answer and choices, with a letter selected
// before: what the four boxes and the letter show.
struct OpenRow {
    QString answer;
    QStringList choices;
    int letterBefore;
    QStringList boxes;
    int letter;
};

// Choices typed and a letter chosen (-1: none), then Done: the answer kept
// and the choice labels shown.
struct DoneRow {
    int category; // 7: the final question
    QStringList typed;
    int letter;
    QString answer;
    QStringList labels;
};

} // namespace

class TestMultipleChoice : public QObject {
    Q_OBJECT

private slots:
    void openBox_data() {
        QTest::addColumn<OpenRow>("row");
        const QStringList cities{"Paris", "Rome", "Oslo", "Bern"};
        QTest::newRow("no choices") << OpenRow{"Paris", NoChoices, 1, NoChoices, 1};
        QTest::newRow("letter D as the answer") << OpenRow{"D", cities, 0, cities, 3};
        QTest::newRow("letter with spaces") << OpenRow{"  B ", cities, 3, cities, 1};
        QTest::newRow("lower-case letter is no letter") << OpenRow{"c", NoChoices, 3, NoChoices, 3};
        QTest::newRow("two letters are no letter") << OpenRow{"AB", NoChoices, 2, NoChoices, 2};
        QTest::newRow("choices shown trimmed")
            << OpenRow{"x", {"  Paris  ", "", " Oslo", ""}, 0, {"Paris", "", "Oslo", ""}, 0};
    }

    void openBox() {
        QFETCH(OpenRow, row);
        const auto& [answer, choices, letterBefore, boxes, letter] = row;
        EditorHarness editor;
        // Text typed into the boxes last time must not survive.
        editor.window->txtEditAnswer[1]->setText(u"stale"_s);
        StoreChoices(editor, answer, choices);
        QComboBox* combo = editor.find<QComboBox>(u"cboABCD"_s);
        combo->setCurrentIndex(letterBefore);
        const GameSet before = editor.state.game;

        editor.click(u"btnMultipleChoice"_s);

        QCOMPARE(editor.shownAmong({"fraMultipleAnswers", "lblAnswer", "txtAnswer"}),
                 QStringList{"fraMultipleAnswers"});
        QCOMPARE(EditTexts(editor), boxes);
        QCOMPARE(combo->currentIndex(), letter);
        QCOMPARE(editor.shownAmong(AllChoiceLabels), AllChoiceLabels);
        for (int k = 0; k < 4; ++k) {
            const QFont font = editor.window->txtEditAnswer[k]->font();
            if (boxes[k].isEmpty())
                QVERIFY(font.family() == "Courier New"_L1 && font.pointSize() == 20 &&
                        font.bold() && font.italic());
        }
        QCOMPARE(QApplication::focusWidget(), editor.window->txtEditAnswer[0]);
        QVERIFY(editor.state.game == before);
        QVERIFY(!editor.state.DataChanged);
    }

    void done_data() {
        QTest::addColumn<DoneRow>("row");
        const QStringList all = AllChoiceLabels;
        const QStringList ab = all.mid(0, 2);
        QTest::newRow("all empty, no letter") << DoneRow{1, NoChoices, -1, "Paris", {}};
        QTest::newRow("filled, letter C")
            << DoneRow{1, {"Rome", "Oslo", "  Paris  ", "Bern"}, 2, "Paris", all};
        QTest::newRow("only A and B") << DoneRow{1, {"Yes", "No", "", ""}, 0, "Yes", ab};
        QTest::newRow("filled, no letter keeps the answer")
            << DoneRow{1, {"Rome", "Oslo", "Lima", "Bern"}, -1, "Paris", all};
        QTest::newRow("letter of an empty box empties the answer")
            << DoneRow{1, {"Rome", "", "", ""}, 3, QString(), all.mid(0, 1)};
        QTest::newRow("final question, letter B")
            << DoneRow{7, {"Mars", "Venus", "", ""}, 1, "Venus", ab};
    }

    void done() {
        QFETCH(DoneRow, row);
        const auto& [category, typed, letter, answer, labels] = row;
        EditorHarness editor;
        editor.select(category);
        StoreChoices(editor, u"Paris"_s, {});
        editor.checkBox(u"chkFilenameAnswer"_s)->setChecked(true);
        editor.click(u"btnMultipleChoice"_s);
        for (int k = 1; k <= 4; ++k)
            editor.type(u"txtEditAnswer%1"_s.arg(k), typed[k - 1]);
        editor.find<QComboBox>(u"cboABCD"_s)->setCurrentIndex(letter);

        editor.click(u"btnDone"_s);

        QStringList trimmed;
        for (const QString& choice : typed)
            trimmed.append(TrimSpaces(choice));
        QCOMPARE(editor.currentAnswers()[0].trimmed(), answer);
        QCOMPARE(StoredChoices(editor), trimmed);
        QCOMPARE(editor.choiceCaptions(), trimmed);
        QCOMPARE(editor.shownAmong(AllChoiceLabels), labels);
        const bool choices = !labels.isEmpty();
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), choices ? 207 : 354);
        // The file-name option goes (unticked) while there are choices; the
        // answer box stays hidden until Single or the next display.
        const QStringList fileNameOption{"chkFilenameAnswer", "lblFilenameAnswer"};
        QCOMPARE(editor.shownAmong(fileNameOption + QStringList{"fraMultipleAnswers", "txtAnswer"}),
                 choices ? QStringList() : fileNameOption);
        QCOMPARE(editor.checkBox(u"chkFilenameAnswer"_s)->isChecked(), !choices);
        QCOMPARE(EditTexts(editor), NoChoices);
        QCOMPARE(editor.state.DataChanged, choices);
    }

    void cancelKeepsEverything() {
        EditorHarness editor;
        const QStringList cities{"Paris", "Rome", "Oslo", "Bern"};
        StoreChoices(editor, u"Rome"_s, cities);
        const GameSet before = editor.state.game;
        editor.click(u"btnMultipleChoice"_s);
        const QStringList typed{"Lima", "Quito", "", "Baku"};
        for (int k = 1; k <= 4; ++k)
            editor.type(u"txtEditAnswer%1"_s.arg(k), typed[k - 1]);
        editor.find<QComboBox>(u"cboABCD"_s)->setCurrentIndex(3);
        editor.click(u"btnCancel"_s);

        QVERIFY(editor.state.game == before);
        QVERIFY(!editor.state.DataChanged);
        QCOMPARE(editor.choiceCaptions(), cities);
        QCOMPARE(editor.shownAmong(AllChoiceLabels), AllChoiceLabels);
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), 207);
        QVERIFY(!editor.shown(u"fraMultipleAnswers"_s));
        // What was typed stays in the boxes until the box is opened again.
        QCOMPARE(EditTexts(editor), typed);
        editor.click(u"btnMultipleChoice"_s);
        QCOMPARE(EditTexts(editor), cities);
    }

    void single_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("answer");
        QTest::newRow("right answer was B")
            << QStringList{"Paris", "Rome", "Oslo", "Bern"} << "Rome";
        QTest::newRow("one choice") << QStringList{"", "", "", "Bern"} << "Bern";
        QTest::newRow("no choices") << NoChoices << "Paris";
    }

    void single() {
        QFETCH(QStringList, choices);
        QFETCH(QString, answer);
        EditorHarness editor;
        StoreChoices(editor, answer, choices);
        editor.find<QWidget>(u"txtAnswer"_s)->hide();

        editor.click(u"btnSingleChoice"_s);

        QCOMPARE(editor.currentAnswers()[0].trimmed(), answer);
        QCOMPARE(StoredChoices(editor), NoChoices);
        QCOMPARE(editor.choiceCaptions(), NoChoices);
        QCOMPARE(editor.shownAmong(AllChoiceLabels), QStringList());
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), 354);
        const QStringList answerControls{"chkFilenameAnswer", "lblFilenameAnswer", "lblAnswer",
                                         "txtAnswer"};
        QCOMPARE(editor.shownAmong(answerControls), answerControls);
        QCOMPARE(editor.state.DataChanged, choices != NoChoices);
    }
};

QTEST_MAIN(TestMultipleChoice)
#include "tst_multiplechoice.moc"
