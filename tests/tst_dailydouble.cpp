#include "editorharness.h"

#include <QCheckBox>
#include <QTest>

using Square = QPair<int, int>; // category 1..6, question 1..5
using Marks = QList<QPair<Square, QString>>;
using Draws = QList<float>;

namespace {

// Every square whose mark is exactly "Y".
QList<Square> MarkedSquares(const GameSet& game) {
    QList<Square> marked;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            if (game.question(category, question).DailyDouble == QLatin1String("Y"))
                marked.append({category, question});
        }
    }
    return marked;
}

} // namespace

class TestDailyDouble : public QObject {
    Q_OBJECT

private slots:
    void squareToggles();
    void toggleOtherSquareKeepsSelection();
    void checkBoxMarksSelectedQuestion_data();
    void checkBoxMarksSelectedQuestion();
    void ensureDailyDoubles_data();
    void ensureDailyDoubles();
    void placementRepaintsTheMap();
    void clearMap();
};

void TestDailyDouble::squareToggles() {
    EditorHarness editor;
    QCOMPARE(SquareColour(editor, 4, 2), 0u);
    editor.click(QStringLiteral("lblCat4_2"));
    QCOMPARE(SquareColour(editor, 4, 2), 255u);
    QCOMPARE(editor.state.game.question(4, 3).DailyDouble, QStringLiteral("Y"));
    QVERIFY(editor.state.DataChanged);

    editor.state.DataChanged = false;
    editor.click(QStringLiteral("lblCat4_2"));
    QCOMPARE(SquareColour(editor, 4, 2), 0u);
    QCOMPARE(editor.state.game.question(4, 3).DailyDouble, QStringLiteral("N"));
    QVERIFY(editor.state.DataChanged);
    QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{});
}

void TestDailyDouble::toggleOtherSquareKeepsSelection() {
    EditorHarness editor;
    editor.click(QStringLiteral("lblCategory_1"));
    editor.click(QStringLiteral("btnQuestion_2"));
    QCheckBox* box = editor.checkBox(QStringLiteral("chkDailyDouble"));
    QVERIFY(!box->isChecked());

    editor.click(QStringLiteral("lblCat5_0"));
    QCOMPARE(editor.selection(), Square(2, 3));
    QVERIFY(!box->isChecked());
    QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{Square(5, 1)});

    // The selected question's own square ticks the box.
    editor.click(QStringLiteral("lblCat2_2"));
    QVERIFY(box->isChecked());
    QCOMPARE(MarkedSquares(editor.state.game), QList<Square>({Square(2, 3), Square(5, 1)}));
    editor.click(QStringLiteral("lblCat2_2"));
    QVERIFY(!box->isChecked());
}

void TestDailyDouble::checkBoxMarksSelectedQuestion_data() {
    QTest::addColumn<bool>("final");
    QTest::newRow("board question") << false;
    QTest::newRow("final question") << true;
}

void TestDailyDouble::checkBoxMarksSelectedQuestion() {
    QFETCH(bool, final);
    EditorHarness editor;
    editor.click(QStringLiteral("btnQuestion_4"));
    if (final) {
        // A picture final question keeps the box on screen.
        editor.state.game.FinalQuestionText.set(QStringLiteral("C:\\Pics\\last.jpg"));
        editor.click(QStringLiteral("picFinalQuestion"));
    }
    const GameSet before = editor.state.game;
    editor.state.DataChanged = false;
    QCheckBox* box = editor.checkBox(QStringLiteral("chkDailyDouble"));
    box->setChecked(true);
    QVERIFY(editor.state.DataChanged);
    if (final) {
        QVERIFY(editor.state.game == before);
        QCOMPARE(SquareColour(editor, 1, 4), 0u);
    } else {
        QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{Square(1, 5)});
        QCOMPARE(SquareColour(editor, 1, 4), 255u);
        box->setChecked(false);
        QCOMPARE(editor.state.game.question(1, 5).DailyDouble, QStringLiteral("N"));
        QCOMPARE(SquareColour(editor, 1, 4), 0u);
    }
}

void TestDailyDouble::ensureDailyDoubles_data() {
    QTest::addColumn<Marks>("marks");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QList<Square>>("marked");
    QTest::addColumn<int>("drawsUsed");

    QTest::newRow("none: two squares drawn")
        << Marks{} << Draws{0.0f, 0.0f, 0.99f, 0.99f} << QList<Square>({{1, 1}, {6, 5}}) << 4;
    QTest::newRow("halves go to the even neighbour")
        << Marks{} << Draws{0.5f, 0.625f, 0.7f, 0.875f} << QList<Square>({{3, 3}, {5, 5}}) << 4;
    QTest::newRow("a taken square is drawn again")
        << Marks{} << Draws{0.2f, 0.25f, 0.2f, 0.25f, 0.6f, 0.5f} << QList<Square>({{2, 2}, {4, 3}})
        << 6;
    QTest::newRow("one existing Daily Double is kept alone")
        << Marks{{{3, 4}, "Y"}} << Draws{0.5f, 0.5f} << QList<Square>{{3, 4}} << 0;
    QTest::newRow("lower-case y does not count but is taken")
        << Marks{{{1, 1}, "y"}} << Draws{0.9f, 0.9f, 0.0f, 0.0f, 0.3f, 0.1f}
        << QList<Square>({{3, 1}, {5, 5}}) << 6;
    QTest::newRow("empty flag is free") << Marks{{{2, 2}, ""}} << Draws{0.0f, 0.0f, 0.2f, 0.25f}
                                        << QList<Square>({{1, 1}, {2, 2}}) << 4;
    // All thirty tries land on the first square: the board keeps one.
    Draws same(62, 0.0f);
    QTest::newRow("thirty misses keep one") << Marks{} << same << QList<Square>{{1, 1}} << 62;
}

void TestDailyDouble::ensureDailyDoubles() {
    QFETCH(Marks, marks);
    QFETCH(Draws, draws);
    QFETCH(QList<Square>, marked);
    QFETCH(int, drawsUsed);
    EditorHarness editor;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question)
            editor.state.game.question(category, question).DailyDouble = QStringLiteral("N");
    }
    for (const auto& [square, flag] : marks)
        editor.state.game.question(square.first, square.second).DailyDouble = flag;
    for (float draw : draws)
        editor.services.setNextRandom(draw);
    editor.services.randomDraws = 0;

    editor.window->EnsureDailyDoubles();

    QCOMPARE(MarkedSquares(editor.state.game), marked);
    QCOMPARE(editor.services.randomDraws, drawsUsed);
    for (const auto& [square, flag] : marks) {
        if (flag != QLatin1String("Y") && !marked.contains(square))
            QCOMPARE(editor.state.game.question(square.first, square.second).DailyDouble, flag);
    }
}

void TestDailyDouble::placementRepaintsTheMap() {
    EditorHarness editor;
    for (float draw : {0.4f, 0.5f, 0.8f, 0.0f})
        editor.services.setNextRandom(draw);
    editor.window->EnsureDailyDoubles();
    QCOMPARE(MarkedSquares(editor.state.game), QList<Square>({{3, 3}, {5, 1}}));
    for (int category = 1; category <= 6; ++category) {
        for (int index = 0; index < 5; ++index) {
            const bool red = (category == 3 && index == 2) || (category == 5 && index == 0);
            QCOMPARE(SquareColour(editor, category, index), red ? 255u : 0u);
        }
    }
}

void TestDailyDouble::clearMap() {
    EditorHarness editor;
    editor.click(QStringLiteral("lblCat1_0"));
    editor.click(QStringLiteral("lblCat6_4"));
    editor.window->ClearDailyDoubleMap();
    QCOMPARE(SquareColour(editor, 1, 0), 0u);
    QCOMPARE(SquareColour(editor, 6, 4), 0u);
    // The marks belong to the records and stay.
    QCOMPARE(MarkedSquares(editor.state.game), QList<Square>({{1, 1}, {6, 5}}));
}

QTEST_MAIN(TestDailyDouble)
#include "tst_dailydouble.moc"
