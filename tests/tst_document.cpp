// The document without a window: edit sequences against saved bytes, undo and redo.
#include "testdata.h"

#include "document/gamesetdocument.h"
#include "util/textrules.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Edit = std::function<void(GameSetDocument&)>;
using Lines = QMap<int, QString>; // line number (1..129) -> saved text

const QString Example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
const QString TextType = u"T#Courier New#28#True#True#16777215#"_s;
const Square First{1, 1};
const Square Final = Square::finalQuestion();

QByteArray Saved(const GameSetDocument& document) {
    GameSet copy = document.game();
    return WriteGameSet(copy);
}

// The line where the given line of a square's group is saved: 0 question,
// 1 answers, 2 Daily Double (board only), 3 type (2 for the final question).
int LineOf(Square square, int offset) {
    return QuestionGroupLine(square) + offset;
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Lines)

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void editsSaveAndUndo_data() {
        Columns<Edit, int, Lines>("edit", "steps", "expected");
        const auto row = [](const char* name, int steps, Lines expected, Edit edit) {
            QTest::newRow(name) << edit << steps << expected;
        };
        row("question text, trimmed", 1, {{LineOf({2, 3}, 0), u"Who?"_s}}, [](auto& d) {
            d.setQuestionText({2, 3}, u"  Who?  "_s);
        });
        row("Daily Double on the final question stores nothing", 0, {},
            [](auto& d) { d.setDailyDouble(Final, true); });
        row("unmarking an unmarked square is no change", 0, {}, [](auto& d) {
            d.setDailyDouble({2, 2}, false);
        });
        row("the value already there is no change", 0, {}, [](auto& d) {
            d.setQuestionText(First, d.record(First).QuestionText.trimmed() + u"  "_s);
            d.setCategoryName(1, d.game().CategoryNames[0].trimmed());
        });
        row("category name cut to 32", 1, {{CategoryNameLine(3), QString(32, u'x')}},
            [](auto& d) { d.setCategoryName(3, QString(40, u'x') + u"y"_s); });
        row("video, then text clears the path and the mark", 3,
            {{LineOf({3, 4}, 0), QString()},
             {LineOf({3, 4}, 2), u"N"_s},
             {LineOf({3, 4}, 3), TextType}},
            [](auto& d) {
                d.setDailyDouble({3, 4}, true);
                d.setKind({3, 4}, MediaKind::Video, u"C:\\v.mp4"_s);
                d.setKind({3, 4}, MediaKind::None);
            });
        row("line breaks and tabs from outside become spaces, controls go", 5,
            {{2, u"First line second line"_s},
             {CategoryNameLine(2), u"Two words"_s},
             {LineOf({1, 2}, 1), u"a b^^^^"_s},
             {LineOf({1, 3}, 1), u"x^x^y^z^w"_s},
             {LineOf({2, 1}, 0), u"Spelt right"_s}},
            [](auto& d) {
                d.setQuestionText(First, u"First line\r\nsecond line"_s);
                d.setCategoryName(2, u"Two\nwords"_s);
                d.setAnswer({1, 2}, u"a\tb\x07"_s);
                d.setChoices({1, 3}, {u"x\r"_s, u"y"_s, u"z"_s, u"w"_s}, 0);
                d.editTexts(u"Spelling"_s, [](GameSet& game) {
                    game.question(2, 1).QuestionText.set(u"Spelt\rright"_s);
                });
            });
        row("a new file of the same kind keeps the words", 6,
            {{2, u"C:\\Pics\\b.jpg"_s},
             {3, u"Eiffel^^^^"_s},
             {LineOf({1, 2}, 0), u"C:\\Clips\\b.wav"_s},
             {LineOf({1, 2}, 3), u"SName it"_s}},
            [](auto& d) {
                d.setKind(First, MediaKind::Picture, u"C:\\Pics\\a.jpg"_s);
                d.setAnswer(First, u"Eiffel"_s);
                d.setKind(First, MediaKind::Picture, u"C:\\Pics\\b.jpg"_s);
                d.setKind({1, 2}, MediaKind::Sound, u"C:\\Clips\\a.wav"_s);
                d.setQuestionText({1, 2}, u"Name it"_s);
                d.setKind({1, 2}, MediaKind::Sound, u"C:\\Clips\\b.wav"_s);
            });
        row("final look keeps its size a whole number", 1, {{129, u"T#Arial#36#False#True#255#"_s}},
            [](auto& d) {
                d.setLook(Final, u"Font"_s, u"Arial"_s, u"36"_s, false, true, u"255"_s);
            });
    }

    void editsSaveAndUndo() {
        auto [edit, steps, expected] = Fetch<Edit, int, Lines>("edit", "steps", "expected");
        GameSetDocument document;
        QVERIFY(!document.open(Example).failed());
        const QByteArray before = Saved(document);
        QSignalSpy changes(&document, &GameSetDocument::changed);

        edit(document);
        const QByteArray after = Saved(document);
        const QStringList lines = FileLines(after);
        QCOMPARE(lines.size(), GameSetLineCount);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(lines.at(it.key() - 1), it.value());
        QCOMPARE(document.undoStack().count(), steps);
        QCOMPARE(document.isModified(), steps > 0);
        QCOMPARE(changes.isEmpty(), steps == 0);
        QCOMPARE(after == before, steps == 0);
        // What the window shows is what the file gives back.
        const GameSet reread = ReadGameSet(after);
        for (int category = 1; category <= Square::FinalCategory; ++category) {
            for (int question = 1; question <= 5; ++question)
                QCOMPARE(KindOfQuestion(document.game().question(category, question)),
                         KindOfQuestion(reread.question(category, question)));
        }

        while (document.undoStack().canUndo())
            document.undoStack().undo();
        QCOMPARE(Saved(document), before);
        QVERIFY(!document.isModified());
        while (document.undoStack().canRedo())
            document.undoStack().redo();
        QCOMPARE(Saved(document), after);
    }

    // The modified state is the history's distance from the file.
    // Text from other programs: whatever would break the file's one line per
    // field becomes one line, and the box says what was changed.
    void pastedTextIsOneLine_data() {
        Columns<QString, QString, QString>("pasted", "stored", "notice");
        const QString lineBreak = u"A line break was replaced by a space."_s;
        AddRow("Unix line break", u"one\ntwo"_s, u"one two"_s, lineBreak);
        AddRow("old Mac line break", u"one\rtwo"_s, u"one two"_s, lineBreak);
        AddRow("Windows line break", u"one\r\ntwo"_s, u"one two"_s, lineBreak);
        AddRow("tab", u"one\ttwo"_s, u"one two"_s, u"A tab was replaced by a space."_s);
        AddRow("control character", u"one\x01two"_s, u"onetwo"_s,
               u"A control character was removed."_s);
        // How the file's undefined Windows-1252 bytes come back: kept as they are.
        AddRow("C1 character", u"one\u0081two"_s, u"one\u0081two"_s, QString());
    }

    void pastedTextIsOneLine() {
        auto [pasted, stored, notice] =
            Fetch<QString, QString, QString>("pasted", "stored", "notice");
        GameSetDocument document;
        document.setQuestionText(First, pasted);
        document.setAnswer(First, pasted);
        QCOMPARE(document.record(First).QuestionText.trimmed(), stored);
        QCOMPARE(document.record(First).Answers[0].trimmed(), stored);
        QCOMPARE(OneLineNotice(pasted), notice);
    }

    void lifecycle() {
        GameSetDocument document;
        QVERIFY(!document.open(Example).failed());

        // An imported board has never been saved: no step makes it clean.
        GameSet imported = document.game();
        imported.CategoryNames[0].set(u"IMPORTED"_s);
        document.replace(imported, QString(), true);
        QVERIFY(document.isModified());
        QCOMPARE(document.undoStack().count(), 0);
        QVERIFY(document.fileName().isEmpty());

        // The next board's final question is a text question again: typed
        // text after a sound final question is saved as text, not as a sound.
        document.setKind(Final, MediaKind::Sound, u"C:\\bell.wav"_s);
        document.newSet();
        QVERIFY(!document.isModified());
        document.setQuestionText(Final, u"The capital of Peru."_s);
        const QStringList lines = FileLines(Saved(document));
        QCOMPARE(lines.mid(126), (QStringList{u"The capital of Peru."_s, u"^^^^"_s,
                                              u"T#Courier New#28#True#True#16777215#"_s}));
    }

    // Save's two random Daily Doubles, drawn half to even over the board.
    // Draws that keep hitting the first square give up; with one there, none is added.
    void dailyDoublesOnlyWhenNone() {
        GameSetDocument document;
        for (const float draw : {0.0f, 0.9f})
            document.ensureDailyDoubles([draw] { return draw; });
        QCOMPARE(FileLines(Saved(document)).count(u"Y"_s), 1);
        QCOMPARE(document.undoStack().count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
