#include "model/mediafolders.h"

#include "util/editorsettings.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <dirent.h>

namespace {

bool IsSeparator(QChar character) {
    return character == QLatin1Char('\\') || character == QLatin1Char('/');
}

bool SameWindowsName(const QString& one, const QString& other) {
    return one.compare(other, Qt::CaseInsensitive) == 0;
}

// Adds the parts of `text` to `parts` as Windows reads them: "/" is "\",
// empty and "." parts are dropped, and ".." drops the part before it (never
// the drive or the share).
void AppendWindowsParts(QStringList& parts, QStringView text) {
    qsizetype start = 0;
    for (qsizetype index = 0; index <= text.size(); ++index) {
        if (index < text.size() && !IsSeparator(text.at(index)))
            continue;
        const QStringView part = text.mid(start, index - start);
        start = index + 1;
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts << part.toString();
    }
}

QString JoinedLocal(const QString& folder, const QStringList& parts, qsizetype from) {
    QString path = folder;
    for (qsizetype index = from; index < parts.size(); ++index) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += parts.at(index);
    }
    return path;
}

} // namespace

std::optional<WindowsPathParts> SplitWindowsPath(const QString& path) {
    WindowsPathParts split;
    if (path.size() >= 2 && path.at(0) == QLatin1Char('\\') && path.at(1) == QLatin1Char('\\')) {
        QStringList head;
        qsizetype index = 2;
        // The server and the share are the root: ".." never climbs above them.
        while (head.size() < 2 && index < path.size()) {
            qsizetype end = index;
            while (end < path.size() && !IsSeparator(path.at(end)))
                ++end;
            if (end > index)
                head << path.mid(index, end - index);
            index = end + 1;
        }
        if (head.size() < 2 || head.contains(QStringLiteral(".")) ||
            head.contains(QStringLiteral("..")))
            return std::nullopt;
        split.root = QStringLiteral("\\\\") + head.at(0) + QLatin1Char('\\') + head.at(1);
        if (index < path.size())
            AppendWindowsParts(split.parts, QStringView(path).mid(index));
        return split;
    }
    const bool drive = path.size() >= 3 && path.at(0).isLetter() && path.at(0).unicode() < 0x80 &&
                       path.at(1) == QLatin1Char(':') && IsSeparator(path.at(2));
    if (!drive)
        return std::nullopt;
    split.root = path.left(2);
    AppendWindowsParts(split.parts, QStringView(path).mid(3));
    return split;
}

QString WindowsPathParts::joined() const {
    QString path = root;
    for (const QString& part : parts)
        path += QLatin1Char('\\') + part;
    return parts.isEmpty() && root.size() == 2 ? path + QLatin1Char('\\') : path;
}

bool IsWindowsPath(const QString& path) {
    return SplitWindowsPath(path).has_value();
}

QString NormalisedWindowsPath(const QString& path) {
    const std::optional<WindowsPathParts> split = SplitWindowsPath(path);
    return split ? split->joined() : QString();
}

// ---- MediaFolders

MediaFolders::MediaFolders(QList<FolderPair> pairs) : m_pairs(std::move(pairs)) {
    for (const FolderPair& pair : m_pairs) {
        Prepared prepared;
        prepared.windows = SplitWindowsPath(pair.windows.trimmed());
        const QString local = pair.local.trimmed();
        if (QDir::isAbsolutePath(local))
            prepared.local = QDir::cleanPath(local);
        m_prepared << prepared;
    }
}

std::optional<QString> MediaFolders::gamePath(const QString& localPath) const {
    if (!QDir::isAbsolutePath(localPath))
        return std::nullopt;
    const QString path = QDir::cleanPath(localPath);
    const Prepared* best = nullptr;
    for (const Prepared& pair : m_prepared) {
        if (!pair.windows || pair.local.isEmpty())
            continue;
        // A whole folder name: "/home/ann/Quiz" holds "/home/ann/Quiz/a.jpg"
        // but not "/home/ann/Quiz2/a.jpg".
        const bool holds =
            path == pair.local || pair.local == QLatin1String("/") ||
            (path.startsWith(pair.local) && path.at(pair.local.size()) == QLatin1Char('/'));
        if (holds && (!best || pair.local.size() > best->local.size()))
            best = &pair;
    }
    if (!best)
        return std::nullopt;
    WindowsPathParts result = *best->windows;
    AppendWindowsParts(result.parts, QStringView(path).mid(best->local.size()));
    return result.joined();
}

const MediaFolders::Prepared* MediaFolders::pairHolding(const WindowsPathParts& path) const {
    const Prepared* best = nullptr;
    for (const Prepared& pair : m_prepared) {
        if (!pair.windows || pair.local.isEmpty() ||
            !SameWindowsName(pair.windows->root, path.root))
            continue;
        const QStringList& folder = pair.windows->parts;
        if (folder.size() > path.parts.size() ||
            (best && folder.size() <= best->windows->parts.size()))
            continue;
        bool holds = true;
        for (qsizetype index = 0; holds && index < folder.size(); ++index)
            holds = SameWindowsName(folder.at(index), path.parts.at(index));
        if (holds)
            best = &pair;
    }
    return best;
}

std::optional<QString> MediaFolders::localPath(const QString& windowsPath) const {
    const std::optional<WindowsPathParts> split = SplitWindowsPath(windowsPath);
    if (!split)
        return std::nullopt;
    const Prepared* pair = pairHolding(*split);
    if (!pair)
        return std::nullopt;
    return JoinedLocal(pair->local, split->parts, pair->windows->parts.size());
}

// ---- MediaLocator

MediaLocator::MediaLocator(MediaFolders folders, QString setFolder)
    : m_folders(std::move(folders)), m_setFolder(std::move(setFolder)) {}

void MediaLocator::setFolders(MediaFolders folders) {
    if (folders.pairs() == m_folders.pairs())
        return;
    m_folders = std::move(folders);
    forget();
}

void MediaLocator::setSetFolder(const QString& setFolder) {
    if (setFolder == m_setFolder)
        return;
    m_setFolder = setFolder;
    forget();
}

void MediaLocator::forget() const {
    m_found.clear();
    m_listings.clear();
}

QString MediaLocator::childIgnoringCase(const QString& folder, const QString& name) const {
    auto listing = m_listings.find(folder);
    if (listing == m_listings.end()) {
        Listing read;
        // The names alone, straight from the directory: no stat or QFileInfo
        // per entry, so a folder of thousands of pictures takes a millisecond.
        if (DIR* directory = opendir(QFile::encodeName(folder).constData())) {
            while (const dirent* entry = readdir(directory)) {
                const QString entryName = QFile::decodeName(entry->d_name);
                if (entryName == QLatin1String(".") || entryName == QLatin1String(".."))
                    continue;
                QString& kept = read.names[entryName.toCaseFolded()];
                if (kept.isEmpty() || entryName < kept) {
                    if (!kept.isEmpty())
                        read.shared.insert(entryName.toCaseFolded());
                    kept = entryName; // "Map.jpg" before "map.JPG", whatever the disk's order
                } else {
                    read.shared.insert(entryName.toCaseFolded());
                }
            }
            closedir(directory);
        }
        listing = m_listings.insert(folder, read);
    }
    const QString folded = name.toCaseFolded();
    const QString kept = listing->names.value(folded);
    // Of names equal but for case, the one given wins when it is there.
    if (kept != name && listing->shared.contains(folded) &&
        QFileInfo::exists(JoinedLocal(folder, {name}, 0)))
        return name;
    return kept;
}

QString MediaLocator::fileUnder(const QString& folder, const QStringList& parts,
                                qsizetype from) const {
    if (from >= parts.size())
        return QString();
    const QString exact = JoinedLocal(folder, parts, from);
    if (FileExists(exact))
        return exact;
    QString path = QDir::cleanPath(folder);
    for (qsizetype index = from; index < parts.size(); ++index) {
        const QString name = childIgnoringCase(path, parts.at(index));
        if (name.isEmpty())
            return QString();
        path = JoinedLocal(path, {name}, 0);
    }
    return FileExists(path) ? path : QString();
}

QString MediaLocator::find(const QString& path) const {
    QStringList parts;
    if (const std::optional<WindowsPathParts> split = SplitWindowsPath(path)) {
        parts = split->parts;
        if (const MediaFolders::Prepared* pair = m_folders.pairHolding(*split)) {
            const QString found = fileUnder(pair->local, parts, pair->windows->parts.size());
            if (!found.isEmpty())
                return found;
        }
    } else if (QDir::isAbsolutePath(path)) {
        return FileExists(path) ? path : QString();
    } else {
        // A relative path names a file beside the set, as the game's working
        // folder is the set's; without a folder, it is the current one.
        if (m_setFolder.isEmpty())
            return FileExists(path) ? path : QString();
        AppendWindowsParts(parts, path);
    }
    if (m_setFolder.isEmpty())
        return QString();
    // The longest tail first: "Quiz\Pictures\map.jpg", "Pictures\map.jpg", "map.jpg".
    for (qsizetype from = 0; from < parts.size(); ++from) {
        const QString found = fileUnder(m_setFolder, parts, from);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

QString MediaLocator::locate(const QString& storedPath) const {
    const QString path = storedPath.trimmed();
    if (path.isEmpty())
        return QString();
    const auto known = m_found.constFind(path);
    if (known != m_found.constEnd())
        return *known;
    const QString found = find(path);
    m_found.insert(path, found);
    return found;
}

// ---- settings

QList<FolderPair> SavedMediaFolders() {
    const std::unique_ptr<QSettings> settings = OpenEditorSettings();
    QList<FolderPair> pairs;
    const int count = settings->beginReadArray(QStringLiteral("MediaFolders"));
    for (int index = 0; index < count; ++index) {
        settings->setArrayIndex(index);
        const FolderPair pair{settings->value(QStringLiteral("local")).toString(),
                              settings->value(QStringLiteral("windows")).toString()};
        // A pair edited by hand into nonsense is left out rather than matching by accident.
        if (QDir::isAbsolutePath(pair.local) && IsWindowsPath(pair.windows))
            pairs << pair;
    }
    settings->endArray();
    return pairs;
}

void SaveMediaFolders(const QList<FolderPair>& pairs) {
    const std::unique_ptr<QSettings> settings = OpenEditorSettings();
    settings->remove(QStringLiteral("MediaFolders"));
    settings->beginWriteArray(QStringLiteral("MediaFolders"), static_cast<int>(pairs.size()));
    for (int index = 0; index < pairs.size(); ++index) {
        settings->setArrayIndex(index);
        settings->setValue(QStringLiteral("local"), pairs.at(index).local);
        settings->setValue(QStringLiteral("windows"), pairs.at(index).windows);
    }
    settings->endArray();
    settings->sync();
}

std::optional<FolderPair> WineDrivePair() {
    QString prefix = QProcessEnvironment::systemEnvironment().value(QStringLiteral("WINEPREFIX"));
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    const QFileInfo drive(prefix + QStringLiteral("/drive_c"));
    if (!drive.isDir())
        return std::nullopt;
    return FolderPair{QDir::cleanPath(drive.absoluteFilePath()), QStringLiteral("C:\\")};
}
