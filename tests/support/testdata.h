#pragma once

// Small builders shared by the model, import, listing and tool tests.

#include "model/gamesetfile.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

// Adds a data row whose columns take `values` in order (string literals as QString).
template <typename... Values> void AddRow(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}

// Adds one data column of each type, named in order.
template <typename... Types, typename... Names> void Columns(Names... names) {
    (QTest::addColumn<Types>(names), ...);
}

// The current row's value in column `name`, as QFETCH gives it.
template <typename T> T Data(const char* name) {
    return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>()));
}

// The current row's values in the columns named, as QFETCH gives them.
template <typename... Types, typename... Names> std::tuple<Types...> Fetch(Names... names) {
    return {Data<Types>(names)...};
}

// `lines` in Windows-1252, each followed by `lineEnd`.
inline QByteArray FileBytes(const QStringList& lines, const QByteArray& lineEnd = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1252(line) + lineEnd;
    return bytes;
}

// The CR LF lines of `bytes`; a final line break ends the last line.
inline QStringList FileLines(const QByteArray& bytes) {
    QStringList lines = DecodeWindows1252(bytes).split(QStringLiteral("\r\n"));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

inline GameSet ResetGame() {
    GameSet game;
    ResetGameSet(game);
    return game;
}

// The five answers without their trailing pad, joined by "|".
inline QString Joined(const std::array<FixedText<300>, 5>& answers) {
    QStringList texts;
    for (const auto& answer : answers)
        texts << RTrimSpaces(answer.padded());
    return texts.join(QLatin1Char('|'));
}

// Writes `bytes` to `name` inside `folder` and returns the path ("" on failure).
inline QString WriteFile(const QTemporaryDir& folder, const QString& name,
                         const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

inline QByteArray FileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

#ifdef QZ_TOOL_PATH
struct ToolRun {
    int exitCode = -1;
    QStringList out; // standard output by lines
    QString err;
};

inline ToolRun
RunTool(const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QZ_TOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (run.out.constLast().isEmpty())
        run.out.removeLast();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
#endif
