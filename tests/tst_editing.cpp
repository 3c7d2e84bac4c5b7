#include "editor/previewfit.h"
#include "editorharness.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void typedQuestionStored_data();
    void typedQuestionStored();
    void typedAnswerStored_data();
    void typedAnswerStored();
    void answerTidiedOnLeaving_data();
    void answerTidiedOnLeaving();
    void fontRepairedOnLeaving_data();
    void fontRepairedOnLeaving();
    void inputLimits();
    void previewFitSizes_data();
    void previewFitSizes();
    void previewFitMatchesSizeBySize_data();
    void previewFitMatchesSizeBySize();
    void previewFitIsFast();
    void textButtonMakesAnEmptyTextQuestion();
    void fileNameAsAnswer_data();
    void fileNameAsAnswer();
};

void TestEditing::typedQuestionStored_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("changedBefore");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("changedAfter");
    QTest::addColumn<QString>("preview");
    QTest::newRow("new text") << "" << false << "  Who wrote Hamlet? "
                              << "Who wrote Hamlet?" << true << "Who wrote Hamlet?";
    QTest::newRow("spaces only clear, flag kept false") << "Old text" << false << "   "
                                                        << "" << false << "";
    QTest::newRow("spaces only clear, flag kept true") << "Old text" << true << "   "
                                                       << "" << true << "";
    QTest::newRow("same text again") << "Same" << false << "Same "
                                     << "Same" << false << "Same";
}

void TestEditing::typedQuestionStored() {
    QFETCH(QString, stored);
    QFETCH(bool, changedBefore);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, changedAfter);
    QFETCH(QString, preview);
    EditorHarness editor;
    editor.state.game.question(1, 1).QuestionText.set(stored);
    editor.click(QStringLiteral("btnQuestion_0"));
    editor.state.DataChanged = changedBefore;
    // Set as a whole, as a paste does, so no intermediate text runs first.
    editor.window->m_ui.txtEnterQuestion->setText(typed);
    QCOMPARE(editor.state.game.question(1, 1).QuestionText.trimmed(), expected);
    QCOMPARE(editor.state.DataChanged, changedAfter);
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(), preview);
}

void TestEditing::typedAnswerStored_data() {
    QTest::addColumn<bool>("final");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("changed");
    QTest::newRow("board answer") << false << " Paris "
                                  << "Paris" << true;
    QTest::newRow("board, unchanged") << false << "Berlin"
                                      << "Berlin" << false;
    QTest::newRow("board, emptied") << false << ""
                                    << "" << true;
    QTest::newRow("final answer") << true << "Lima"
                                  << "Lima" << true;
}

void TestEditing::typedAnswerStored() {
    QFETCH(bool, final);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, changed);
    EditorHarness editor;
    editor.state.game.question(1, 1).Answers[0].set(QStringLiteral("Berlin"));
    editor.state.game.FinalAnswers[0].set(QStringLiteral("Berlin"));
    if (final)
        editor.click(QStringLiteral("picFinalQuestion"));
    else
        editor.click(QStringLiteral("btnQuestion_0"));
    editor.state.DataChanged = false;
    // Set as a whole, as a paste does.
    editor.window->m_ui.txtAnswer->setText(typed);
    const FixedText<300>& answer =
        final ? editor.state.game.FinalAnswers[0] : editor.state.game.question(1, 1).Answers[0];
    QCOMPARE(answer.trimmed(), expected);
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestEditing::answerTidiedOnLeaving_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("first line break removed") << "one\r\ntwo\r\nthree"
                                              << "one\ntwo\r\nthree";
    QTest::newRow("spaces trimmed") << "  Paris  "
                                    << "Paris";
    QTest::newRow("spaces only") << "    "
                                 << "";
    QTest::newRow("no line break") << "Rome"
                                   << "Rome";
}

void TestEditing::answerTidiedOnLeaving() {
    QFETCH(QString, text);
    QFETCH(QString, tidied);
    EditorHarness editor;
    editor.click(QStringLiteral("btnQuestion_2"));
    editor.window->m_ui.txtAnswer->setText(text);
    editor.leave(QStringLiteral("txtAnswer"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), tidied);
    QCOMPARE(editor.state.game.question(1, 3).Answers[0].trimmed(), tidied);
}

void TestEditing::fontRepairedOnLeaving_data() {
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QString>("fontColor");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedSize");
    QTest::addColumn<QString>("expectedColor");
    QTest::newRow("both missing") << ""
                                  << ""
                                  << "Courier New"
                                  << "28"
                                  << "16777215";
    QTest::newRow("single space counts as empty") << " "
                                                  << "255"
                                                  << "Courier New"
                                                  << "28"
                                                  << "255";
    QTest::newRow("colour only missing") << "Arial"
                                         << "  "
                                         << "Arial"
                                         << "14"
                                         << "16777215";
    QTest::newRow("nothing missing") << "Arial"
                                     << "65280"
                                     << "Arial"
                                     << "14"
                                     << "65280";
}

void TestEditing::fontRepairedOnLeaving() {
    QFETCH(QString, fontName);
    QFETCH(QString, fontColor);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedSize);
    QFETCH(QString, expectedColor);
    EditorHarness editor;
    editor.click(QStringLiteral("btnQuestion_1"));
    QuestionRecord& record = editor.state.game.question(1, 2);
    record.FontName = fontName;
    record.FontSize = QStringLiteral("14");
    record.FontBold = false;
    record.FontItalic = false;
    record.FontColor = fontColor;
    editor.state.DataChanged = false;
    editor.leave(QStringLiteral("txtEnterQuestion"));
    QCOMPARE(record.FontName, expectedName);
    QCOMPARE(record.FontSize, expectedSize);
    QCOMPARE(record.FontColor, expectedColor);
    const bool repairedFont = expectedName != fontName;
    QCOMPARE(record.FontBold, repairedFont);
    QCOMPARE(record.FontItalic, repairedFont);
    QVERIFY(!editor.state.DataChanged);
}

void TestEditing::inputLimits() {
    EditorHarness editor;
    editor.type(QStringLiteral("txtEnterQuestion"), QString(300, QLatin1Char('q')));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text().size(), 256);
    QCOMPARE(editor.state.game.question(1, 1).QuestionText.trimmed().size(), 256);
    editor.type(QStringLiteral("txtAnswer"), QString(200, QLatin1Char('a')));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text().size(), 174);
    QCOMPARE(editor.state.game.question(1, 1).Answers[0].trimmed().size(), 174);

    // An answer longer than the box takes from typing is shown whole and
    // left as it is; it can be shortened but not lengthened.
    const QString longAnswer = QString(250, QLatin1Char('x'));
    editor.state.game.question(1, 2).Answers[0].set(longAnswer);
    editor.click(QStringLiteral("btnQuestion_1"));
    editor.state.DataChanged = false;
    QLineEdit* answer = editor.lineEdit(QStringLiteral("txtAnswer"));
    QCOMPARE(answer->text(), longAnswer);
    QVERIFY(!editor.state.DataChanged);
    answer->setFocus();
    answer->end(false);
    QTest::keyClicks(answer, QStringLiteral("yz"));
    QCOMPARE(answer->text().right(3), QStringLiteral("xxx"));
    QCOMPARE(answer->text().size(), 250);
    QTest::keyClick(answer, Qt::Key_Backspace);
    QCOMPARE(answer->text().size(), 249);
    QCOMPARE(editor.state.game.question(1, 2).Answers[0].trimmed().size(), 249);
}

void TestEditing::previewFitSizes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::newRow("five-letter word") << "Paris" << 354 << 80;
    QTest::newRow("empty") << "" << 354 << 80;
    QTest::newRow("enormous text") << QString(256, QLatin1Char('W')) << 354 << 5;
    QTest::newRow("one long word, short preview") << QString(150, QLatin1Char('M')) << 207 << 5;
}

void TestEditing::previewFitSizes() {
    QFETCH(QString, text);
    QFETCH(int, height);
    QFETCH(int, size);
    EditorHarness editor;
    QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
    preview->resize(preview->width(), height);
    preview->setText(text);
    editor.window->FitQuestionPreview();
    QCOMPARE(preview->font().pointSize(), size);
    QCOMPARE(editor.label(QStringLiteral("lblQuestionAutoResize"))->font().pointSize(), size);
    QCOMPARE(preview->text(), text);
}

void TestEditing::previewFitMatchesSizeBySize_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("height");
    const QString sentence =
        QStringLiteral("Which planet has the most moons in our solar system? ");
    QTest::newRow("sentence") << sentence << "Courier New" << 354;
    QTest::newRow("sentence, short") << sentence << "Courier New" << 207;
    QTest::newRow("two sentences, Arial") << sentence + sentence << "Arial" << 354;
    QTest::newRow("four sentences") << sentence.repeated(4) << "Comic Sans MS" << 354;
    QTest::newRow("256 characters") << sentence.repeated(5).left(256) << "Courier New" << 354;
    QTest::newRow("long word and short ones")
        << QStringLiteral("Supercalifragilisticexpialidocious is a word") << "Arial" << 207;
    QTest::newRow("numbers") << QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15") << "Arial"
                             << 354;
    // Every length of a typed question, in steps, in the window's fonts.
    const QString typed =
        QStringLiteral("How many keys does a standard piano have, counting both ");
    for (const char* fontFamily : {"Courier New", "Arial", "Comic Sans MS", "Times New Roman"}) {
        for (int length = 1; length <= 256; length += 15) {
            QTest::addRow("%s %d", fontFamily, length)
                << typed.repeated(5).left(length) << fontFamily << (length % 2 ? 354 : 207);
        }
    }
}

void TestEditing::previewFitMatchesSizeBySize() {
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, height);
    QFont font(family);
    font.setBold(true);
    font.setItalic(true);
    const QSize box(463, height);
    const int size = PreviewFontSize(font, text, box);
    QCOMPARE(size, PreviewFontSizeLinear(font, text, box));
    QVERIFY(size >= 5 && size <= 80);
}

void TestEditing::previewFitIsFast() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("timings mean nothing under the address sanitizer");
#endif
    EditorHarness editor;
    const QString text =
        QStringLiteral("In which year did the first person walk on the moon, and what ")
            .repeated(5)
            .left(256);
    QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
    preview->setText(text);
    editor.window->FitQuestionPreview(); // warm the font caches
    constexpr int runs = 50;
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs; ++run) {
        // A new text each time, as typing gives.
        preview->setText(text.left(200 + run));
        editor.window->FitQuestionPreview();
    }
    const double perFitMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / runs;
    qInfo("preview fit: %.3f ms per text", perFitMs);
    QVERIFY2(perFitMs < 1.0, qPrintable(QString::number(perFitMs)));
}

void TestEditing::textButtonMakesAnEmptyTextQuestion() {
    EditorHarness editor;
    QuestionRecord& record = editor.state.game.question(1, 3);
    record.QuestionType = QStringLiteral("P");
    record.QuestionText.set(QStringLiteral("C:\\Pics\\tower.jpg"));
    record.MediaPath.set(QStringLiteral("C:\\Sounds\\a.wav"));
    record.DailyDouble = QStringLiteral("Y");
    record.FontName = QStringLiteral("Arial");
    for (int k = 0; k < 5; ++k)
        record.Answers[k].set(QStringLiteral("answer %1").arg(k));
    editor.window->CurrentQuestion = 3;
    editor.state.DataChanged = false;
    editor.click(QStringLiteral("btnText"));
    QCOMPARE(record.QuestionType, QStringLiteral("T"));
    QVERIFY(record.QuestionText.isBlank());
    QVERIFY(record.MediaPath.isBlank());
    for (const FixedText<300>& answer : record.Answers)
        QVERIFY(answer.isBlank());
    QCOMPARE(record.DailyDouble, QStringLiteral("N"));
    QCOMPARE(record.FontName, QStringLiteral("Arial"));
    QVERIFY(editor.shown(QStringLiteral("txtEnterQuestion")));
    QVERIFY(editor.shown(QStringLiteral("lblDisPlayQuestion")));
    QVERIFY(!editor.shown(QStringLiteral("txtPath")));
    QVERIFY(!editor.shown(QStringLiteral("picQuestionPicture")));
    QVERIFY(editor.soundPlayer()->calls.endsWith(QStringLiteral("stop")));
}

void TestEditing::fileNameAsAnswer_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("questionText");
    QTest::addColumn<QString>("mediaPath");
    QTest::addColumn<QString>("answer");
    QTest::newRow("picture, cut at the first dot") << "P"
                                                   << "C:\\Quiz\\Pictures\\Eiffel.Tower.jpg"
                                                   << ""
                                                   << "Eiffel";
    QTest::newRow("video") << "V"
                           << "D:\\Clips\\launch.mpeg"
                           << ""
                           << "launch";
    QTest::newRow("sound from the media path") << "S"
                                               << "Name it"
                                               << "C:\\Snd\\bell.wav"
                                               << "bell";
    QTest::newRow("no backslash gives empty") << "P"
                                              << "tower.jpg"
                                              << ""
                                              << "";
    QTest::newRow("text question unchanged") << "T"
                                             << "Hello"
                                             << ""
                                             << "old answer";
    QTest::newRow("type compared whole") << "P "
                                         << "C:\\a\\b.jpg"
                                         << ""
                                         << "old answer";
}

void TestEditing::fileNameAsAnswer() {
    QFETCH(QString, type);
    QFETCH(QString, questionText);
    QFETCH(QString, mediaPath);
    QFETCH(QString, answer);
    EditorHarness editor;
    QuestionRecord& record = editor.state.game.question(1, 1);
    record.QuestionType = type;
    record.QuestionText.set(questionText);
    record.MediaPath.set(mediaPath);
    editor.window->m_ui.txtAnswer->setText(QStringLiteral("old answer"));
    QCheckBox* box = editor.checkBox(QStringLiteral("chkFilenameAnswer"));
    box->show();
    editor.click(QStringLiteral("chkFilenameAnswer"));
    QVERIFY(box->isChecked());
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), answer);
    QCOMPARE(record.Answers[0].trimmed(), answer);
    // Unticking leaves the answer as it is.
    editor.click(QStringLiteral("chkFilenameAnswer"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), answer);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
