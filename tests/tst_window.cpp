// The real window on scripted services: what each kind shows, and tasks by saved bytes.
#include "editorharness.h"
#include "testdata.h"

#include "services/gamefontdialog.h"

#include <QAction>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
const QString TextType = u"T#Courier New#28#True#True#16777215#"_s;
const QStringList PanelControls =
    u"lblDisPlayQuestion txtEnterQuestion txtPath picQuestionPicture picVideo fraSoundButtons "
    u"btnFont btnFontColor btnCopy chkFilenameAnswer txtAnswer lblFirstAnswer chkDailyDouble "
    u"btnQuestion_0"_s.split(u' ');

GameSet ExampleGame() {
    GameSet game;
    OpenFile(game, Example);
    return game;
}

// The saved line `offset` of a square's group (0 question, 1 answers, ...).
QString SavedLine(const EditorHarness& editor, Square square, int offset) {
    return FileLines(editor.savedBytes()).value(QuestionGroupLine(square) + offset - 1);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }

    void shownControls_data() {
        Columns<int, QString, QString, QString, bool, QStringList>("category", "type", "text",
                                                                   "media", "choices", "shown");
        const QString jpg = u"C:\\Pics\\tower.jpg"_s, mp4 = u"C:\\Clips\\moon.mp4"_s;
        const QString wav = u"C:\\Clips\\bell.wav"_s;
        const auto row = [](const char* name, int category, const char* type, const QString& text,
                            const QString& media, bool choices, const char* shown) {
            QTest::newRow(name) << category << QString::fromLatin1(type) << text << media << choices
                                << QString::fromLatin1(shown).split(u' ');
        };
        row("text", 1, "T", u"Why?"_s, {}, false,
            "lblDisPlayQuestion txtEnterQuestion btnFont btnFontColor btnCopy txtAnswer "
            "chkDailyDouble btnQuestion_0");
        row("text with choices", 2, "T", u"Why?"_s, {}, true,
            "lblDisPlayQuestion txtEnterQuestion btnFont btnFontColor btnCopy txtAnswer "
            "lblFirstAnswer chkDailyDouble btnQuestion_0");
        row("final text with choices", 7, "T", u"Why?"_s, {}, true,
            "lblDisPlayQuestion txtEnterQuestion btnFont btnFontColor lblFirstAnswer");
        row("picture", 3, "P", jpg, {}, false,
            "txtPath picQuestionPicture chkFilenameAnswer txtAnswer chkDailyDouble btnQuestion_0");
        row("picture with choices", 4, "P", jpg, {}, true,
            "txtPath picQuestionPicture lblFirstAnswer chkDailyDouble btnQuestion_0");
        row("final picture", 7, "P", jpg, {}, false,
            "txtPath picQuestionPicture chkFilenameAnswer txtAnswer");
        row("sound with choices", 5, "S", u"Listen"_s, wav, true,
            "lblDisPlayQuestion txtEnterQuestion txtPath fraSoundButtons chkFilenameAnswer "
            "lblFirstAnswer chkDailyDouble btnQuestion_0");
        row("video with choices", 6, "V", mp4, {}, true,
            "txtPath picVideo txtAnswer lblFirstAnswer chkDailyDouble btnQuestion_0");
        row("final video", 7, "V", mp4, {}, false, "txtPath picVideo chkFilenameAnswer txtAnswer");
    }

    void shownControls() {
        auto [category, type, text, media, choices, shown] =
            Fetch<int, QString, QString, QString, bool, QStringList>("category", "type", "text",
                                                                     "media", "choices", "shown");
        GameSet game = ExampleGame();
        QuestionRecord& record = game.question(category, 2);
        record.QuestionType = type;
        record.QuestionText.set(text);
        record.MediaPath.set(media);
        for (int k = 1; k <= 4 && choices; ++k)
            record.Answers[k].set(u"choice %1"_s.arg(k));
        EditorHarness editor;
        editor.load(game);
        editor.select(category == 7 ? 1 : 7); // shown after another square
        editor.select(category, 2);
        QCOMPARE(editor.shownAmong(PanelControls), shown);
        QCOMPARE(editor.shown(u"lblAnswer"_s), editor.shown(u"txtAnswer"_s));
        // Showing a question stores nothing.
        QVERIFY(!editor.document.isModified());
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(),
                 category == 7 ? u"FINAL QUESTION"_s : game.CategoryNames[category - 1].trimmed());
        if (choices && type != u"T"_s) { // Single gives a media question its answer box back
            editor.click(u"btnSingleChoice"_s);
            QVERIFY(editor.shown(u"chkFilenameAnswer"_s) && editor.shown(u"txtAnswer"_s));
        }
    }

    // Next walks category by category, the final, then the start; markers point at the square.
    void walkWithNext() {
        EditorHarness editor;
        QStringList markers;
        for (int index = 1; index <= 12; ++index)
            markers << (index <= 7 ? u"lblC%1Arrow"_s.arg(index) : u"lblQ%1Arrow"_s.arg(index - 7));
        QCOMPARE(editor.shownAmong(markers), (QStringList{u"lblC1Arrow"_s, u"lblQ1Arrow"_s}));
        for (int step = 1; step <= 31; ++step) {
            editor.click(u"btnNext"_s);
            const auto [category, question] =
                step == 31 ? qMakePair(1, 1) : qMakePair(step / 5 + 1, step % 5 + 1);
            QCOMPARE(editor.selection(), qMakePair(category, question));
            QStringList shown{u"lblC%1Arrow"_s.arg(category)};
            if (category < 7)
                shown << u"lblQ%1Arrow"_s.arg(question);
            QCOMPARE(editor.shownAmong(markers), shown);
        }
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), u"CATEGORY 1"_s);
        QCOMPARE(QApplication::focusWidget(), editor.lineEdit(u"txtEnterQuestion"_s));
        // However the name box gets the focus, and when it is clicked, the name is taken whole.
        QLineEdit* name = editor.lineEdit(u"txtCategoryName"_s);
        name->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(name->selectedText(), u"CATEGORY 1"_s);
        editor.click(u"txtCategoryName"_s);
        QTRY_COMPARE(name->selectedText(), u"CATEGORY 1"_s);
    }

    // Typing and Undo: Undo selects the square it changes; at the saved state nothing changed.
    void undoInTheWindow() {
        EditorHarness editor;
        QAction* undo = editor.action(u"mnuEditUndo"_s);
        QAction* redo = editor.action(u"mnuEditRedo"_s);
        QVERIFY(undo && redo && !undo->isEnabled());
        editor.select(2, 3);
        editor.type(u"txtEnterQuestion"_s, u"Capital of Peru?"_s);
        editor.leave(u"txtEnterQuestion"_s);
        editor.type(u"txtAnswer"_s, u"Lima"_s);
        QCOMPARE(undo->text(), u"&Undo Typing in Answer"_s);
        QCOMPARE(SavedLine(editor, {2, 3}, 1), u"Lima^^^^"_s);

        // Ctrl+Z in the box takes back the set's step, not only the box's text.
        QTest::keyClick(editor.lineEdit(u"txtAnswer"_s), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(SavedLine(editor, {2, 3}, 1), u"^^^^"_s);
        QVERIFY(redo->isEnabled());
        QTest::keyClick(editor.lineEdit(u"txtAnswer"_s), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(SavedLine(editor, {2, 3}, 1), u"Lima^^^^"_s);

        editor.select(5, 1);
        undo->trigger();
        QCOMPARE(editor.selection(), qMakePair(2, 3));
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), QString());
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), u"Capital of Peru?"_s);
        undo->trigger();
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), QString());
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->text(), QString());
        // Whatever start-up and showing wrote is not a step: this is the set as started.
        while (undo->isEnabled())
            undo->trigger();
        QVERIFY(!editor.document.isModified());
        redo->trigger();
        QVERIFY(editor.document.isModified());
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), u"Capital of Peru?"_s);

        // Undo is refused while the multiple-answers box is open, as other edits are.
        editor.click(u"btnMultipleChoice"_s);
        undo->trigger();
        QCOMPARE(editor.services.messageTexts().constLast(), MultipleChoiceGuardText);
        QCOMPARE(editor.record(2, 3).QuestionText.trimmed(), u"Capital of Peru?"_s);
        editor.type(u"txtEditAnswer1"_s, u"Lima"_s);
        editor.type(u"txtEditAnswer2"_s, u"Quito"_s);
        editor.click(u"btnDone"_s);
        QCOMPARE(SavedLine(editor, {2, 3}, 1), u"Lima^Lima^Quito^^"_s);
        editor.click(u"btnMultipleChoice"_s); // opens on the choices kept
        QCOMPARE(editor.lineEdit(u"txtEditAnswer2"_s)->text(), u"Quito"_s);
        editor.click(u"btnCancel"_s);
        // The preview makes room for the two choices, and only they are shown.
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->height(), frmEditor::PreviewShortHeight);
        QCOMPARE(
            editor.shownAmong({u"lblFirstAnswer"_s, u"lblSecondAnswer"_s, u"lblThirdAnswer"_s}),
            (QStringList{u"lblFirstAnswer"_s, u"lblSecondAnswer"_s}));
        undo->trigger();
        QCOMPARE(SavedLine(editor, {2, 3}, 1), u"^^^^"_s);
    }

    // The final question's kind changes as typed; the file's name as the answer.
    void changingKinds() {
        QTemporaryDir folder;
        EditorHarness editor;
        editor.select(7);
        editor.window->UseSoundFile(u"C:\\Clips\\bell.wav"_s);
        editor.window->UsePictureFile(u"C:\\Pics\\tower.jpg"_s);
        QVERIFY(!editor.shown(u"txtEnterQuestion"_s));
        editor.click(u"btnText"_s);
        QVERIFY(!editor.shown(u"lblFilenameAnswer"_s));
        editor.type(u"txtEnterQuestion"_s, u"Typed"_s);
        QStringList lines = FileLines(editor.savedBytes());
        QCOMPARE(lines.mid(126), (QStringList{u"Typed"_s, u"^^^^"_s, TextType}));
        QVERIFY(!editor.shown(u"chkDailyDouble"_s));

        editor.select(1, 1);
        QVERIFY(editor.lineEdit(u"txtPath"_s)->isReadOnly());

        // The file's name as the answer, for a path as this platform gives it.
        editor.window->UsePictureFile(folder.filePath(u"eiffel.tower.jpg"_s));
        editor.click(u"chkFilenameAnswer"_s);
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), u"eiffel"_s);
        QCOMPARE(SavedLine(editor, {1, 1}, 1), u"eiffel^^^^"_s);
        editor.window->UsePictureFile(folder.filePath(u"louvre.jpg"_s)); // the tick stays
        QCOMPARE(SavedLine(editor, {1, 1}, 1), u"louvre^^^^"_s);
    }

    void attachingShowsTheKind_data() {
        Columns<int, bool>("category", "choices");
        AddRow("board", 2, false);
        AddRow("board with choices", 4, true);
        AddRow("final", 7, false);
    }
    // Each change of kind shows at once what showing the square again shows, and saves the kind.
    void attachingShowsTheKind() {
        auto [category, choices] = Fetch<int, bool>("category", "choices");
        EditorHarness editor;
        editor.select(category);
        if (choices) {
            editor.click(u"btnMultipleChoice"_s);
            editor.type(u"txtEditAnswer3"_s, u"Lima"_s);
            editor.click(u"btnDone"_s);
            editor.select(category); // Done leaves the answer box hidden until shown again
        }
        const QStringList controls =
            PanelControls + u"lblAnswer lblFilenameAnswer lblPath btnDefault lblDailyDoublePadding "
                            u"lblQuestionPrompt btnMultipleChoice lblThirdAnswer"_s.split(u' ');
        for (const QChar kind : u"SPTVSTPVPSVT"_s) { // every change from one kind to another
            if (kind == u'T')
                editor.click(u"btnText"_s);
            else if (kind == u'S')
                editor.window->UseSoundFile(u"C:\\Media\\bell.wav"_s);
            else if (kind == u'P')
                editor.window->UsePictureFile(u"C:\\Media\\tower.jpg"_s);
            else
                editor.window->UseVideoFile(u"C:\\Media\\moon.mp4"_s);
            const QStringList attached = editor.shownAmong(controls);
            editor.select(category == 7 ? 1 : 7);
            editor.select(category);
            QCOMPARE(attached.join(u" "_s) + kind, editor.shownAmong(controls).join(u" "_s) + kind);
            QCOMPARE(SavedLine(editor, {category, 1}, category == 7 ? 2 : 3).left(1),
                     QString(kind));
        }
    }

    // The look buttons store what the choosers give; Play plays the clip.
    void lookAndPlayback() {
        QTemporaryDir folder;
        EditorHarness editor;
        editor.select(2, 2);
        editor.type(u"txtEnterQuestion"_s, u"Q"_s);
        editor.services.setNextFont(FontChoice{u"Arial"_s, false, true});
        editor.click(u"btnFont"_s);
        editor.services.setNextColor(QColor(255, 128, 64));
        editor.click(u"btnFontColor"_s);
        const QString arialRed = u"T#Arial#28#False#True#4227327#"_s;
        QCOMPARE(SavedLine(editor, {2, 2}, 3), arialRed);
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->font().family(), u"Arial"_s);
        QCOMPARE(editor.label(u"lblFirstAnswer"_s)->font().family(), u"Arial"_s);
        editor.select(3, 1);
        editor.type(u"txtEnterQuestion"_s, u"Other"_s);
        editor.select(2, 2);
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->palette().color(QPalette::WindowText),
                 QColor(255, 128, 64));
        editor.click(u"btnCopy"_s); // to every question with text
        QCOMPARE(SavedLine(editor, {3, 1}, 3), arialRed);
        QCOMPARE(SavedLine(editor, {5, 5}, 3), TextType);
        editor.click(u"btnDefault"_s);
        QCOMPARE(SavedLine(editor, {2, 2}, 3), TextType);
        QCOMPARE(SavedLine(editor, {3, 1}, 3), arialRed);

        const QString clip = WriteFile(folder, u"bell.wav"_s, "RIFF");
        editor.services.setNextFileName(clip);
        editor.click(u"btnSound"_s);
        editor.click(u"btnPlay"_s);
        const FakeMediaPlayer* sound = editor.services.players.value(1);
        QVERIFY(sound && !sound->isVideo);
        QCOMPARE(sound->calls.mid(sound->calls.size() - 2),
                 (QStringList{u"open:"_s + clip, u"play"_s}));
        // Stop rewinds the clip: the next play starts from the beginning.
        editor.services.setNextFileName(clip);
        editor.click(u"btnVideo"_s);
        editor.click(u"btnVideoStop"_s);
        const FakeMediaPlayer* video = editor.services.players.value(0);
        QVERIFY(video && video->isVideo);
        QCOMPARE(video->calls.mid(video->calls.size() - 3),
                 (QStringList{u"open:"_s + clip, u"stop"_s, u"setPosition:0"_s}));
    }

    // Save places two Daily Doubles on a board without any, ticking a shown one; the map toggles.
    void dailyDoubles() {
        QTemporaryDir folder;
        EditorHarness editor;
        editor.select(1, 1);
        editor.type(u"txtEnterQuestion"_s, u"Q"_s);
        for (float draw : {0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f})
            editor.services.setNextRandom(draw);
        const QString path = folder.filePath(u"board.txt"_s);
        editor.services.setNextFileName(path);
        editor.click(u"mnuFileSave"_s);
        QVERIFY(editor.checkBox(u"chkDailyDouble"_s)->isChecked());
        QCOMPARE(SquareColour(editor, 1, 0), 255u);
        QCOMPARE(SquareColour(editor, 3, 2), 255u);
        QVERIFY(!editor.document.isModified());
        QCOMPARE(FileLines(FileContents(path)).value(3), u"Y"_s);
        QCOMPARE(FileLines(FileContents(path)).count(u"Y"_s), 2);
        QCOMPARE(editor.services.randomDraws, 6); // the second draw hit the first square again

        editor.click(u"lblCat1_0"_s); // unmark the shown square from the map
        QVERIFY(!editor.checkBox(u"chkDailyDouble"_s)->isChecked());
        QCOMPARE(SavedLine(editor, {1, 1}, 2), u"N"_s);
        editor.click(u"chkDailyDouble"_s);
        QCOMPARE(SquareColour(editor, 1, 0), 255u);
        editor.action(u"mnuEditUndo"_s)->trigger();
        editor.action(u"mnuEditUndo"_s)->trigger();
        QVERIFY(!editor.document.isModified());
        editor.select(7);
        editor.click(u"chkDailyDouble"_s); // hidden for the final question: nothing to click
        QVERIFY(!editor.document.isModified());
    }

    // The file commands keep the author's work: open, import, New, Exit and Save As.
    void fileCommands() {
        QTemporaryDir folder;
        EditorHarness editor;
        editor.services.setNextFileName(Example);
        editor.click(u"mnuFileOpen"_s);
        QCOMPARE(editor.window->windowTitle(), u"world-tour.txt"_s);
        QCOMPARE(editor.categoryCaptions().value(1), u"SCIENCE"_s);
        editor.type(u"txtCategoryName"_s, u"Capitals"_s);
        QCOMPARE(editor.categoryCaptions().value(0), u"Capitals"_s);

        // Open of a folder: reported, and the board with its change stays.
        editor.services.setNextAnswer(MessageAnswer::No);
        editor.services.setNextFileName(folder.path());
        editor.click(u"mnuFileOpen"_s);
        QVERIFY(editor.services.messageTexts().constLast().contains(u"Error Number: 75"_s));
        QCOMPARE(editor.window->windowTitle(), u"world-tour.txt"_s);
        QCOMPARE(editor.record(1).QuestionText.trimmed().left(8), u"This cit"_s);

        // A cancelled import leaves everything; a completed one is untitled.
        editor.services.setNextFileName(QString());
        editor.click(u"mnuImportTabDelimited"_s);
        QCOMPARE(editor.categoryCaptions().value(1), u"SCIENCE"_s);
        QVERIFY(editor.document.isModified());
        editor.services.setNextFileName(
            QStringLiteral(QZ_SOURCE_DIR "/examples/board-template.tsv"));
        editor.click(u"mnuImportTabDelimited"_s);
        QVERIFY(editor.window->windowTitle().endsWith(u"untitled"_s));
        QVERIFY(editor.document.fileName().isEmpty());
        QVERIFY(editor.document.isModified());

        // New asks; Cancel keeps the imported board.
        editor.services.setNextAnswer(MessageAnswer::Cancel);
        editor.click(u"mnuFileNew"_s);
        QCOMPARE(editor.services.messageTexts().constLast(),
                 u"Would you like to save the changes you made?"_s);
        QVERIFY(editor.document.isModified());

        // Save asks for a name and writes the board as the model holds it.
        const QString path = folder.filePath(u"imported.txt"_s);
        editor.services.setNextFileName(path);
        editor.click(u"mnuSaveAs"_s);
        QVERIFY(!editor.document.isModified());
        QCOMPARE(FileContents(path), editor.savedBytes());
        QCOMPARE(editor.window->windowTitle(), u"Quizmora Editor - imported.txt"_s);
        // Saved, New asks nothing and empties the board.
        editor.click(u"mnuFileNew"_s);
        QVERIFY(editor.record(1).QuestionText.isBlank() && editor.document.fileName().isEmpty());
        QCOMPARE(editor.categoryCaptions().value(0), u"CATEGORY 1"_s);
        // Closing with changes asks as Exit does; Cancel, at either question or the chooser, stays.
        editor.type(u"txtCategoryName"_s, u"Unsaved "_s);
        editor.lineEdit(u"txtCategoryName"_s)->insert(u"\u03A9"_s); // pasted
        editor.services.setNextAnswer(MessageAnswer::Cancel);
        QVERIFY(!editor.window->close());
        editor.services.setNextAnswer(MessageAnswer::Yes);
        editor.services.setNextAnswer(MessageAnswer::Cancel);
        QVERIFY(!editor.window->close());
        editor.services.setNextAnswer(MessageAnswer::Yes);
        editor.services.setNextAnswer(MessageAnswer::SaveAnyway);
        editor.services.setNextFileName(QString());
        QVERIFY(!editor.window->close());
        editor.services.setNextAnswer(MessageAnswer::No);
        QVERIFY(editor.window->close());
        QVERIFY(editor.services.unanswered.isEmpty());
    }

    // Every control can be scrolled to on a small screen; where the board fits, it is exact.
    void fitsAnyScreen() {
        EditorHarness editor;
        auto* scroller = editor.find<QScrollArea>(u"boardScroller"_s);
        const QSize screen = editor.window->screen()->availableGeometry().size();
        editor.window->resize(screen.boundedTo(QSize(640, 480)));
        QCoreApplication::processEvents();
        for (const QString& name : {u"picFinalQuestion"_s, u"btnNext"_s, u"lblCat6_4"_s}) {
            auto* control = editor.find<QWidget>(name);
            scroller->ensureWidgetVisible(control, 0, 0);
            const QRect place(control->mapTo(scroller->viewport(), QPoint()), control->size());
            QVERIFY2(scroller->viewport()->rect().contains(place), qPrintable(name));
        }
        editor.window->resize(1018, 2000);
        QCoreApplication::processEvents();
        QCOMPARE(editor.find<QWidget>(u"centralwidget"_s)->size(), QSize(1018, 681));
        QCOMPARE(scroller->viewport()->width(), 1018);
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    }

    // The preview and the panels are in the board's blues, whatever the desktop's style.
    void paintedInBoardColours() {
        EditorHarness editor;
        for (const auto& [name, colour] : {std::pair{u"lblDisPlayQuestion"_s, QColor(6, 18, 140)},
                                           {u"lblDailyDoublePadding"_s, QColor(22, 44, 150)}})
            QCOMPARE(editor.find<QWidget>(name)->grab().toImage().pixelColor(2, 2), colour);
    }

    // The font chooser opens at the question's font; other families only when asked for.
    void fontChooserStart() {
        const GameFontDialog courier(u"Courier New"_s, true, false);
        QCOMPARE(courier.family(), u"Courier New"_s);
        QVERIFY(courier.bold() && !courier.italic());
        const GameFontDialog other(u"DejaVu Sans"_s, false, true);
        QCOMPARE(other.family(), u"DejaVu Sans"_s);
        QVERIFY(IsGameSetFontFamily(u"times new roman"_s));
        QVERIFY(!IsGameSetFontFamily(u"DejaVu Sans"_s));
    }

    // Sets opened or saved come back from the File menu; a gone one is dropped.
    void recentFiles() {
        QTemporaryDir folder;
        EditorHarness editor;
        editor.services.setNextFileName(Example);
        editor.click(u"mnuFileOpen"_s);
        const QString copy = folder.filePath(u"copy.txt"_s);
        editor.services.setNextFileName(copy);
        editor.click(u"mnuSaveAs"_s);
        QCOMPARE(editor.services.editorList(u"RecentFiles"_s), (QStringList{copy, Example}));
        QCOMPARE(editor.action(u"mnuFileRecent_0"_s)->text(), u"&1 copy.txt"_s);
        QCOMPARE(editor.action(u"mnuFileRecent_0"_s)->toolTip(), copy);
        QVERIFY(!editor.action(u"mnuFileRecent_2"_s)->isVisible());

        QVERIFY(QFile::remove(copy));
        editor.action(u"mnuFileRecent_0"_s)->trigger();
        QVERIFY(editor.services.messageTexts().constLast().contains(copy));
        QCOMPARE(editor.services.editorList(u"RecentFiles"_s), QStringList{Example});
        editor.type(u"txtCategoryName"_s, u"Changed"_s);
        editor.services.setNextAnswer(MessageAnswer::No);
        editor.action(u"mnuFileRecent_0"_s)->trigger();
        QCOMPARE(editor.categoryCaptions().value(0), u"WORLD CAPITALS"_s);
        QCOMPARE(editor.window->windowTitle(), u"world-tour.txt"_s);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
