#include "util/pathhelpers.h"

#include "util/textrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>

namespace {
const QChar Backslash = QLatin1Char('\\');
const QChar Nul = QChar(0);
} // namespace

QString GetFileName(const QString& path) {
    const qsizetype last = path.lastIndexOf(Backslash);
    return last < 0 ? QString() : path.mid(last + 1);
}

QString GetFolder(const QString& path) {
    const qsizetype last = path.lastIndexOf(Backslash);
    return last < 0 ? QString() : path.left(last + 1);
}

QString StripExtension(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? text : text.left(dot);
}

QString AddFilterItem(const QString& filter, const QString& description, const QString& pattern) {
    return filter + description + Nul + pattern + Nul;
}

QString ToQtFileFilter(const QString& filter) {
    QStringList parts = filter.contains(Nul) ? filter.split(Nul) : filter.split(QLatin1Char('|'));
    // The NUL form ends every item with a NUL; the list ends with an empty part.
    while (!parts.isEmpty() && parts.constLast().isEmpty())
        parts.removeLast();

    QStringList items;
    for (qsizetype index = 0; index < parts.size(); index += 2) {
        const QString description = parts.at(index);
        const QString patternText =
            index + 1 < parts.size() ? parts.at(index + 1) : QStringLiteral("*.*");
        QStringList patterns;
        for (const QString& pattern : patternText.split(QLatin1Char(';'))) {
            const QString trimmed = pattern.trimmed();
            if (trimmed.isEmpty())
                continue;
            // "*.*" means every file on Windows; Qt needs "*" for names without a dot.
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        items.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                     QLatin1Char(')'));
    }
    return items.join(QStringLiteral(";;"));
}

bool FileExists(const QString& path) {
    QString name = path;
    if (name.endsWith(Backslash))
        name.chop(1);
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    QFile file(name);
    const bool opened = file.open(QIODevice::ReadOnly);
    file.close();
    return opened;
}

QString DefaultGameSetFolder() {
    // The program's own folder is read-only once installed, so sets live with the user's documents.
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Trivia Sets");
}

QString ReadyChooserFolder(const QString& folder) {
    const QString defaultFolder = DefaultGameSetFolder();
    if (QDir::cleanPath(QDir::fromNativeSeparators(folder)) != QDir::cleanPath(defaultFolder))
        return folder;
    // A chooser asked to start in a missing folder starts in the current one instead.
    if (QDir().mkpath(defaultFolder))
        return defaultFolder;
    return QDir::homePath();
}

QString ChooserStartFolder(const QString& lastUsed) {
    return TrimSpaces(lastUsed).isEmpty() ? DefaultGameSetFolder() : lastUsed;
}

// A game set keeps Windows paths ("C:\Sets\Game1.txt") while this platform's
// choosers give "/" paths, so the file name and folder are cut at "\" when
// the path has one and at "/" (QFileInfo) otherwise.
QString FileNameOfPath(const QString& path) {
    if (path.contains(QLatin1Char('\\')))
        return GetFileName(path);
    return QFileInfo(path).fileName();
}

QString FolderOfPath(const QString& path) {
    if (path.contains(QLatin1Char('\\')))
        return GetFolder(path);
    const qsizetype last = path.lastIndexOf(QLatin1Char('/'));
    return last < 0 ? QString() : path.left(last + 1);
}

bool SameFile(const QString& one, const QString& other) {
    const QFileInfo first(one), second(other);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    // The same device and inode: a hard link or a link to the file counts too.
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(one).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(other).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}
