#include "editor/questionkind.h"
#include "editorharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

Q_DECLARE_METATYPE(QuestionKind)

class TestQuestionDisplay : public QObject {
    Q_OBJECT

private slots:
    void kindFromFileNames_data() {
        QTest::addColumn<QString>("questionText");
        QTest::addColumn<QString>("mediaPath");
        QTest::addColumn<QuestionKind>("kind");
        const auto row = [](const char* name, const char* text, const char* media,
                            QuestionKind kind) {
            QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(media) << kind;
        };
        row("plain text", "What is 2+2?", "", QuestionKind::Text);
        row("mp4 padded", "  C:\\Clips\\a.mp4   ", "", QuestionKind::Video);
        row("sound wins over picture", "a.jpg", "C:\\Sounds\\bell.wav", QuestionKind::Sound);
        row("sound wins over video", "a.avi", "bell.MP3", QuestionKind::Sound);
        row("sound name in the text is text", "bell.wav", "", QuestionKind::Text);
        row("media path of another kind", "Hello", "C:\\a.jpg", QuestionKind::Text);
        row("tab after the extension", "a.jpg\t", "", QuestionKind::Text);
    }

    void kindFromFileNames() {
        QFETCH(QString, questionText);
        QFETCH(QString, mediaPath);
        QFETCH(QuestionKind, kind);
        QCOMPARE(KindOfQuestion(questionText, mediaPath), kind);
    }

    void textQuestionShown() {
        EditorHarness editor;
        editor.record(2, 3).QuestionText.set(QStringLiteral("  Which river flows through Cairo?"));
        editor.record(2, 3).Answers[0].set(QStringLiteral("The Nile"));
        editor.window->m_ui.txtPath->show();
        editor.select(2, 3);
        QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
                 QStringLiteral("Which river flows through Cairo?"));
        QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(),
                 QStringLiteral("Which river flows through Cairo?"));
        QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), QStringLiteral("The Nile"));
        // A long question reads from its start.
        QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->cursorPosition(), 0);
        const QStringList shown{
            "lblDisPlayQuestion",   "txtEnterQuestion",  "btnFont",   "btnCopy",
            "lblCopyFont",          "btnMultipleChoice", "txtAnswer", "chkDailyDouble",
            "lblDailyDoublePadding"};
        const QStringList hidden{"txtPath",         "picQuestionPicture", "picVideo",
                                 "fraSoundButtons", "chkFilenameAnswer",  "lblFirstAnswer"};
        QCOMPARE(editor.shownAmong(shown + hidden), shown);
        QCOMPARE(editor.shownArrows(),
                 QStringList({QStringLiteral("lblC2Arrow"), QStringLiteral("lblQ3Arrow")}));
        QVERIFY(editor.soundPlayer()->calls.contains(QStringLiteral("stop")));
        QVERIFY(editor.videoPlayer()->calls.contains(QStringLiteral("stop")));
    }

    void answerChoices_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("captions"); // empty: no choice shown
        QTest::addColumn<int>("letter");
        const QStringList none(4, QString());
        const QStringList cities{"Rome", "Paris", "Oslo", "Bern"};
        // The question shown before leaves B selected.
        QTest::newRow("no choices") << none << QStringLiteral("Oslo") << QStringList() << 1;
        QTest::newRow("blank choices count as none")
            << QStringList{"   ", "", "", ""} << QStringLiteral("x") << QStringList() << 1;
        QTest::newRow("only C, answer C")
            << QStringList{"", "", "  Oslo ", ""} << QStringLiteral("Oslo")
            << QStringList{"", "", "Oslo", ""} << 2;
        QTest::newRow("answer A, padded") << cities << QStringLiteral(" Rome ") << cities << 0;
        QTest::newRow("none equal keeps previous")
            << cities << QStringLiteral("Madrid") << cities << 1;
        QTest::newRow("letter case counts") << cities << QStringLiteral("oslo") << cities << 1;
    }

    void answerChoices() {
        QFETCH(QStringList, choices);
        QFETCH(QString, answer);
        QFETCH(QStringList, captions);
        QFETCH(int, letter);
        EditorHarness editor;
        editor.record(1, 1).Answers[0].set(QStringLiteral("Two"));
        editor.record(1, 1).Answers[2].set(QStringLiteral("Two"));
        editor.click(QStringLiteral("btnQuestion_0"));
        editor.record(1, 4).Answers[0].set(answer);
        for (int k = 0; k < 4; ++k)
            editor.record(1, 4).Answers[k + 1].set(choices[k]);
        editor.click(QStringLiteral("btnQuestion_3"));
        const bool shown = !captions.isEmpty();
        QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), shown ? 207 : 354);
        QCOMPARE(editor.choiceCaptions(), shown ? captions : QStringList(4, QString()));
        // All four labels are shown once any choice exists, empty ones blank.
        QCOMPARE(editor.shownAmong({"lblFirstAnswer", "lblForthAnswer"}).size(), shown ? 2 : 0);
        QCOMPARE(editor.find<QComboBox>(QStringLiteral("cboABCD"))->currentIndex(), letter);
        // Back to a question without choices: the labels go and the preview grows.
        editor.click(QStringLiteral("btnQuestion_2"));
        QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), 354);
        QVERIFY(!editor.shown(QStringLiteral("lblThirdAnswer")));
    }

    void emptyFontNameKeepsPreviewFont() {
        EditorHarness editor;
        QuestionRecord& styled = editor.record(1, 1);
        styled.FontName = QStringLiteral("Times New Roman");
        styled.FontBold = false;
        styled.FontColor = QStringLiteral("255");
        editor.record(1, 2).FontName = QStringLiteral("   ");
        editor.record(1, 2).FontColor = QString();
        QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
        for (int index : {0, 1}) {
            editor.click(QStringLiteral("btnQuestion_%1").arg(index));
            QCOMPARE(preview->font().family(), QStringLiteral("Times New Roman"));
            QVERIFY(!preview->font().bold());
            QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            for (const QLabel* choice : editor.window->lblAnswerChoices)
                QCOMPARE(choice->font().family(), index == 0 ? QStringLiteral("Times New Roman")
                                                             : QStringLiteral("Comic Sans MS"));
        }
    }

    void showingDoesNotMarkChanged() {
        EditorHarness editor;
        const QStringList texts{"  Question ", "", QString(256, 'q')};
        const QStringList answers{" Answer ", "", QString(300, 'a')};
        for (int question = 1; question <= 3; ++question) {
            editor.record(4, question).QuestionText.set(texts[question - 1]);
            editor.record(4, question).Answers[0].set(answers[question - 1]);
        }
        const GameSet before = editor.state.game;
        editor.window->CurrentCategory = 4;
        for (int index = 0; index < 3; ++index) {
            editor.click(QStringLiteral("btnQuestion_%1").arg(index));
            QVERIFY(!editor.state.DataChanged);
        }
        QVERIFY(editor.state.game == before);
    }

    void dailyDoubleBoxFollowsTextQuestion() {
        EditorHarness editor;
        editor.record(1, 2).DailyDouble = QStringLiteral("Y");
        editor.record(1, 3).DailyDouble = QStringLiteral("y");
        QCheckBox* box = editor.checkBox(QStringLiteral("chkDailyDouble"));
        editor.click(QStringLiteral("btnQuestion_1"));
        QVERIFY(box->isChecked());
        QCOMPARE(SquareColour(editor, 1, 1), 255u);
        // The box's handler runs when showing changes its value: the game set
        // counts as changed, and only a capital Y ticks it ("y" is written as N).
        QVERIFY(editor.state.DataChanged);
        editor.click(QStringLiteral("btnQuestion_2"));
        QVERIFY(!box->isChecked());
        QCOMPARE(SquareColour(editor, 1, 2), 0u);
        QCOMPARE(editor.record(1, 3).DailyDouble, QStringLiteral("N"));
        QCOMPARE(editor.record(1, 2).DailyDouble, QStringLiteral("Y"));
    }

    void finalTextQuestion() {
        EditorHarness editor;
        GameSet& game = editor.state.game;
        game.FinalQuestionText.set(QStringLiteral("Last one"));
        game.FinalAnswers[0].set(QStringLiteral("B"));
        game.FinalAnswers[1].set(QStringLiteral("A"));
        game.FinalAnswers[2].set(QStringLiteral("B"));
        editor.select(7);
        QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
                 QStringLiteral("Last one"));
        // With choices, the final question hides its answer box too.
        QCOMPARE(editor.shownAmong({"chkDailyDouble", "lblDailyDoublePadding", "btnCopy",
                                    "lblCopyFont", "txtAnswer", "lblAnswer", "btnFont"}),
                 QStringList{"btnFont"});
        QCOMPARE(editor.find<QComboBox>(QStringLiteral("cboABCD"))->currentIndex(), 1);
    }
};

QTEST_MAIN(TestQuestionDisplay)
#include "tst_questiondisplay.moc"
