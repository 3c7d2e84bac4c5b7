#include "editorharness.h"

#include "editor/colours.h"

#include <QTest>

namespace {

const QString GuardMessage =
    QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!");

struct Look {
    QString name;
    QString size;
    bool bold;
    bool italic;
    QString colour;
};

Look RecordLook(const QuestionRecord& record) {
    return {record.FontName, record.FontSize, record.FontBold, record.FontItalic, record.FontColor};
}

Look FinalLook(const GameSet& game) {
    return {game.FinalFontName, QString::number(game.FinalFontSize), game.FinalFontBold,
            game.FinalFontItalic, game.FinalFontColor};
}

QString Describe(const Look& look) {
    return QStringLiteral("%1/%2/%3/%4/%5")
        .arg(look.name, look.size, look.bold ? QStringLiteral("True") : QStringLiteral("False"),
             look.italic ? QStringLiteral("True") : QStringLiteral("False"), look.colour);
}

void SetLook(QuestionRecord& record, const Look& look) {
    record.FontName = look.name;
    record.FontSize = look.size;
    record.FontBold = look.bold;
    record.FontItalic = look.italic;
    record.FontColor = look.colour;
}

// Selects a board question (1..6, 1..5) or the final question (7) and
// shows it with the given look, as opening a file would.
void ShowWithLook(EditorHarness& editor, int category, int question, const Look& look) {
    if (category == 7) {
        editor.click(QStringLiteral("picFinalQuestion"));
        GameSet& game = editor.state.game;
        game.FinalQuestionText.set(QStringLiteral("Final words"));
        game.FinalFontName = look.name;
        game.FinalFontSize = static_cast<qint16>(look.size.toShort());
        game.FinalFontBold = look.bold;
        game.FinalFontItalic = look.italic;
        game.FinalFontColor = look.colour;
    } else {
        editor.click(QStringLiteral("lblCategory_%1").arg(category - 1));
        editor.click(QStringLiteral("btnQuestion_%1").arg(question - 1));
        QuestionRecord& record = editor.state.game.question(category, question);
        record.QuestionText.set(QStringLiteral("Shown words"));
        SetLook(record, look);
    }
    editor.window->DisPlayQuestion();
    editor.state.DataChanged = false;
}

Look CurrentLook(EditorHarness& editor) {
    if (editor.window->IsFinalQuestion())
        return FinalLook(editor.state.game);
    return RecordLook(*editor.window->CurrentBoardRecord());
}

QColor PreviewColour(const EditorHarness& editor) {
    return editor.label(QStringLiteral("lblDisPlayQuestion"))
        ->palette()
        .color(QPalette::WindowText);
}

const Look Standard{"Courier New", "28", true, true, "16777215"};

} // namespace

Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(FontChoice)

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void colourText_data();
    void colourText();
    void font_data();
    void font();
    void fontColour_data();
    void fontColour();
    void standardLook_data();
    void standardLook();
    void copy_data();
    void copy();
    void copyFromFinalQuestion();
    void guard_data();
    void guard();
};

void TestFonts::colourText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("red") << "255" << true << QColor(255, 0, 0);
    QTest::newRow("green") << "65280" << true << QColor(0, 255, 0);
    QTest::newRow("blue") << "16711680" << true << QColor(0, 0, 255);
    QTest::newRow("white") << "16777215" << true << QColor(255, 255, 255);
    QTest::newRow("black") << "0" << true << QColor(0, 0, 0);
    QTest::newRow("spaces around") << " 255 " << true << QColor(255, 0, 0);
    QTest::newRow("empty") << "" << false << QColor();
    QTest::newRow("not a number") << "red" << false << QColor();
    QTest::newRow("number and more") << "255red" << false << QColor();
    QTest::newRow("negative") << "-1" << false << QColor();
    QTest::newRow("above white") << "16777216" << false << QColor();
}

void TestFonts::colourText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, colour);

    const std::optional<QColor> read = ColorFromText(text);
    QCOMPARE(read.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(*read, colour);
    QCOMPARE(ColorToText(colour), QString::number(TrimSpaces(text).toUInt()));
}

void TestFonts::font_data() {
    QTest::addColumn<int>("category"); // 7: the final question
    QTest::addColumn<Look>("before");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<FontChoice>("chosen");
    QTest::addColumn<Look>("after");
    QTest::addColumn<bool>("changed");

    const Look green{"Arial", "28", false, false, "65280"};
    QTest::newRow("Arial bold, not italic")
        << 2 << Standard << false << FontChoice{"Arial", true, false}
        << Look{"Arial", "28", true, false, "16777215"} << true;
    QTest::newRow("empty face") << 2 << Standard << false << FontChoice{"", false, true}
                                << Look{"Comic Sans MS", "28", false, true, "16777215"} << true;
    QTest::newRow("a single space as face")
        << 2 << Standard << false << FontChoice{" ", true, true}
        << Look{"Comic Sans MS", "28", true, true, "16777215"} << true;
    QTest::newRow("cancel keeps the look") << 3 << green << true << FontChoice{} << green << false;
    QTest::newRow("cancel still stores size 28")
        << 3 << Look{"Arial", "36", false, false, "65280"} << true << FontChoice{} << green << true;
    QTest::newRow("final question")
        << 7 << Standard << false << FontChoice{"Times New Roman", false, false}
        << Look{"Times New Roman", "28", false, false, "16777215"} << true;
}

void TestFonts::font() {
    QFETCH(int, category);
    QFETCH(Look, before);
    QFETCH(bool, cancelled);
    QFETCH(FontChoice, chosen);
    QFETCH(Look, after);
    QFETCH(bool, changed);

    EditorHarness editor;
    ShowWithLook(editor, category, 2, before);
    QLabel* choiceA = editor.label(QStringLiteral("lblFirstAnswer"));
    QFont choiceFont = choiceA->font();
    choiceFont.setBold(false);
    choiceFont.setItalic(true);
    choiceA->setFont(choiceFont);
    const int previewSize = editor.label(QStringLiteral("lblDisPlayQuestion"))->font().pointSize();
    if (cancelled)
        editor.services.setNextFont(std::nullopt);
    else
        editor.services.setNextFont(chosen);

    editor.click(QStringLiteral("btnFont"));

    QCOMPARE(editor.services.lastFontInitial.faceName, before.name);
    QCOMPARE(editor.services.lastFontInitial.bold, before.bold);
    QCOMPARE(editor.services.lastFontInitial.italic, before.italic);
    QCOMPARE(Describe(CurrentLook(editor)), Describe(after));
    const QFont preview = editor.label(QStringLiteral("lblDisPlayQuestion"))->font();
    QCOMPARE(preview.family(), after.name);
    QCOMPARE(preview.bold(), after.bold);
    QCOMPARE(preview.italic(), after.italic);
    QCOMPARE(preview.pointSize(), previewSize);
    // The choice labels take the face only.
    QCOMPARE(choiceA->font().family(), after.name);
    QVERIFY(!choiceA->font().bold());
    QVERIFY(choiceA->font().italic());
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestFonts::fontColour_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<std::optional<QColor>>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("changed");

    QTest::newRow("red") << 1 << std::optional<QColor>(QColor(255, 0, 0)) << "255" << true;
    QTest::newRow("a mix") << 4 << std::optional<QColor>(QColor(0x12, 0x34, 0x56)) << "5649426"
                           << true;
    QTest::newRow("the same white")
        << 1 << std::optional<QColor>(QColor(Qt::white)) << "16777215" << false;
    QTest::newRow("cancel") << 1 << std::optional<QColor>() << "16777215" << false;
    QTest::newRow("final question, red")
        << 7 << std::optional<QColor>(QColor(255, 0, 0)) << "255" << true;
}

void TestFonts::fontColour() {
    QFETCH(int, category);
    QFETCH(std::optional<QColor>, chosen);
    QFETCH(QString, stored);
    QFETCH(bool, changed);

    EditorHarness editor;
    ShowWithLook(editor, category, 4, Standard);
    QCOMPARE(PreviewColour(editor), QColor(Qt::white));
    const QColor choiceColour =
        editor.label(QStringLiteral("lblFirstAnswer"))->palette().color(QPalette::WindowText);
    editor.services.setNextColor(chosen);

    editor.click(QStringLiteral("btnFontColor"));

    QCOMPARE(editor.services.lastColorInitial, QColor(Qt::white));
    QCOMPARE(CurrentLook(editor).colour, stored);
    QCOMPARE(PreviewColour(editor), chosen.value_or(QColor(Qt::white)));
    QCOMPARE(editor.label(QStringLiteral("lblFirstAnswer"))->palette().color(QPalette::WindowText),
             choiceColour);
    QCOMPARE(CurrentLook(editor).size, QStringLiteral("28"));
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestFonts::standardLook_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<Look>("before");
    QTest::addColumn<bool>("changed");

    QTest::newRow("green Arial") << 5 << Look{"Arial", "36", false, false, "65280"} << true;
    QTest::newRow("already standard") << 5 << Standard << false;
    QTest::newRow("final question, green Arial")
        << 7 << Look{"Arial", "28", false, true, "65280"} << true;
}

void TestFonts::standardLook() {
    QFETCH(int, category);
    QFETCH(Look, before);
    QFETCH(bool, changed);

    EditorHarness editor;
    ShowWithLook(editor, category, 1, before);
    QCOMPARE(PreviewColour(editor), *ColorFromText(before.colour));
    const int previewSize = editor.label(QStringLiteral("lblDisPlayQuestion"))->font().pointSize();
    const QString choiceFace = editor.label(QStringLiteral("lblFirstAnswer"))->font().family();

    editor.click(QStringLiteral("btnDefault"));

    QCOMPARE(Describe(CurrentLook(editor)), Describe(Standard));
    const QFont preview = editor.label(QStringLiteral("lblDisPlayQuestion"))->font();
    QCOMPARE(preview.family(), QStringLiteral("Courier New"));
    QVERIFY(preview.bold());
    QVERIFY(preview.italic());
    QCOMPARE(preview.pointSize(), previewSize);
    QCOMPARE(PreviewColour(editor), QColor(Qt::white));
    QCOMPARE(editor.label(QStringLiteral("lblFirstAnswer"))->font().family(), choiceFace);
    QCOMPARE(editor.state.DataChanged, changed);
}

void TestFonts::copy_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<QString>("typeAfter");

    QTest::newRow("text question") << "T"
                                   << "Some text" << true << "T";
    QTest::newRow("text question without text") << "T"
                                                << "" << true << "T";
    QTest::newRow("untyped with text") << ""
                                       << "Some text" << true << "T";
    QTest::newRow("untyped without text") << ""
                                          << "" << false << "";
    QTest::newRow("untyped, spaces only") << ""
                                          << "   " << false << "";
    QTest::newRow("picture") << "P"
                             << "C:\\Pics\\a.jpg" << false << "P";
    QTest::newRow("sound") << "S"
                           << "Listen" << false << "S";
    QTest::newRow("video") << "V"
                           << "C:\\Clips\\a.avi" << false << "V";
    QTest::newRow("lower-case t") << "t"
                                  << "Some text" << false << "t";
}

void TestFonts::copy() {
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(bool, copied);
    QFETCH(QString, typeAfter);

    EditorHarness editor;
    const Look times{"Times New Roman", "28", false, true, "255"};
    const Look other{"Arial", "40", true, false, "65280"};
    GameSet& game = editor.state.game;
    // Every board question is the target kind under test, except the source.
    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category) {
            record.QuestionType = type;
            record.QuestionText.set(text);
            SetLook(record, other);
        }
    }
    game.FinalQuestionType = QStringLiteral("T");
    game.FinalFontName = other.name;
    game.FinalFontColor = other.colour;
    ShowWithLook(editor, 3, 2, times);
    game.question(3, 2).QuestionType = QStringLiteral("T");

    editor.click(QStringLiteral("btnCopy"));

    const Look expected = copied ? times : other;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            if (category == 3 && question == 2)
                continue;
            const QuestionRecord& record = game.question(category, question);
            const QString where = QStringLiteral("%1/%2").arg(category).arg(question);
            QCOMPARE(Describe(RecordLook(record)) + where, Describe(expected) + where);
            QCOMPARE(record.QuestionType + where, typeAfter + where);
        }
    }
    QCOMPARE(Describe(RecordLook(game.question(3, 2))), Describe(times));
    QCOMPARE(game.FinalFontName, other.name);
    QCOMPARE(game.FinalFontColor, other.colour);
    QCOMPARE(editor.state.DataChanged, copied);
}

void TestFonts::copyFromFinalQuestion() {
    EditorHarness editor;
    GameSet& game = editor.state.game;
    const Look other{"Arial", "40", true, false, "65280"};
    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category) {
            record.QuestionType = QStringLiteral("T");
            SetLook(record, other);
        }
    }
    ShowWithLook(editor, 7, 1, Look{"Times New Roman", "28", false, false, "255"});
    const GameSet before = game;
    // The button is hidden for the final question; the command is still safe.
    editor.window->btnCopy_Click();

    QVERIFY(game == before);
    QVERIFY(!editor.state.DataChanged);
}

void TestFonts::guard_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Font") << "btnFont";
    QTest::newRow("Font Color") << "btnFontColor";
    QTest::newRow("Default") << "btnDefault";
    QTest::newRow("Copy") << "btnCopy";
}

void TestFonts::guard() {
    QFETCH(QString, button);
    EditorHarness editor;
    ShowWithLook(editor, 1, 1, Look{"Arial", "28", false, false, "255"});
    editor.click(QStringLiteral("btnMultipleChoice"));
    const GameSet before = editor.state.game;
    editor.services.clearRecords();
    editor.services.setNextFont(FontChoice{"Arial", true, true});
    editor.services.setNextColor(QColor(Qt::blue));

    editor.window->findChild<QAbstractButton*>(button)->click();

    QCOMPARE(editor.services.messageTexts(), QStringList{GuardMessage});
    QVERIFY(editor.services.chooserCalls.isEmpty());
    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
