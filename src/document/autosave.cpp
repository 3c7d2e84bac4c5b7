#include "document/autosave.h"

#include "model/safewrite.h"
#include "util/textrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString CopyPrefix = QStringLiteral("recovery-");
const QString CopySuffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");
const QString FormatName = QStringLiteral("quizmora-recovery-1");

QString LockPathOf(const QString& copyPath) {
    return copyPath.left(copyPath.size() - CopySuffix.size()) + LockSuffix;
}

QString OwnCopyPath(const QString& folder) {
    const QString started =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
    return QDir(folder).filePath(CopyPrefix + QString::number(QCoreApplication::applicationPid()) +
                                 QLatin1Char('-') + started + CopySuffix);
}

// A field as stored, leading spaces included, so the copy gives back exactly
// what the author had.
template <int Width> QString Stored(const FixedText<Width>& field) {
    return RTrimSpaces(field.padded());
}

QJsonObject EncodeRecord(const QuestionRecord& record) {
    QJsonArray answers;
    for (const auto& answer : record.Answers)
        answers.append(Stored(answer));
    return {{QStringLiteral("type"), record.QuestionType},
            {QStringLiteral("dailyDouble"), record.DailyDouble},
            {QStringLiteral("text"), Stored(record.QuestionText)},
            {QStringLiteral("fontName"), record.FontName},
            {QStringLiteral("fontSize"), record.FontSize},
            {QStringLiteral("bold"), record.FontBold},
            {QStringLiteral("italic"), record.FontItalic},
            {QStringLiteral("fontColor"), record.FontColor},
            {QStringLiteral("answers"), answers},
            {QStringLiteral("media"), Stored(record.MediaPath)}};
}

bool DecodeRecord(const QJsonValue& value, QuestionRecord& record) {
    const QJsonObject object = value.toObject();
    const QJsonArray answers = object.value(QStringLiteral("answers")).toArray();
    if (object.isEmpty() || answers.size() != static_cast<qsizetype>(record.Answers.size()))
        return false;
    record.QuestionType = object.value(QStringLiteral("type")).toString();
    record.DailyDouble = object.value(QStringLiteral("dailyDouble")).toString();
    record.QuestionText.set(object.value(QStringLiteral("text")).toString());
    record.FontName = object.value(QStringLiteral("fontName")).toString();
    record.FontSize = object.value(QStringLiteral("fontSize")).toString();
    record.FontBold = object.value(QStringLiteral("bold")).toBool();
    record.FontItalic = object.value(QStringLiteral("italic")).toBool();
    record.FontColor = object.value(QStringLiteral("fontColor")).toString();
    for (std::size_t index = 0; index < record.Answers.size(); ++index)
        record.Answers[index].set(answers.at(static_cast<qsizetype>(index)).toString());
    record.MediaPath.set(object.value(QStringLiteral("media")).toString());
    return true;
}

} // namespace

QString DefaultRecoveryFolder() {
    // Named so that the tool, which keeps old versions there too, finds the
    // same folder as the editor.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/QuizmoraEditor/recovery");
}

void MakeFolderPrivate(const QString& folder) {
    QDir().mkpath(folder);
    const auto owner = QFile::ReadOwner | QFile::WriteOwner;
    QFile::setPermissions(folder, owner | QFile::ExeOwner);
    // Whatever the umask or an older version left: copies hold unsaved boards.
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink())
            continue; // its target is not ours to change
        if (entry.isDir())
            MakeFolderPrivate(entry.absoluteFilePath());
        else if (entry.isFile())
            QFile::setPermissions(entry.absoluteFilePath(), owner);
    }
}

QByteArray Autosave::EncodeCopy(const GameSet& game, const QString& originalFileName,
                                const QDateTime& savedAt) {
    QJsonArray names;
    for (const auto& name : game.CategoryNames)
        names.append(Stored(name));
    QJsonArray questions;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question)
            questions.append(EncodeRecord(game.question(category, question)));
    }
    questions.append(EncodeRecord(game.Final));
    const QJsonObject root{{QStringLiteral("format"), FormatName},
                           {QStringLiteral("file"), originalFileName},
                           {QStringLiteral("saved"), savedAt.toString(Qt::ISODateWithMs)},
                           {QStringLiteral("names"), names},
                           {QStringLiteral("questions"), questions}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

RecoveryCopy Autosave::DecodeCopy(const QByteArray& bytes) {
    RecoveryCopy copy;
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    const QJsonArray names = root.value(QStringLiteral("names")).toArray();
    const QJsonArray questions = root.value(QStringLiteral("questions")).toArray();
    if (root.value(QStringLiteral("format")).toString() != FormatName || names.size() != 6 ||
        questions.size() != 31)
        return copy;
    ResetGameSet(copy.game);
    for (int index = 0; index < 6; ++index)
        copy.game.CategoryNames[index].set(names.at(index).toString());
    for (int index = 0; index < 31; ++index) {
        const Square square =
            index == 30 ? Square::finalQuestion() : Square{index / 5 + 1, index % 5 + 1};
        if (!DecodeRecord(questions.at(index), copy.game.record(square)))
            return copy;
    }
    copy.originalFileName = root.value(QStringLiteral("file")).toString();
    copy.savedAt =
        QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
    copy.readable = copy.savedAt.isValid();
    return copy;
}

Autosave::Autosave(GameSetDocument& document, const QString& folder, QObject* parent)
    : QObject(parent), m_document(document), m_folder(folder), m_copyPath(OwnCopyPath(folder)),
      m_lock(LockPathOf(m_copyPath)) {
    MakeFolderPrivate(folder);
    // Held while this editor runs: the next start knows the copy is not abandoned.
    if (m_lock.tryLock(0))
        QFile::setPermissions(m_lock.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    else if (!QFileInfo(folder).isDir())
        m_problem = QStringLiteral("Unsaved changes cannot be kept for recovery: the folder %1 "
                                   "cannot be made.")
                        .arg(QDir::toNativeSeparators(folder));
    else
        m_problem = QStringLiteral("Unsaved changes cannot be kept for recovery: %1 cannot be "
                                   "locked.")
                        .arg(QDir::toNativeSeparators(m_lock.fileName()));
    m_writer.setMaxThreadCount(1);
    // The thread is started here and kept, so a write only hands the bytes over.
    m_writer.setExpiryTimeout(-1);
    m_writer.start([] {});
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(LongestWaitMs);
    connect(&m_quiet, &QTimer::timeout, this, &Autosave::writeNow);
    connect(&m_longest, &QTimer::timeout, this, &Autosave::writeNow);

    connect(&m_document, &GameSetDocument::changed, this, &Autosave::schedule);
    // New and Open give a saved set (nothing to keep); Import and a
    // recovered set are unsaved from the start.
    connect(&m_document, &GameSetDocument::reset, this, [this] {
        if (m_document.isModified())
            schedule();
        else
            drop();
    });
    connect(&m_document, &GameSetDocument::modifiedChanged, this, [this](bool modified) {
        if (modified)
            schedule();
        else
            drop();
    });
}

Autosave::~Autosave() {
    m_writer.waitForDone();
}

void Autosave::schedule() {
    if (!m_document.isModified())
        return;
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void Autosave::writeNow() {
    m_quiet.stop();
    m_longest.stop();
    if (!m_document.isModified())
        return;
    QElapsedTimer clock;
    clock.start();
    const QByteArray bytes =
        EncodeCopy(m_document.game(), m_document.fileName(), QDateTime::currentDateTimeUtc());
    m_copyWritten = true;
    m_writer.start([this, bytes, path = m_copyPath] {
        SafeWriteOptions options;
        options.newFileMode = 0600;
        const FileError error = SafeWriteBytes(path, bytes, options);
        // A copy that could not be written whole is never put in place.
        const QString problem =
            error.failed() ? QStringLiteral("Unsaved changes cannot be kept for recovery: %1 (%2)")
                                 .arg(error.reason.isEmpty() ? error.description : error.reason,
                                      QDir::toNativeSeparators(path))
                           : QString();
        QMetaObject::invokeMethod(
            this,
            [this, problem] {
                // Told once when it starts and once when it ends, not at every pause.
                if (problem == m_problem)
                    return;
                m_problem = problem;
                emit problemChanged(problem);
            },
            Qt::QueuedConnection);
    });
    m_lastWriteNanoseconds = clock.nsecsElapsed();
}

void Autosave::drop() {
    m_quiet.stop();
    m_longest.stop();
    if (!m_copyWritten)
        return;
    m_copyWritten = false;
    m_writer.start([path = m_copyPath] { QFile::remove(path); });
}

QList<RecoveryCopy> Autosave::claimAbandonedCopies() {
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({CopyPrefix + QLatin1Char('*') + CopySuffix},
                                     QDir::Files | QDir::System, QDir::Time | QDir::Reversed);
    QList<RecoveryCopy> copies;
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path == QFileInfo(m_copyPath).absoluteFilePath() || m_claimed.count(path))
            continue;
        // The lock of a running editor holds; that of one that ended is stale.
        auto lock = std::make_unique<QLockFile>(LockPathOf(path));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        // Only a regular file of a size a copy can have: a link to /dev/zero
        // or a huge file is listed as unreadable rather than read without end.
        QFile source(path);
        RecoveryCopy copy;
        if (!file.isSymLink() && file.isFile() && file.size() <= LargestCopy &&
            source.open(QIODevice::ReadOnly))
            copy = DecodeCopy(source.read(LargestCopy));
        copy.path = path;
        m_claimed[path] = std::move(lock);
        copies << copy;
    }
    return copies;
}

void Autosave::discardCopy(const RecoveryCopy& copy) {
    // After this editor's own copy of a recovered set is on disk.
    m_writer.waitForDone();
    moveAside(copy.path);
    m_claimed.erase(copy.path);
}

void Autosave::removeRecoveredCopy(const RecoveryCopy& copy) {
    // After this editor's own copy of the recovered set is on disk.
    m_writer.waitForDone();
    QFile::remove(copy.path);
    m_claimed.erase(copy.path);
}

void Autosave::releaseCopy(const RecoveryCopy& copy) {
    m_claimed.erase(copy.path);
}

void Autosave::moveAside(const QString& path) {
    const QDir damaged(QDir(m_folder).filePath(QStringLiteral("damaged")));
    QDir().mkpath(damaged.path());
    const QString target = damaged.filePath(QFileInfo(path).fileName());
    QFile::remove(target);
    if (!QFile::rename(path, target))
        QFile::remove(path);
}

QList<KeptVersion> Autosave::keptVersions() const {
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {QStringLiteral("previous-*")}, QDir::Files | QDir::System, QDir::Time | QDir::Reversed);
    QList<KeptVersion> versions;
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        QFile sidecar(path + QStringLiteral(".path"));
        if (path.endsWith(QStringLiteral(".path")) || !sidecar.open(QIODevice::ReadOnly))
            continue;
        versions.append({path, QString::fromUtf8(sidecar.read(64 * 1024))});
    }
    return versions;
}

FileError Autosave::restoreKeptVersion(const KeptVersion& version) {
    QFile kept(version.path);
    if (!kept.open(QIODevice::ReadOnly))
        return ErrorOfDevice(kept);
    const FileError error = SafeWriteBytes(version.originalPath, kept.readAll());
    if (!error.failed()) {
        QFile::remove(version.path);
        QFile::remove(version.path + QStringLiteral(".path"));
    }
    return error;
}

void Autosave::discardKeptVersion(const KeptVersion& version) {
    moveAside(version.path);
    moveAside(version.path + QStringLiteral(".path"));
}
