#pragma once

#include "document/gamesetdocument.h"

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <map>
#include <memory>

// A recovery copy another editor left behind when it ended without saving.
struct RecoveryCopy {
    QString path;
    bool readable = false; // false: the copy is kept, but nothing could be read from it
    GameSet game;
    QString originalFileName; // "" for an untitled set
    QDateTime savedAt;        // when the copy was written (UTC)
};

// The previous version of a set kept while it was rewritten in place, left
// behind when the program ended before the rewrite was done.
struct KeptVersion {
    QString path;
    QString originalPath; // the set it was kept for
};

// Keeps the document's unsaved changes in a recovery copy of this editor's
// own in `folder`, so a crash loses at most the last few seconds of work, and
// finds the copies of editors that are no longer running. Each editor holds a
// lock beside its copy for as long as it runs, so copies of editors side by
// side are never taken for abandoned ones.
class Autosave : public QObject {
    Q_OBJECT

public:
    // The copy is written this long after the last change, and at least
    // this often while changes go on.
    static constexpr int QuietMs = 3000;
    static constexpr int LongestWaitMs = 30000;

    Autosave(GameSetDocument& document, const QString& folder, QObject* parent = nullptr);
    // Waits for the copy being written; the copy stays while the set has
    // unsaved changes, for the next start to offer.
    ~Autosave() override;

    // This editor's copy, named by process id and start time.
    const QString& copyPath() const { return m_copyPath; }
    // Writes the copy at once when the set has unsaved changes.
    void writeNow();
    // Time the last write took on the calling thread (the file itself is
    // written on a thread of its own).
    qint64 lastWriteNanoseconds() const { return m_lastWriteNanoseconds; }

    // The copies of editors no longer running, oldest first. Each is claimed
    // for this editor until it is discarded or released.
    QList<RecoveryCopy> claimAbandonedCopies();
    // Moves a claimed copy into the folder's "damaged" folder, where it is
    // never offered again (and can still be looked at).
    void discardCopy(const RecoveryCopy& copy);
    // Deletes a claimed copy that was recovered: its changes live on in this
    // editor's own copy.
    void removeRecoveredCopy(const RecoveryCopy& copy);
    // Gives a claimed copy up, keeping it for a later start.
    void releaseCopy(const RecoveryCopy& copy);

    // The copy's file contents, and the copy read back from them.
    static QByteArray EncodeCopy(const GameSet& game, const QString& originalFileName,
                                 const QDateTime& savedAt);
    static RecoveryCopy DecodeCopy(const QByteArray& bytes);

    // Previous versions of sets kept before a rewrite in place that never
    // finished, oldest first.
    QList<KeptVersion> keptVersions() const;
    // Writes a kept version back over its set, then drops it.
    FileError restoreKeptVersion(const KeptVersion& version);
    // Moves a kept version into the "damaged" folder.
    void discardKeptVersion(const KeptVersion& version);

    // What keeps unsaved changes from being kept ("" when nothing does):
    // the lock or the last copy that could not be written.
    const QString& problem() const { return m_problem; }

    // The largest recovery copy read: far above what a set can make (under
    // 1 MB, every field full of escaped characters).
    static constexpr qint64 LargestCopy = 8 * 1024 * 1024;

signals:
    // The problem() changed: a copy could not be written (the message names
    // the file and the reason), or a later one could ("").
    void problemChanged(const QString& problem);

private:
    void schedule();
    void drop();
    // Moves a file of the folder into its "damaged" folder, where it is
    // never offered again.
    void moveAside(const QString& path);

    GameSetDocument& m_document;
    QString m_folder;
    QString m_copyPath;
    QLockFile m_lock;
    QTimer m_quiet;
    QTimer m_longest;
    // One thread, so writes and removals reach the disk in the order given.
    QThreadPool m_writer;
    bool m_copyWritten = false;
    QString m_problem;
    qint64 m_lastWriteNanoseconds = 0;
    std::map<QString, std::unique_ptr<QLockFile>> m_claimed;
};

// Where the program keeps recovery copies: "recovery" in the per-user
// application data folder.
QString DefaultRecoveryFolder();
