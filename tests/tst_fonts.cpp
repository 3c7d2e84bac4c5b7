#include "editorharness.h"

#include "editor/colours.h"

#include <QTest>

namespace {

QString CurrentLook(EditorHarness& editor) {
    return editor.lookOf(editor.window->CurrentCategory, editor.window->CurrentQuestion);
}

// Selects a board question (category 1..6) or the final question (7) and
// shows it with the given look, as opening a file would.
void ShowWithLook(EditorHarness& editor, int category, int question, const QString& look) {
    editor.select(category, question);
    editor.setLook(category, question, look);
    editor.window->DisPlayQuestion();
    editor.state.DataChanged = false;
}

QColor PreviewColour(const EditorHarness& editor) {
    return editor.label(QStringLiteral("lblDisPlayQuestion"))
        ->palette()
        .color(QPalette::WindowText);
}

const QString Standard = QStringLiteral("Courier New/28/1/1/16777215");

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

    void font_data() {
        QTest::addColumn<int>("category"); // 7: the final question
        QTest::addColumn<QString>("before");
        QTest::addColumn<std::optional<FontChoice>>("chosen"); // nullopt: cancelled
        QTest::addColumn<QString>("after");
        using Choice = std::optional<FontChoice>;
        QTest::newRow("Arial bold, not italic")
            << 2 << Standard << Choice({"Arial", true, false}) << "Arial/28/1/0/16777215";
        QTest::newRow("empty face")
            << 2 << Standard << Choice({"", false, true}) << "Comic Sans MS/28/0/1/16777215";
        QTest::newRow("a single space as face")
            << 2 << Standard << Choice({" ", true, true}) << "Comic Sans MS/28/1/1/16777215";
        QTest::newRow("cancel keeps the look")
            << 3 << "Arial/28/0/0/65280" << Choice() << "Arial/28/0/0/65280";
        QTest::newRow("cancel still stores size 28")
            << 3 << "Arial/36/0/0/65280" << Choice() << "Arial/28/0/0/65280";
        QTest::newRow("final question")
            << 7 << Standard << Choice({"Times New Roman", false, false})
            << "Times New Roman/28/0/0/16777215";
    }

    void font() {
        QFETCH(int, category);
        QFETCH(QString, before);
        QFETCH(std::optional<FontChoice>, chosen);
        QFETCH(QString, after);
        EditorHarness editor;
        ShowWithLook(editor, category, 2, before);
        QLabel* choiceA = editor.label(QStringLiteral("lblFirstAnswer"));
        QFont choiceFont = choiceA->font();
        choiceFont.setBold(false);
        choiceA->setFont(choiceFont);
        QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
        const int previewSize = preview->font().pointSize();
        editor.services.setNextFont(chosen);

        editor.click(QStringLiteral("btnFont"));

        const QStringList look = after.split(QLatin1Char('/'));
        QCOMPARE(editor.services.lastFontInitial.faceName, before.section(QLatin1Char('/'), 0, 0));
        QCOMPARE(CurrentLook(editor), after);
        QCOMPARE(preview->font().family(), look[0]);
        QCOMPARE(preview->font().bold(), look[2] == QLatin1String("1"));
        QCOMPARE(preview->font().italic(), look[3] == QLatin1String("1"));
        QCOMPARE(preview->font().pointSize(), previewSize);
        // The choice labels take the face only.
        QCOMPARE(choiceA->font().family(), look[0]);
        QVERIFY(!choiceA->font().bold());
        QCOMPARE(editor.state.DataChanged, before != after);
    }

    void fontColour_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<std::optional<QColor>>("chosen");
        QTest::addColumn<QString>("stored");
        using Colour = std::optional<QColor>;
        QTest::newRow("red") << 1 << Colour(QColor(255, 0, 0)) << "255";
        QTest::newRow("a mix") << 4 << Colour(QColor(0x12, 0x34, 0x56)) << "5649426";
        QTest::newRow("the same white") << 1 << Colour(QColor(Qt::white)) << "16777215";
        QTest::newRow("cancel") << 1 << Colour() << "16777215";
        QTest::newRow("final question, red") << 7 << Colour(QColor(255, 0, 0)) << "255";
    }

    void fontColour() {
        QFETCH(int, category);
        QFETCH(std::optional<QColor>, chosen);
        QFETCH(QString, stored);
        EditorHarness editor;
        ShowWithLook(editor, category, 4, Standard);
        QLabel* choiceA = editor.label(QStringLiteral("lblFirstAnswer"));
        const QColor choiceColour = choiceA->palette().color(QPalette::WindowText);
        editor.services.setNextColor(chosen);

        editor.click(QStringLiteral("btnFontColor"));

        QCOMPARE(editor.services.lastColorInitial, QColor(Qt::white));
        QCOMPARE(CurrentLook(editor), QStringLiteral("Courier New/28/1/1/") + stored);
        QCOMPARE(PreviewColour(editor), chosen.value_or(QColor(Qt::white)));
        QCOMPARE(choiceA->palette().color(QPalette::WindowText), choiceColour);
        QCOMPARE(editor.state.DataChanged, stored != QLatin1String("16777215"));
    }

    void standardLook_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("before");
        QTest::newRow("green Arial") << 5 << "Arial/36/0/0/65280";
        QTest::newRow("already standard") << 5 << Standard;
        QTest::newRow("final question, green Arial") << 7 << "Arial/28/0/1/65280";
    }

    void standardLook() {
        QFETCH(int, category);
        QFETCH(QString, before);
        EditorHarness editor;
        ShowWithLook(editor, category, 1, before);
        QLabel* preview = editor.label(QStringLiteral("lblDisPlayQuestion"));
        const int previewSize = preview->font().pointSize();
        const QString choiceFace = editor.label(QStringLiteral("lblFirstAnswer"))->font().family();

        editor.click(QStringLiteral("btnDefault"));

        QCOMPARE(CurrentLook(editor), Standard);
        QCOMPARE(preview->font().family(), QStringLiteral("Courier New"));
        QVERIFY(preview->font().bold() && preview->font().italic());
        QCOMPARE(preview->font().pointSize(), previewSize);
        QCOMPARE(PreviewColour(editor), QColor(Qt::white));
        QCOMPARE(editor.label(QStringLiteral("lblFirstAnswer"))->font().family(), choiceFace);
        QCOMPARE(editor.state.DataChanged, before != Standard);
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
        const QString times = QStringLiteral("Times New Roman/28/0/1/255");
        const QString other = QStringLiteral("Arial/40/1/0/65280");
        GameSet& game = editor.state.game;
        // Every board question is the target kind under test, except the source.
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question) {
                editor.record(category, question).QuestionType = type;
                editor.record(category, question).QuestionText.set(text);
                editor.setLook(category, question, other);
            }
        }
        game.FinalQuestionType = QStringLiteral("T");
        ShowWithLook(editor, 3, 2, times);
        game.question(3, 2).QuestionType = QStringLiteral("T");
        const QString finalLook = editor.lookOf(7);

        editor.click(QStringLiteral("btnCopy"));

        const bool copied = typeAfter != QLatin1String("-");
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question) {
                const bool source = category == 3 && question == 2;
                const QString where = QStringLiteral(" at %1/%2").arg(category).arg(question);
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

    void copyFromFinalQuestion() {
        EditorHarness editor;
        for (auto& category : editor.state.game.Categories) {
            for (QuestionRecord& record : category)
                record.QuestionType = QStringLiteral("T");
        }
        ShowWithLook(editor, 7, 1, QStringLiteral("Times New Roman/28/0/0/255"));
        const GameSet before = editor.state.game;
        // The button is hidden for the final question; the command is still safe.
        editor.window->btnCopy_Click();
        QVERIFY(editor.state.game == before);
        QVERIFY(!editor.state.DataChanged);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
