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
        editor.record(2, 3).QuestionText.set(u"  Which river flows through Cairo?"_s);
        editor.record(2, 3).Answers[0].set(u"The Nile"_s);
        editor.window->m_ui.txtPath->show();
        editor.select(2, 3);
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(),
                 u"Which river flows through Cairo?"_s);
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->text(),
                 u"Which river flows through Cairo?"_s);
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), u"The Nile"_s);
        // A long question reads from its start.
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->cursorPosition(), 0);
        const QStringList shown{
            "lblDisPlayQuestion",   "txtEnterQuestion",  "btnFont",   "btnCopy",
            "lblCopyFont",          "btnMultipleChoice", "txtAnswer", "chkDailyDouble",
            "lblDailyDoublePadding"};
        const QStringList hidden{"txtPath",         "picQuestionPicture", "picVideo",
                                 "fraSoundButtons", "chkFilenameAnswer",  "lblFirstAnswer"};
        QCOMPARE(editor.shownAmong(shown + hidden), shown);
        QCOMPARE(editor.shownArrows(), QStringList({u"lblC2Arrow"_s, u"lblQ3Arrow"_s}));
        QVERIFY(editor.soundPlayer()->calls.contains(u"stop"_s));
        QVERIFY(editor.videoPlayer()->calls.contains(u"stop"_s));
    }

    void answerChoices_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("captions"); // empty: no choice shown
        QTest::addColumn<int>("letter");
        const QStringList none(4, QString());
        const QStringList cities{"Rome", "Paris", "Oslo", "Bern"};
        // The question shown before leaves B selected.
        QTest::newRow("no choices") << none << u"Oslo"_s << QStringList() << 1;
        QTest::newRow("blank choices count as none")
            << QStringList{"   ", "", "", ""} << u"x"_s << QStringList() << 1;
        QTest::newRow("only C, answer C") << QStringList{"", "", "  Oslo ", ""} << u"Oslo"_s
                                          << QStringList{"", "", "Oslo", ""} << 2;
        QTest::newRow("answer A, padded") << cities << u" Rome "_s << cities << 0;
        QTest::newRow("none equal keeps previous") << cities << u"Madrid"_s << cities << 1;
        QTest::newRow("letter case counts") << cities << u"oslo"_s << cities << 1;
    }

    void answerChoices() {
        QFETCH(QStringList, choices);
        QFETCH(QString, answer);
        QFETCH(QStringList, captions);
        QFETCH(int, letter);
        EditorHarness editor;
        editor.record(1, 1).Answers[0].set(u"Two"_s);
        editor.record(1, 1).Answers[2].set(u"Two"_s);
        editor.click(u"btnQuestion_0"_s);
        editor.record(1, 4).Answers[0].set(answer);
        for (int k = 0; k < 4; ++k)
            editor.record(1, 4).Answers[k + 1].set(choices[k]);
        editor.click(u"btnQuestion_3"_s);
        const bool shown = !captions.isEmpty();
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), shown ? 207 : 354);
        QCOMPARE(editor.choiceCaptions(), shown ? captions : QStringList(4, QString()));
        // All four labels are shown once any choice exists, empty ones blank.
        QCOMPARE(editor.shownAmong({"lblFirstAnswer", "lblForthAnswer"}).size(), shown ? 2 : 0);
        QCOMPARE(editor.find<QComboBox>(u"cboABCD"_s)->currentIndex(), letter);
        // Back to a question without choices: the labels go and the preview grows.
        editor.click(u"btnQuestion_2"_s);
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), 354);
        QVERIFY(!editor.shown(u"lblThirdAnswer"_s));
    }

    void emptyFontNameKeepsPreviewFont() {
        EditorHarness editor;
        QuestionRecord& styled = editor.record(1, 1);
        styled.FontName = u"Times New Roman"_s;
        styled.FontBold = false;
        styled.FontColor = u"255"_s;
        editor.record(1, 2).FontName = u"   "_s;
        editor.record(1, 2).FontColor = QString();
        QLabel* preview = editor.label(u"lblDisPlayQuestion"_s);
        for (int index : {0, 1}) {
            editor.click(u"btnQuestion_%1"_s.arg(index));
            QCOMPARE(preview->font().family(), u"Times New Roman"_s);
            QVERIFY(!preview->font().bold());
            QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            for (const QLabel* choice : editor.window->lblAnswerChoices)
                QCOMPARE(choice->font().family(),
                         index == 0 ? u"Times New Roman"_s : u"Comic Sans MS"_s);
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
            editor.click(u"btnQuestion_%1"_s.arg(index));
            QVERIFY(!editor.state.DataChanged);
        }
        QVERIFY(editor.state.game == before);
    }

    void dailyDoubleBoxFollowsTextQuestion() {
        EditorHarness editor;
        editor.record(1, 2).DailyDouble = u"Y"_s;
        editor.record(1, 3).DailyDouble = u"y"_s;
        QCheckBox* box = editor.checkBox(u"chkDailyDouble"_s);
        editor.click(u"btnQuestion_1"_s);
        QVERIFY(box->isChecked());
        QCOMPARE(SquareColour(editor, 1, 1), 255u);
        // The box's handler runs when showing changes its value: the game set
        // counts as changed, and only a capital Y ticks it ("y" is written as N).
        QVERIFY(editor.state.DataChanged);
        editor.click(u"btnQuestion_2"_s);
        QVERIFY(!box->isChecked());
        QCOMPARE(SquareColour(editor, 1, 2), 0u);
        QCOMPARE(editor.record(1, 3).DailyDouble, u"N"_s);
        QCOMPARE(editor.record(1, 2).DailyDouble, u"Y"_s);
    }

    void finalTextQuestion() {
        EditorHarness editor;
        GameSet& game = editor.state.game;
        game.FinalQuestionText.set(u"Last one"_s);
        game.FinalAnswers[0].set(u"B"_s);
        game.FinalAnswers[1].set(u"A"_s);
        game.FinalAnswers[2].set(u"B"_s);
        editor.select(7);
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), u"Last one"_s);
        // With choices, the final question hides its answer box too.
        QCOMPARE(editor.shownAmong({"chkDailyDouble", "lblDailyDoublePadding", "btnCopy",
                                    "lblCopyFont", "txtAnswer", "lblAnswer", "btnFont"}),
                 QStringList{"btnFont"});
        QCOMPARE(editor.find<QComboBox>(u"cboABCD"_s)->currentIndex(), 1);
    }
};

QTEST_MAIN(TestQuestionDisplay)
#include "tst_questiondisplay.moc"
