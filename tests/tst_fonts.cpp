#include "editorharness.h"

#include "editor/colours.h"

#include <QTest>

namespace {

// Selects a board question (category 1..6) or the final question (7) and
// shows it with the given look, as opening a file would.
void ShowWithLook(EditorHarness& editor, int category, int question, const QString& look) {
    editor.select(category, question);
    editor.setLook(category, question, look);
    editor.window->DisPlayQuestion();
    editor.state.DataChanged = false;
}

const QString Standard = u"Courier New/28/1/1/16777215"_s;

// A font button clicked on a question shown with a look, what the chooser
// gives back (nullopt: cancelled), and the look stored after.
struct LookRow {
    QString button;
    int category; // 7: the final question
    QString before;
    std::optional<FontChoice> font;
    std::optional<QColor> colour;
    QString after;
};

} // namespace

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void colourText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour"); // invalid: not a colour
        QTest::newRow("red") << "255" << QColor(255, 0, 0);
        QTest::newRow("blue") << "16711680" << QColor(0, 0, 255);
        QTest::newRow("white") << "16777215" << QColor(255, 255, 255);
        QTest::newRow("spaces around") << " 65280 " << QColor(0, 255, 0);
        QTest::newRow("empty") << "" << QColor();
        QTest::newRow("number and more") << "255red" << QColor();
        QTest::newRow("negative") << "-1" << QColor();
        QTest::newRow("above white") << "16777216" << QColor();
    }

    void colourText() {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(ColorFromText(text).value_or(QColor()), colour);
        if (colour.isValid())
            QCOMPARE(ColorToText(colour), TrimSpaces(text));
    }

    void lookButtons_data() {
        QTest::addColumn<LookRow>("row");
        const QString arial = u"Arial/28/0/0/65280"_s;
        const auto row = [](const char* name, const char* button, int category,
                            const QString& before, std::optional<FontChoice> font,
                            std::optional<QColor> colour, const QString& after) {
            QTest::newRow(name) << LookRow{button, category, before, font, colour, after};
        };
        row("font: Arial bold, not italic", "btnFont", 2, Standard,
            FontChoice{"Arial", true, false}, std::nullopt, "Arial/28/1/0/16777215");
        row("font: empty face", "btnFont", 2, Standard, FontChoice{"", false, true}, std::nullopt,
            "Comic Sans MS/28/0/1/16777215");
        row("font: a single space as face", "btnFont", 2, Standard, FontChoice{" ", true, true},
            std::nullopt, "Comic Sans MS/28/1/1/16777215");
        row("font: cancel keeps the look", "btnFont", 3, arial, std::nullopt, std::nullopt, arial);
        row("font: cancel still stores size 28", "btnFont", 3, "Arial/36/0/0/65280", std::nullopt,
            std::nullopt, arial);
        row("font: final question", "btnFont", 7, Standard,
            FontChoice{"Times New Roman", false, false}, std::nullopt,
            "Times New Roman/28/0/0/16777215");
        row("colour: a mix", "btnFontColor", 4, Standard, std::nullopt, QColor(0x12, 0x34, 0x56),
            "Courier New/28/1/1/5649426");
        row("colour: the same white", "btnFontColor", 1, Standard, std::nullopt, QColor(Qt::white),
            Standard);
        row("colour: cancel", "btnFontColor", 1, Standard, std::nullopt, std::nullopt, Standard);
        row("colour: keeps the size", "btnFontColor", 1, "Arial/36/0/0/65280", std::nullopt,
            QColor(255, 0, 0), "Arial/36/0/0/255");
        row("colour: final question", "btnFontColor", 7, Standard, std::nullopt, QColor(255, 0, 0),
            "Courier New/28/1/1/255");
        row("default: green Arial", "btnDefault", 5, "Arial/36/0/0/65280", std::nullopt,
            std::nullopt, Standard);
        row("default: already standard", "btnDefault", 5, Standard, std::nullopt, std::nullopt,
            Standard);
        row("default: final question", "btnDefault", 7, "Arial/28/0/1/65280", std::nullopt,
            std::nullopt, Standard);
    }

    void lookButtons() {
        QFETCH(LookRow, row);
        EditorHarness editor;
        ShowWithLook(editor, row.category, 2, row.before);
        QLabel* choiceA = editor.label(u"lblFirstAnswer"_s);
        QFont choiceFont = choiceA->font();
        choiceFont.setBold(false);
        choiceA->setFont(choiceFont);
        const QColor choiceColour = choiceA->palette().color(QPalette::WindowText);
        QLabel* preview = editor.label(u"lblDisPlayQuestion"_s);
        const int previewSize = preview->font().pointSize();
        const QStringList before = row.before.split('/'_L1);
        const bool fontButton = row.button == "btnFont"_L1;
        editor.services.setNextFont(row.font);
        editor.services.setNextColor(row.colour);

        editor.click(row.button);

        QCOMPARE(editor.lookOf(row.category, 2), row.after);
        QCOMPARE(editor.state.DataChanged, row.before != row.after);
        // The preview shows the stored look at the size it had.
        const QStringList look = row.after.split('/'_L1);
        QCOMPARE(preview->font().family(), look[0]);
        QCOMPARE(preview->font().bold(), look[2] == "1"_L1);
        QCOMPARE(preview->font().italic(), look[3] == "1"_L1);
        QCOMPARE(preview->palette().color(QPalette::WindowText), *ColorFromText(look[4]));
        QCOMPARE(preview->font().pointSize(), previewSize);
        // The choice labels take the chosen face only, and no colour.
        QCOMPARE(choiceA->font().family(), fontButton ? look[0] : before[0]);
        QVERIFY(!choiceA->font().bold());
        QCOMPARE(choiceA->palette().color(QPalette::WindowText), choiceColour);
        // The choosers start from the look shown.
        if (fontButton)
            QCOMPARE(editor.services.lastFontInitial.faceName, before[0]);
        else if (row.button == "btnFontColor"_L1)
            QCOMPARE(editor.services.lastColorInitial, *ColorFromText(before[4]));
    }

    void copy_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typeAfter"); // "-": not copied, type kept
        const auto row = [](const char* name, const char* type, const char* text,
                            const char* after) {
            QTest::newRow(name) << QString::fromLatin1(type) << QString::fromLatin1(text)
                                << QString::fromLatin1(after);
        };
        row("text question", "T", "Some text", "T");
        row("text question without text", "T", "", "T");
        row("untyped with text", "", "Some text", "T");
        row("untyped without text", "", "", "-");
        row("untyped, spaces only", "", "   ", "-");
        row("picture", "P", "C:\\Pics\\a.jpg", "-");
        row("sound", "S", "Listen", "-");
        row("video", "V", "C:\\Clips\\a.avi", "-");
        row("lower-case t", "t", "Some text", "-");
    }

    void copy() {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(QString, typeAfter);
        EditorHarness editor;
        const QString times = u"Times New Roman/28/0/1/255"_s;
        const QString other = u"Arial/40/1/0/65280"_s;
        GameSet& game = editor.state.game;
        // Every board question is the target kind under test, except the source.
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question) {
                editor.record(category, question).QuestionType = type;
                editor.record(category, question).QuestionText.set(text);
                editor.setLook(category, question, other);
            }
        }
        game.FinalQuestionType = u"T"_s;
        ShowWithLook(editor, 3, 2, times);
        game.question(3, 2).QuestionType = u"T"_s;
        const QString finalLook = editor.lookOf(7);

        editor.click(u"btnCopy"_s);

        const bool copied = typeAfter != "-"_L1;
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question) {
                const bool source = category == 3 && question == 2;
                const QString where = u" at %1/%2"_s.arg(category).arg(question);
                QCOMPARE(editor.lookOf(category, question) + where,
                         (copied || source ? times : other) + where);
                if (!source)
                    QCOMPARE(editor.record(category, question).QuestionType + where,
                             (copied ? typeAfter : type) + where);
            }
        }
        QCOMPARE(editor.lookOf(7), finalLook);
        QCOMPARE(editor.state.DataChanged, copied);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
