#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The game runs on Windows and opens each medium by the full path stored in
// the set. A pair ties a folder on this computer to the folder that holds
// the same files on the game's computer, so a file attached here is stored
// under its game's path, and a Windows path in a set is found here.
struct FolderPair {
    QString local;   // "/home/ann/Quiz": matched exactly, as this platform names files
    QString windows; // "C:\Quiz" or "\\server\share\Quiz": matched ignoring case, as Windows does

    bool operator==(const FolderPair& other) const {
        return local == other.local && windows == other.windows;
    }
};

// A drive-letter path ("C:\...", "c:/...") or a UNC path ("\\server\share\...").
bool IsWindowsPath(const QString& path);

// A Windows path as Windows reads it: the root ("C:" or "\\server\share")
// and the names below it, "/" taken as "\", "." and ".." resolved.
struct WindowsPathParts {
    QString root;
    QStringList parts;
    QString joined() const; // "C:\Quiz\map.jpg"; "C:\" for a bare drive
};
std::optional<WindowsPathParts> SplitWindowsPath(const QString& path); // none if not Windows
// "c:/Quiz/./x/../map.jpg" -> "c:\Quiz\map.jpg"; "" for a path that is not Windows.
QString NormalisedWindowsPath(const QString& path);

// The pairs of folders in use. Pairs match whole folder names only, and the
// longest matching pair wins.
class MediaFolders {
public:
    MediaFolders() = default;
    explicit MediaFolders(QList<FolderPair> pairs);

    const QList<FolderPair>& pairs() const { return m_pairs; }

    // The game's path of a file on this computer, through the pair whose
    // local folder holds it; none when no pair does.
    std::optional<QString> gamePath(const QString& localPath) const;
    // The file on this computer a Windows path names through the pairs, as
    // a path with "/"; none when no pair holds it. The file need not exist.
    std::optional<QString> localPath(const QString& windowsPath) const;

private:
    friend class MediaLocator;
    // A pair as it is matched: the Windows side split, the local side cleaned
    // ("" when not absolute); a pair with either side unusable never matches.
    struct Prepared {
        std::optional<WindowsPathParts> windows;
        QString local;
    };
    const Prepared* pairHolding(const WindowsPathParts& path) const; // the longest, or null

    QList<FolderPair> m_pairs;
    QList<Prepared> m_prepared;
};

// Finds the media a set names on this computer. A path of this platform is
// taken as it is. A Windows path is looked for through the pairs first, then
// beside the set: its tail under the set's folder ("Pictures\map.jpg", then
// "map.jpg"), ignoring case. A relative path is looked for beside the set
// too. The stored path is never changed. Results, found or not, and the
// folders listed are kept until the pairs or the set's folder change, or
// forget() is called. Not for use from two threads at once.
class MediaLocator {
public:
    MediaLocator() = default;
    MediaLocator(MediaFolders folders, QString setFolder);

    void setFolders(MediaFolders folders);
    void setSetFolder(const QString& setFolder); // "" for an untitled set
    const MediaFolders& folders() const { return m_folders; }
    const QString& setFolder() const { return m_setFolder; }

    // The regular file on this computer the stored path names; "" when
    // there is none.
    QString locate(const QString& storedPath) const;
    // Forgets what was found, for a folder whose files changed.
    void forget() const;

private:
    MediaFolders m_folders;
    QString m_setFolder;
    QString find(const QString& path) const;
    // The regular file `parts` from `from` on name under `folder`: exactly,
    // else each name ignoring case; "" when there is none.
    QString fileUnder(const QString& folder, const QStringList& parts, qsizetype from) const;
    // The name in `folder` that equals `name` ignoring case, `name` itself first.
    QString childIgnoringCase(const QString& folder, const QString& name) const;

    mutable QHash<QString, QString> m_found;
    // The names in a folder by their case-folded form; of names equal but
    // for case, the first in order, the folded form kept in `shared`.
    struct Listing {
        QHash<QString, QString> names;
        QSet<QString> shared;
    };
    mutable QHash<QString, Listing> m_listings; // by folder
};

// The pairs the editor keeps in its own settings, which the tool reads too.
QList<FolderPair> SavedMediaFolders();
void SaveMediaFolders(const QList<FolderPair>& pairs);
// The pair of a Wine prefix's drive_c ("~/.wine/drive_c" <-> "C:\") when
// one exists, to offer the author.
std::optional<FolderPair> WineDrivePair();
