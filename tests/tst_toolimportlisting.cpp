#include "model/gamesetfile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList out; // lines, LF ends
    QString err;
};

ToolRun RunTool(const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QZ_TOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.out = out.split(QLatin1Char('\n'));
    if (run.out.constLast().isEmpty())
        run.out.removeLast();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString Template() {
    return QStringLiteral(QZ_SOURCE_DIR "/examples/board-template.tsv");
}

QStringList RightTrimmed(const QStringList& lines) {
    QStringList trimmed;
    for (QString line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        trimmed << line;
    }
    return trimmed;
}

} // namespace

class TestToolImportListing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void importTemplate();
    void importResults_data();
    void importResults();
    void listingOptions_data();
    void listingOptions();
    void listingRefuses_data();
    void listingRefuses();
    void listingToPdf();

private:
    QTemporaryDir m_folder;
    QString m_board; // a game-set file made from the template
};

void TestToolImportListing::initTestCase() {
    QVERIFY(m_folder.isValid());
    m_board = m_folder.filePath(QStringLiteral("Quiz.Night.txt"));
    const ToolRun run = RunTool({QStringLiteral("import"), Template(), m_board});
    QCOMPARE(run.exitCode, 0);
}

void TestToolImportListing::importTemplate() {
    // The template is a complete board: every field has its place.
    GameSet game;
    QCOMPARE(OpenFile(game, m_board).number, 0);
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(game.CategoryNames[static_cast<size_t>(k - 1)].trimmed(),
                 QStringLiteral("CATEGORY %1").arg(k));
        for (int j = 1; j <= 5; ++j) {
            const QuestionRecord& record = game.question(k, j);
            QCOMPARE(record.QuestionText.trimmed(),
                     QStringLiteral("Category %1, question %2").arg(k).arg(j));
            QCOMPARE(record.Answers[0].trimmed(), QStringLiteral("Answer %1.%2").arg(k).arg(j));
            QCOMPARE(record.Answers[4].trimmed(), QStringLiteral("Choice D"));
        }
    }
    QCOMPARE(game.FinalQuestionText.trimmed(), QStringLiteral("Final question"));
    QCOMPARE(game.FinalAnswers[1].trimmed(), QStringLiteral("Choice A"));
}

void TestToolImportListing::importResults_data() {
    QTest::addColumn<QByteArray>("input"); // empty: no input file at all
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");    // part of standard error
    QTest::addColumn<QString>("category"); // first name in the written set
    QTest::newRow("three lines") << QByteArray("Science\tx\r\nWhat is H2O?\r\nWater\tIce\r\n") << 0
                                 << ""
                                 << "SCIENCE";
    QTest::newRow("empty file") << QByteArray("\r\n") << 0 << ""
                                << "";
    QTest::newRow("missing file") << QByteArray() << 1 << "error 53, File not found"
                                  << "";
    QTest::newRow("overflow") << QByteArray("C\r\n") + QByteArray(32767, 'x') + "\t\r\n"
                              << 1 << "error 6, Overflow"
                              << "";
}

void TestToolImportListing::importResults() {
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QString, category);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    const QString tsv = input.isEmpty() ? m_folder.filePath(tag + QStringLiteral(".tsv"))
                                        : Write(m_folder, tag + QStringLiteral(".tsv"), input);
    const QString out = m_folder.filePath(tag + QStringLiteral(".txt"));

    const ToolRun run = RunTool({QStringLiteral("import"), tsv, out});

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QCOMPARE(QFile::exists(out), exitCode == 0);
    if (exitCode == 0) {
        GameSet game;
        QCOMPARE(OpenFile(game, out).number, 0);
        QCOMPARE(game.CategoryNames[0].trimmed(), category);
        QVERIFY(game.CategoryNames[1].isBlank());
    }
}

void TestToolImportListing::listingOptions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("firstLines"); // title to the first category's first rows
    QTest::addColumn<int>("lineCount");
    QTest::newRow("defaults") << QStringList()
                              << QStringList{"Quiz",
                                             "",
                                             "CATEGORY 1",
                                             "$100 - Q: Category 1, question 1",
                                             "$100 - A: Answer 1.1",
                                             "          Choice A",
                                             "          Choice B",
                                             "          Choice C",
                                             "          Choice D",
                                             "$200 - Q: Category 1, question 2"}
                              << 2 + 6 * (1 + 5 * 6 + 1) + 1 + 1 + 5;
    QTest::newRow("questions, none")
        << QStringList{"--fields", "questions", "--dollars", "none"}
        << QStringList{"Quiz", "", "CATEGORY 1", "Q: Category 1, question 1",
                       "Q: Category 1, question 2"}
        << 2 + 6 * 7 + 2;
    QTest::newRow("answers, 200-1000")
        << QStringList{"--dollars", "200-1000", "--fields", "answers"}
        << QStringList{"Quiz", "", "CATEGORY 1", "$200 - A: Answer 1.1", "          Choice A"}
        << 2 + 6 * (1 + 5 * 5 + 1) + 1 + 5;
    QTest::newRow("all, 1-5") << QStringList{"--fields", "all", "--dollars", "1-5"}
                              << QStringList{"Quiz", "", "CATEGORY 1",
                                             "$1 - Q: Category 1, question 1"}
                              << 2 + 6 * (1 + 5 * 6 + 1) + 1 + 1 + 5;
    QTest::newRow("5-25") << QStringList{"--dollars", "5-25"}
                          << QStringList{"Quiz", "", "CATEGORY 1", "$5 - Q: Category 1, question 1"}
                          << 2 + 6 * (1 + 5 * 6 + 1) + 1 + 1 + 5;
    QTest::newRow("10-50") << QStringList{"--dollars", "10-50"}
                           << QStringList{"Quiz", "", "CATEGORY 1",
                                          "$10 - Q: Category 1, question 1"}
                           << 2 + 6 * (1 + 5 * 6 + 1) + 1 + 1 + 5;
    QTest::newRow("20-100") << QStringList{"--dollars", "20-100"}
                            << QStringList{"Quiz", "", "CATEGORY 1",
                                           "$20 - Q: Category 1, question 1"}
                            << 2 + 6 * (1 + 5 * 6 + 1) + 1 + 1 + 5;
}

void TestToolImportListing::listingOptions() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, firstLines);
    QFETCH(int, lineCount);
    const ToolRun run = RunTool(QStringList{QStringLiteral("listing"), m_board} + options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.size(), lineCount);
    QCOMPARE(RightTrimmed(run.out.mid(0, firstLines.size())), firstLines);
    QCOMPARE(run.out.at(1), QStringLiteral(" "));
    QVERIFY(!run.out.join(QString()).contains(QLatin1Char('\r')));
}

void TestToolImportListing::listingRefuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no file") << QStringList{"listing"} << "Usage:";
    QTest::newRow("unknown fields")
        << QStringList{"listing", "BOARD", "--fields", "both"} << "Usage:";
    QTest::newRow("unknown dollars")
        << QStringList{"listing", "BOARD", "--dollars", "1-10"} << "Usage:";
    QTest::newRow("option without value") << QStringList{"listing", "BOARD", "--pdf"} << "Usage:";
    QTest::newRow("missing game set") << QStringList{"listing", "/no/such/file.txt"} << "error 53";
}

void TestToolImportListing::listingRefuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    arguments.replaceInStrings(QStringLiteral("BOARD"), m_board);
    const ToolRun run = RunTool(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestToolImportListing::listingToPdf() {
    // No platform named: the tool must pick one that needs no display.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString pdf = m_folder.filePath(QStringLiteral("listing.pdf"));

    const ToolRun run =
        RunTool({QStringLiteral("listing"), m_board, QStringLiteral("--pdf"), pdf}, environment);

    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    // 200 lines do not fit on one page.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    auto matches = page.globalMatch(QString::fromLatin1(bytes));
    int pages = 0;
    for (; matches.hasNext(); matches.next())
        ++pages;
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
}

QTEST_GUILESS_MAIN(TestToolImportListing)
#include "tst_toolimportlisting.moc"
