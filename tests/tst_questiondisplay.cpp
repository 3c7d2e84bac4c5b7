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
    void kindFromFileNames_data();
    void kindFromFileNames();
    void textQuestionShown();
    void previewHeight_data();
    void previewHeight();
    void answerLetter_data();
    void answerLetter();
    void emptyFontNameKeepsPreviewFont();
    void showingDoesNotMarkChanged_data();
    void showingDoesNotMarkChanged();
    void dailyDoubleBoxFollowsTextQuestion();
    void finalTextQuestion();
};

void TestQuestionDisplay::kindFromFileNames_data() {
    QTest::addColumn<QString>("questionText");
    QTest::addColumn<QString>("mediaPath");
    QTest::addColumn<QuestionKind>("kind");
    QTest::newRow("plain text") << "What is 2+2?"
                                << "" << QuestionKind::Text;
    QTest::newRow("MPEG in capitals") << "C:\\Clips\\LAUNCH.MPEG"
                                      << "" << QuestionKind::Video;
    QTest::newRow("mpg") << "C:\\Clips\\a.mpg"
                         << "" << QuestionKind::Video;
    QTest::newRow("mp4 padded") << "  C:\\Clips\\a.mp4   "
                                << "" << QuestionKind::Video;
    QTest::newRow("avi wmv mov") << "x.Wmv"
                                 << "" << QuestionKind::Video;
    QTest::newRow("jpg") << "C:\\Pics\\tower.JPG"
                         << "" << QuestionKind::Picture;
    QTest::newRow("bmp") << "C:\\Pics\\tower.bmp"
                         << "" << QuestionKind::Picture;
    QTest::newRow("jpeg is text") << "C:\\Pics\\tower.jpeg"
                                  << "" << QuestionKind::Text;
    QTest::newRow("png is text") << "C:\\Pics\\tower.png"
                                 << "" << QuestionKind::Text;
    QTest::newRow("sound wins over picture") << "C:\\Pics\\tower.jpg"
                                             << "C:\\Sounds\\bell.wav" << QuestionKind::Sound;
    QTest::newRow("sound wins over video") << "C:\\Clips\\a.avi"
                                           << "C:\\Sounds\\bell.MP3" << QuestionKind::Sound;
    QTest::newRow("wma with text") << "Name this tune"
                                   << "tune.wma" << QuestionKind::Sound;
    QTest::newRow("sound name in the text is text") << "bell.wav"
                                                    << "" << QuestionKind::Text;
    QTest::newRow("media path of another kind") << "Hello"
                                                << "C:\\a.jpg" << QuestionKind::Text;
    QTest::newRow("tab after the extension") << "a.jpg\t"
                                             << "" << QuestionKind::Text;
}

void TestQuestionDisplay::kindFromFileNames() {
    QFETCH(QString, questionText);
    QFETCH(QString, mediaPath);
    QFETCH(QuestionKind, kind);
    QCOMPARE(KindOfQuestion(questionText, mediaPath), kind);
}

void TestQuestionDisplay::textQuestionShown() {
    EditorHarness editor;
    QuestionRecord& record = editor.state.game.question(2, 3);
    record.QuestionText.set(QStringLiteral("  Which river flows through Cairo?"));
    record.Answers[0].set(QStringLiteral("The Nile"));
    editor.click(QStringLiteral("lblCategory_1"));
    editor.click(QStringLiteral("btnQuestion_2"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
             QStringLiteral("Which river flows through Cairo?"));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(),
             QStringLiteral("Which river flows through Cairo?"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), QStringLiteral("The Nile"));
    for (const char* name :
         {"lblDisPlayQuestion", "txtEnterQuestion", "lblQuestionPrompt", "btnFont", "btnFontColor",
          "btnDefault", "btnCopy", "lblCopyFont", "btnMultipleChoice", "btnSingleChoice",
          "txtAnswer", "lblAnswer", "chkDailyDouble", "lblDailyDoublePadding"})
        QVERIFY2(editor.shown(QString::fromLatin1(name)), name);
    for (const char* name :
         {"lblPath", "txtPath", "picQuestionPicture", "picVideo", "btnVideoPlay", "fraSoundButtons",
          "chkFilenameAnswer", "lblFilenameAnswer", "lblFirstAnswer"})
        QVERIFY2(!editor.shown(QString::fromLatin1(name)), name);
    QCOMPARE(editor.shownArrows(),
             QStringList({QStringLiteral("lblC2Arrow"), QStringLiteral("lblQ3Arrow")}));
    // Both players are stopped whenever a question is shown.
    QVERIFY(editor.soundPlayer()->calls.contains(QStringLiteral("stop")));
    QVERIFY(editor.videoPlayer()->calls.contains(QStringLiteral("stop")));
}

void TestQuestionDisplay::previewHeight_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("no choices") << QStringList{"", "", "", ""} << 354
                                << QStringList{"", "", "", ""};
    QTest::newRow("all four") << QStringList{"Rome", "Paris", "Oslo", "Bern"} << 207
                              << QStringList{"Rome", "Paris", "Oslo", "Bern"};
    QTest::newRow("only C") << QStringList{"", "", "  Oslo ", ""} << 207
                            << QStringList{"", "", "Oslo", ""};
    QTest::newRow("blank choices count as none")
        << QStringList{"   ", "", "", ""} << 354 << QStringList{"", "", "", ""};
}

void TestQuestionDisplay::previewHeight() {
    QFETCH(QStringList, choices);
    QFETCH(int, height);
    QFETCH(QStringList, captions);
    EditorHarness editor;
    QuestionRecord& record = editor.state.game.question(1, 4);
    record.QuestionText.set(QStringLiteral("Capital of France?"));
    for (int k = 0; k < 4; ++k)
        record.Answers[k + 1].set(choices[k]);
    editor.click(QStringLiteral("btnQuestion_3"));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), height);
    const bool anyChoice = height == 207;
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(editor.window->lblAnswerChoices[k]->text(), captions[k]);
        QCOMPARE(!editor.window->lblAnswerChoices[k]->isHidden(), anyChoice);
    }
    // Back to a question without choices: the labels go and the preview grows.
    editor.click(QStringLiteral("btnQuestion_0"));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->height(), 354);
    QVERIFY(editor.label(QStringLiteral("lblFirstAnswer"))->isHidden());
}

void TestQuestionDisplay::answerLetter_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("letter");
    QTest::newRow("answer is C") << "Oslo" << 2;
    QTest::newRow("answer is A, padded") << " Rome " << 0;
    QTest::newRow("answer is D") << "Bern" << 3;
    QTest::newRow("none equal keeps previous") << "Madrid" << 1;
    QTest::newRow("letter case counts") << "oslo" << 1;
}

void TestQuestionDisplay::answerLetter() {
    QFETCH(QString, answer);
    QFETCH(int, letter);
    EditorHarness editor;
    // The question shown before leaves B selected.
    QuestionRecord& first = editor.state.game.question(1, 1);
    first.Answers[0].set(QStringLiteral("Two"));
    first.Answers[1].set(QStringLiteral("One"));
    first.Answers[2].set(QStringLiteral("Two"));
    editor.click(QStringLiteral("btnQuestion_0"));
    QComboBox* letterBox = editor.find<QComboBox>(QStringLiteral("cboABCD"));
    QCOMPARE(letterBox->currentIndex(), 1);

    QuestionRecord& record = editor.state.game.question(1, 2);
    record.Answers[0].set(answer);
    const QStringList choices{"Rome", "Paris", "Oslo", "Bern"};
    for (int k = 0; k < 4; ++k)
        record.Answers[k + 1].set(choices[k]);
    editor.click(QStringLiteral("btnQuestion_1"));
    QCOMPARE(letterBox->currentIndex(), letter);
}

void TestQuestionDisplay::emptyFontNameKeepsPreviewFont() {
    EditorHarness editor;
    QuestionRecord& styled = editor.state.game.question(1, 1);
    styled.QuestionText.set(QStringLiteral("Styled"));
    styled.FontName = QStringLiteral("Times New Roman");
    styled.FontBold = false;
    styled.FontItalic = false;
    styled.FontColor = QStringLiteral("255");
    QuestionRecord& plain = editor.state.game.question(1, 2);
    plain.QuestionText.set(QStringLiteral("Plain"));
    plain.FontName = QStringLiteral("   ");
    plain.FontColor = QString();

    editor.click(QStringLiteral("btnQuestion_0"));
    QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
    QCOMPARE(preview->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(!preview->font().bold());
    QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(editor.label(QStringLiteral("lblThirdAnswer"))->font().family(),
             QStringLiteral("Times New Roman"));

    editor.click(QStringLiteral("btnQuestion_1"));
    QCOMPARE(preview->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(!preview->font().bold());
    QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (const QLabel* choice : editor.window->lblAnswerChoices)
        QCOMPARE(choice->font().family(), QStringLiteral("Comic Sans MS"));
}

void TestQuestionDisplay::showingDoesNotMarkChanged_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::newRow("plain") << "Question"
                           << "Answer";
    QTest::newRow("padded fields") << "   Question   "
                                   << "  Answer  ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("full width") << QString(256, QLatin1Char('q')) << QString(174, QLatin1Char('a'));
}

void TestQuestionDisplay::showingDoesNotMarkChanged() {
    QFETCH(QString, text);
    QFETCH(QString, answer);
    EditorHarness editor;
    for (int question = 1; question <= 5; ++question) {
        QuestionRecord& record = editor.state.game.question(4, question);
        record.QuestionText.set(text);
        record.Answers[0].set(answer);
        record.DailyDouble = QStringLiteral("N");
    }
    const GameSet before = editor.state.game;
    editor.window->CurrentCategory = 4;
    for (int index = 0; index < 5; ++index) {
        editor.click(QStringLiteral("btnQuestion_%1").arg(index));
        QVERIFY(!editor.state.DataChanged);
    }
    QVERIFY(editor.state.game == before);
}

void TestQuestionDisplay::dailyDoubleBoxFollowsTextQuestion() {
    EditorHarness editor;
    editor.state.game.question(1, 2).DailyDouble = QStringLiteral("Y");
    editor.state.game.question(1, 3).DailyDouble = QStringLiteral("y");
    QCheckBox* box = editor.checkBox(QStringLiteral("chkDailyDouble"));

    editor.click(QStringLiteral("btnQuestion_1"));
    QVERIFY(box->isChecked());
    QCOMPARE(SquareColour(editor, 1, 1), 255u);

    // Only a capital Y ticks the box; showing writes the mark back as "N".
    editor.click(QStringLiteral("btnQuestion_2"));
    QVERIFY(!box->isChecked());
    QCOMPARE(SquareColour(editor, 1, 2), 0u);
    QCOMPARE(editor.state.game.question(1, 3).DailyDouble, QStringLiteral("N"));
    QCOMPARE(editor.state.game.question(1, 2).DailyDouble, QStringLiteral("Y"));
}

void TestQuestionDisplay::finalTextQuestion() {
    EditorHarness editor;
    GameSet& game = editor.state.game;
    game.FinalQuestionText.set(QStringLiteral("Last one"));
    game.FinalAnswers[0].set(QStringLiteral("B"));
    game.FinalAnswers[1].set(QStringLiteral("A"));
    game.FinalAnswers[2].set(QStringLiteral("B"));
    editor.click(QStringLiteral("picFinalQuestion"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
             QStringLiteral("Last one"));
    QCOMPARE(editor.shownArrows(), QStringList{QStringLiteral("lblC7Arrow")});
    QVERIFY(!editor.shown(QStringLiteral("chkDailyDouble")));
    QVERIFY(!editor.shown(QStringLiteral("lblDailyDoublePadding")));
    QVERIFY(!editor.shown(QStringLiteral("btnCopy")));
    QVERIFY(!editor.shown(QStringLiteral("lblCopyFont")));
    // With choices, the final question hides its answer box.
    QVERIFY(!editor.shown(QStringLiteral("txtAnswer")));
    QVERIFY(!editor.shown(QStringLiteral("lblAnswer")));
    QCOMPARE(editor.find<QComboBox>(QStringLiteral("cboABCD"))->currentIndex(), 1);
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
             QStringLiteral("Final Question"));
    QVERIFY(editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
}

QTEST_MAIN(TestQuestionDisplay)
#include "tst_questiondisplay.moc"
