// The document without a window: edit sequences against saved bytes, undo and redo.
#include "testdata.h"

#include "document/gamesetdocument.h"

#include <QSignalSpy>
#include <QTemporaryDir>
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
        row("choices take the right letter's answer", 1, {{3, u"b^a^b^c^d"_s}}, [](auto& d) {
            d.setChoices(First, {u"a"_s, u" b "_s, u"c"_s, u"d"_s}, 1);
        });
        row("single choice keeps the answer", 2, {{LineOf({4, 2}, 1), u"d^^^^"_s}}, [](auto& d) {
            d.setChoices({4, 2}, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}, 3);
            d.clearChoices({4, 2});
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
        row("sound, then picture: the sound goes", 2,
            {{2, u"C:\\Pics\\b.jpg"_s}, {3, u"^^^^"_s}, {5, u"P"_s}}, [](auto& d) {
                d.setKind(First, MediaKind::Sound, u"C:\\Clips\\a.wav"_s);
                d.setKind(First, MediaKind::Picture, u"C:\\Pics\\b.jpg"_s);
            });
        row("sound keeps its choices and takes a typed text", 3,
            {{LineOf({5, 5}, 0), u"C:\\Clips\\a.wav"_s},
             {LineOf({5, 5}, 1), u"^a^b^c^d"_s},
             {LineOf({5, 5}, 3), u"SName it"_s}},
            [](auto& d) {
                d.setChoices({5, 5}, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}, 0);
                d.setKind({5, 5}, MediaKind::Sound, u"C:\\Clips\\a.wav"_s);
                d.setQuestionText({5, 5}, u"Name it"_s);
            });
        row("video, then text clears the path and the mark", 3,
            {{LineOf({3, 4}, 0), QString()},
             {LineOf({3, 4}, 2), u"N"_s},
             {LineOf({3, 4}, 3), TextType}},
            [](auto& d) {
                d.setDailyDouble({3, 4}, true);
                d.setKind({3, 4}, MediaKind::Video, u"C:\\v.mp4"_s);
                d.setKind({3, 4}, MediaKind::None);
            });
        row("final: sound, text, typing saves a text question", 3,
            {{127, u"Typed"_s}, {128, u"^^^^"_s}, {129, TextType}}, [](auto& d) {
                d.setKind(Final, MediaKind::Sound, u"C:\\a.wav"_s);
                d.setKind(Final, MediaKind::None);
                d.setQuestionText(Final, u"Typed"_s);
            });
        row("final look keeps its size a whole number", 1, {{129, u"T#Arial#36#False#True#255#"_s}},
            [](auto& d) {
                d.setLook(Final, u"Font"_s, u"Arial"_s, u"36"_s, false, true, u"255"_s);
            });
        row("copy look reaches every text question, not the final", 2,
            {{LineOf({1, 1}, 3), u"T#Arial#28#True#False#65535#"_s},
             {LineOf({6, 5}, 3), u"T#Arial#28#True#False#65535#"_s},
             {129, TextType}},
            [](auto& d) {
                d.setLook({2, 1}, u"Font"_s, u"Arial"_s, u"28"_s, true, false, std::nullopt);
                d.copyLookToBoard({2, 1});
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

    // Keystrokes in one box are one step until the author moves on.
    void typingMerges() {
        GameSetDocument document;
        document.setQuestionText(First, u"C"_s);
        document.setQuestionText(First, u"Ca"_s);
        document.setQuestionText(First, u"Cap"_s);
        QCOMPARE(document.undoStack().count(), 1);
        QCOMPARE(document.undoStack().undoText(), u"Typing in Question"_s);
        document.setAnswer(First, u"x"_s);        // another box
        document.setQuestionText({1, 2}, u"y"_s); // another square
        document.endTyping();
        document.setQuestionText({1, 2}, u"yz"_s);
        QCOMPARE(document.undoStack().count(), 4);
        document.undoStack().undo();
        QCOMPARE(document.record({1, 2}).QuestionText.trimmed(), u"y"_s);
        document.undoStack().undo();
        document.undoStack().undo();
        QCOMPARE(document.record(First).QuestionText.trimmed(), u"Cap"_s);
    }

    // The modified state is the history's distance from the file.
    void lifecycle() {
        QTemporaryDir folder;
        GameSetDocument document;
        QVERIFY(!document.open(Example).failed());
        document.setAnswer(First, u"changed"_s);

        // A file that cannot be read leaves the set and its changes.
        QCOMPARE(document.open(folder.filePath(u"missing.txt"_s)).number,
                 ErrorNumber::FileNotFound);
        QCOMPARE(document.open(folder.path()).number, ErrorNumber::PathFileAccess);
        QVERIFY(document.isModified());
        QCOMPARE(document.fileName(), Example);

        // A failed save keeps the old name and the changes.
        QCOMPARE(document.save(folder.filePath(u"no/such/folder.txt"_s)).number,
                 ErrorNumber::PathNotFound);
        QVERIFY(document.isModified());

        // An imported board has never been saved: no step makes it clean.
        GameSet imported = document.game();
        imported.CategoryNames[0].set(u"IMPORTED"_s);
        document.replace(imported, QString(), true);
        QVERIFY(document.isModified());
        QCOMPARE(document.undoStack().count(), 0);
        QVERIFY(document.fileName().isEmpty());

        // New keeps the final question's type, as a reset does.
        document.setKind(Final, MediaKind::Video, u"C:\\v.mp4"_s);
        document.newSet();
        QVERIFY(!document.isModified());
        QCOMPARE(document.record(Final).QuestionType, u"V"_s);
        QCOMPARE(FileLines(Saved(document)).at(128), u"V"_s);
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
