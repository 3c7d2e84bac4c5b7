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
            if (game.question(category, question).DailyDouble == "Y"_L1)
                marked.append({category, question});
        }
    }
    return marked;
}

// Every square painted red on the map.
QList<Square> RedSquares(const EditorHarness& editor) {
    QList<Square> red;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            if (SquareColour(editor, category, question - 1) == 255u)
                red.append({category, question});
        }
    }
    return red;
}

} // namespace

class TestDailyDouble : public QObject {
    Q_OBJECT

private slots:
    void squaresToggle() {
        EditorHarness editor;
        editor.select(2, 3);
        QCheckBox* box = editor.checkBox(u"chkDailyDouble"_s);
        const auto toggle = [&](const char* square) {
            editor.state.DataChanged = false;
            editor.click(QString::fromLatin1(square));
            QVERIFY(editor.state.DataChanged);
            QCOMPARE(RedSquares(editor), MarkedSquares(editor.state.game));
            QCOMPARE(editor.selection(), Square(2, 3));
        };
        // Another question's square leaves the box alone.
        toggle("lblCat5_0");
        QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{Square(5, 1)});
        QVERIFY(!box->isChecked());
        // The selected question's own square ticks and unticks the box.
        toggle("lblCat2_2");
        QVERIFY(box->isChecked());
        toggle("lblCat2_2");
        QVERIFY(!box->isChecked());
        toggle("lblCat5_0");
        QCOMPARE(editor.record(5, 1).DailyDouble, u"N"_s);
        QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{});
    }

    void checkBoxMarksSelectedQuestion_data() {
        QTest::addColumn<bool>("final");
        QTest::newRow("board question") << false;
        QTest::newRow("final question") << true;
    }

    void checkBoxMarksSelectedQuestion() {
        QFETCH(bool, final);
        EditorHarness editor;
        editor.click(u"btnQuestion_4"_s);
        if (final) {
            // A picture final question keeps the box on screen.
            editor.state.game.FinalQuestionText.set(u"C:\\Pics\\last.jpg"_s);
            editor.select(7);
        }
        const GameSet before = editor.state.game;
        editor.state.DataChanged = false;
        QCheckBox* box = editor.checkBox(u"chkDailyDouble"_s);
        box->setChecked(true);
        QVERIFY(editor.state.DataChanged);
        if (final) {
            QVERIFY(editor.state.game == before);
            QCOMPARE(RedSquares(editor), QList<Square>{});
        } else {
            QCOMPARE(MarkedSquares(editor.state.game), QList<Square>{Square(1, 5)});
            QCOMPARE(RedSquares(editor), QList<Square>{Square(1, 5)});
            box->setChecked(false);
            QCOMPARE(editor.record(1, 5).DailyDouble, u"N"_s);
            QCOMPARE(RedSquares(editor), QList<Square>{});
        }
    }

    void ensureDailyDoubles_data() {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QList<Square>>("marked");
        QTest::addColumn<int>("drawsUsed");
        QTest::newRow("none: two squares drawn")
            << Marks{} << Draws{0.0f, 0.0f, 0.99f, 0.99f} << QList<Square>({{1, 1}, {6, 5}}) << 4;
        QTest::newRow("halves go to the even neighbour")
            << Marks{} << Draws{0.5f, 0.625f, 0.7f, 0.875f} << QList<Square>({{3, 3}, {5, 5}}) << 4;
        QTest::newRow("a taken square is drawn again")
            << Marks{} << Draws{0.2f, 0.25f, 0.2f, 0.25f, 0.6f, 0.5f}
            << QList<Square>({{2, 2}, {4, 3}}) << 6;
        QTest::newRow("one existing Daily Double is kept alone")
            << Marks{{{3, 4}, "Y"}} << Draws{0.5f, 0.5f} << QList<Square>{{3, 4}} << 0;
        QTest::newRow("lower-case y does not count but is taken")
            << Marks{{{1, 1}, "y"}} << Draws{0.9f, 0.9f, 0.0f, 0.0f, 0.3f, 0.1f}
            << QList<Square>({{3, 1}, {5, 5}}) << 6;
        QTest::newRow("empty flag is free") << Marks{{{2, 2}, ""}} << Draws{0.0f, 0.0f, 0.2f, 0.25f}
                                            << QList<Square>({{1, 1}, {2, 2}}) << 4;
        // All thirty tries land on the first square: the board keeps one.
        QTest::newRow("thirty misses keep one")
            << Marks{} << Draws(62, 0.0f) << QList<Square>{{1, 1}} << 62;
    }

    void ensureDailyDoubles() {
        QFETCH(Marks, marks);
        QFETCH(Draws, draws);
        QFETCH(QList<Square>, marked);
        QFETCH(int, drawsUsed);
        EditorHarness editor;
        for (auto& category : editor.state.game.Categories) {
            for (QuestionRecord& record : category)
                record.DailyDouble = u"N"_s;
        }
        for (const auto& [square, flag] : marks)
            editor.record(square.first, square.second).DailyDouble = flag;
        for (float draw : draws)
            editor.services.setNextRandom(draw);
        editor.services.randomDraws = 0;

        editor.window->EnsureDailyDoubles();

        QCOMPARE(MarkedSquares(editor.state.game), marked);
        QCOMPARE(editor.services.randomDraws, drawsUsed);
        // A placement shows on the map at once.
        if (drawsUsed > 0)
            QCOMPARE(RedSquares(editor).size(), marked.size() + (marks.value(0).second == "y"_L1));
    }
};

QTEST_MAIN(TestDailyDouble)
#include "tst_dailydouble.moc"
