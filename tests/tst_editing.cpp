#include "editor/previewfit.h"
#include "editorharness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

// A text set into the question or answer box and what the model keeps.
struct Typed {
    const char* box;
    int category; // 7: the final question
    bool changedBefore;
    const char* typed;
    const char* stored;
    bool changedAfter;
};

// A media question whose file name becomes its answer.
struct FileNameRow {
    const char* type;
    const char* questionText;
    const char* mediaPath;
    const char* answer;
};

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void typedTextStored_data() {
        QTest::addColumn<Typed>("row");
        const auto row = [](const char* name, const Typed& typed) { QTest::newRow(name) << typed; };
        row("new question",
            {"txtEnterQuestion", 1, false, "  Who wrote Hamlet? ", "Who wrote Hamlet?", true});
        row("spaces clear, flag kept false", {"txtEnterQuestion", 1, false, "   ", "", false});
        row("spaces clear, flag kept true", {"txtEnterQuestion", 1, true, "   ", "", true});
        row("same question again", {"txtEnterQuestion", 1, false, "Old ", "Old", false});
        row("final question", {"txtEnterQuestion", 7, false, "Last?", "Last?", true});
        row("emptied final question keeps its text",
            {"txtEnterQuestion", 7, false, "", "Old", false});
        row("answer", {"txtAnswer", 1, false, " Paris ", "Paris", true});
        row("same answer", {"txtAnswer", 1, false, "Old", "Old", false});
        row("emptied answer", {"txtAnswer", 1, false, "", "", true});
        row("final answer", {"txtAnswer", 7, false, "Lima", "Lima", true});
    }

    void typedTextStored() {
        QFETCH(Typed, row);
        const QString box = row.box;
        const int category = row.category;
        EditorHarness editor;
        const bool question = box == "txtEnterQuestion"_L1;
        GameSet& game = editor.state.game;
        FixedText<256>& text =
            category == 7 ? game.FinalQuestionText : game.question(1, 1).QuestionText;
        FixedText<300>& answer =
            category == 7 ? game.FinalAnswers[0] : game.question(1, 1).Answers[0];
        if (question)
            text.set(u"Old"_s);
        else
            answer.set(u"Old"_s);
        editor.select(category);
        editor.state.DataChanged = row.changedBefore;
        // Set as a whole, as a paste does.
        editor.lineEdit(box)->setText(row.typed);
        QCOMPARE(question ? text.trimmed() : answer.trimmed(), QString(row.stored));
        QCOMPARE(editor.state.DataChanged, row.changedAfter);
        if (question)
            QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->text(), TrimSpaces(row.typed));
    }

    void answerTidiedOnLeaving_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tidied");
        QTest::newRow("first line break removed")
            << u"one\r\ntwo\r\nthree"_s << u"one\ntwo\r\nthree"_s;
        QTest::newRow("spaces trimmed") << u"  Paris  "_s << u"Paris"_s;
        QTest::newRow("spaces only") << "    " << QString();
    }

    void answerTidiedOnLeaving() {
        QFETCH(QString, text);
        QFETCH(QString, tidied);
        EditorHarness editor;
        editor.window->m_ui.txtAnswer->setText(text);
        editor.leave(u"txtAnswer"_s);
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), tidied);
        QCOMPARE(editor.record(1, 1).Answers[0].trimmed(), tidied);
    }

    void fontRepairedOnLeaving_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<QString>("fontColor");
        QTest::addColumn<QString>("repaired"); // name/size/bold/italic/colour
        const auto row = [](const char* name, int category, const char* font, const char* colour,
                            const char* repaired) {
            QTest::newRow(name) << category << QString::fromLatin1(font)
                                << QString::fromLatin1(colour) << QString::fromLatin1(repaired);
        };
        row("both missing", 1, "", "", "Courier New/28/1/1/16777215");
        row("single space counts as empty", 1, " ", "255", "Courier New/28/1/1/255");
        row("colour only missing", 1, "Arial", "  ", "Arial/14/0/0/16777215");
        row("nothing missing", 1, "Arial", "65280", "Arial/14/0/0/65280");
        row("final question", 7, "", "", "Courier New/28/1/1/16777215");
    }

    void fontRepairedOnLeaving() {
        QFETCH(int, category);
        QFETCH(QString, fontName);
        QFETCH(QString, fontColor);
        QFETCH(QString, repaired);
        EditorHarness editor;
        editor.select(category, 2);
        editor.setLook(category, 2, u"%1/14/0/0/%2"_s.arg(fontName, fontColor));
        editor.state.DataChanged = false;
        editor.leave(u"txtEnterQuestion"_s);
        QCOMPARE(editor.lookOf(category, 2), repaired);
        QVERIFY(!editor.state.DataChanged);
    }

    void inputLimits() {
        EditorHarness editor;
        editor.type(u"txtEnterQuestion"_s, QString(300, 'q'_L1));
        QCOMPARE(editor.record(1, 1).QuestionText.trimmed().size(), 256);
        editor.type(u"txtAnswer"_s, QString(200, 'a'_L1));
        QCOMPARE(editor.record(1, 1).Answers[0].trimmed().size(), 174);

        // An answer longer than the box takes from typing is shown whole and
        // left as it is; it can be shortened but not lengthened.
        editor.record(1, 2).Answers[0].set(QString(250, 'x'_L1));
        editor.click(u"btnQuestion_1"_s);
        QLineEdit* answer = editor.lineEdit(u"txtAnswer"_s);
        QCOMPARE(answer->text().size(), 250);
        answer->setFocus();
        answer->end(false);
        QTest::keyClicks(answer, u"yz"_s);
        QCOMPARE(answer->text().size(), 250);
        QTest::keyClick(answer, Qt::Key_Backspace);
        QCOMPARE(editor.record(1, 2).Answers[0].trimmed().size(), 249);
    }

    void previewFit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("size"); // 0: only the fast search against the size-by-size one
        const QString courier = u"Courier New"_s;
        QTest::newRow("five-letter word") << u"Paris"_s << courier << 354 << 80;
        QTest::newRow("enormous text") << QString(256, 'W'_L1) << courier << 354 << 5;
        QTest::newRow("one long word, short preview")
            << QString(150, 'M'_L1) << courier << 207 << 5;
        // Every length of a typed question, in steps, in the window's fonts.
        const QString typed = u"How many keys does a standard piano have, counting both "_s;
        for (const char* family : {"Courier New", "Arial", "Comic Sans MS", "Times New Roman"}) {
            for (int length = 1; length <= 256; length += 15) {
                QTest::addRow("%s %d", family, length)
                    << typed.repeated(5).left(length) << family << (length % 2 ? 354 : 207) << 0;
            }
        }
    }

    void previewFit() {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, height);
        QFETCH(int, size);
        QFont font(family);
        font.setBold(true);
        font.setItalic(true);
        const QSize box(463, height);
        QCOMPARE(PreviewFontSize(font, text, box), PreviewFontSizeLinear(font, text, box));
        if (size == 0)
            return;
        EditorHarness editor;
        QLabel* preview = editor.label(u"lblDisPlayQuestion"_s);
        preview->resize(preview->width(), height);
        preview->setText(text);
        editor.window->FitQuestionPreview();
        QCOMPARE(preview->font().pointSize(), size);
        QCOMPARE(preview->text(), text);
    }

    void textButtonMakesAnEmptyTextQuestion() {
        EditorHarness editor;
        QuestionRecord& record = editor.record(1, 3);
        record.QuestionType = u"P"_s;
        record.QuestionText.set(u"C:\\Pics\\tower.jpg"_s);
        record.MediaPath.set(u"C:\\Sounds\\a.wav"_s);
        record.DailyDouble = u"Y"_s;
        record.FontName = u"Arial"_s;
        for (int k = 0; k < 5; ++k)
            record.Answers[k].set(u"answer %1"_s.arg(k));
        editor.window->CurrentQuestion = 3;
        // Only the look stays.
        QuestionRecord expected = record;
        expected.QuestionType = u"T"_s;
        expected.DailyDouble = u"N"_s;
        expected.QuestionText.clear();
        expected.MediaPath.clear();
        for (FixedText<300>& answer : expected.Answers)
            answer.clear();
        editor.click(u"btnText"_s);
        QVERIFY(record == expected);
        QCOMPARE(editor.shownAmong({"txtEnterQuestion", "lblDisPlayQuestion", "txtPath",
                                    "picQuestionPicture", "fraSoundButtons"}),
                 QStringList({"txtEnterQuestion", "lblDisPlayQuestion"}));
        QVERIFY(editor.soundPlayer()->calls.endsWith(u"stop"_s));
    }

    void fileNameAsAnswer_data() {
        QTest::addColumn<FileNameRow>("row");
        QTest::newRow("picture, cut at the first dot")
            << FileNameRow{"P", "C:\\Quiz\\Pictures\\Eiffel.Tower.jpg", "", "Eiffel"};
        QTest::newRow("sound from the media path")
            << FileNameRow{"S", "Name it", "C:\\Snd\\bell.wav", "bell"};
        QTest::newRow("text question unchanged") << FileNameRow{"T", "Hello", "", "old answer"};
        QTest::newRow("type compared whole") << FileNameRow{"P ", "C:\\a\\b.jpg", "", "old answer"};
    }

    void fileNameAsAnswer() {
        QFETCH(FileNameRow, row);
        const QString answer = row.answer;
        EditorHarness editor;
        QuestionRecord& record = editor.record(1, 1);
        record.QuestionType = row.type;
        record.QuestionText.set(row.questionText);
        record.MediaPath.set(row.mediaPath);
        editor.window->m_ui.txtAnswer->setText(u"old answer"_s);
        editor.checkBox(u"chkFilenameAnswer"_s)->show();
        editor.click(u"chkFilenameAnswer"_s);
        QCOMPARE(record.Answers[0].trimmed(), answer);
        // Unticking leaves the answer as it is.
        editor.click(u"chkFilenameAnswer"_s);
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), answer);
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
