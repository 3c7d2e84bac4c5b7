#include "document/gamesetdocument.h"

#include "document/autosave.h"
#include "model/gamesetfile.h"
#include "util/rounding.h"
#include "util/textrules.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// Keystrokes within this pause of each other in one box are one undo step.
constexpr qint64 TypingPauseMs = 2000;
constexpr int TypingCommandId = 1;

// One step: records and names before and after. Typing steps of the same
// box and burst merge into one.
class EditCommand : public QUndoCommand {
public:
    EditCommand(GameSetDocument& document, const QString& label, DocumentPart part,
                QList<GameSetDocument::RecordChange> records,
                QList<GameSetDocument::NameChange> names, int typingBurst)
        : QUndoCommand(label), m_document(document), m_part(part), m_records(std::move(records)),
          m_names(std::move(names)), m_typingBurst(typingBurst),
          m_lastKeystroke(QDateTime::currentMSecsSinceEpoch()) {}

    void redo() override {
        m_document.apply(m_records, m_names, m_part, true, m_applied);
        m_applied = true;
    }
    void undo() override { m_document.apply(m_records, m_names, m_part, false, true); }

    int id() const override { return m_typingBurst >= 0 ? TypingCommandId : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const EditCommand*>(other);
        if (next->m_typingBurst != m_typingBurst || next->m_part != m_part ||
            next->m_records.size() != m_records.size() || next->m_names.size() != m_names.size() ||
            next->m_lastKeystroke - m_lastKeystroke > TypingPauseMs)
            return false;
        if (!m_records.isEmpty() && m_records.first().square != next->m_records.first().square)
            return false;
        if (!m_names.isEmpty() && m_names.first().category != next->m_names.first().category)
            return false;
        if (!m_records.isEmpty())
            m_records.first().after = next->m_records.first().after;
        if (!m_names.isEmpty())
            m_names.first().after = next->m_names.first().after;
        m_lastKeystroke = next->m_lastKeystroke;
        return true;
    }

private:
    GameSetDocument& m_document;
    DocumentPart m_part;
    QList<GameSetDocument::RecordChange> m_records;
    QList<GameSetDocument::NameChange> m_names;
    int m_typingBurst; // -1 for steps that never merge
    qint64 m_lastKeystroke;
    bool m_applied = false;
};

const QString MarkedFlag = QStringLiteral("Y");
const QString UnmarkedFlag = QStringLiteral("N");

QList<Square> BoardSquares() {
    QList<Square> squares;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question)
            squares.append({category, question});
    }
    return squares;
}

} // namespace

MediaKind MediaKindOfRecord(const QuestionRecord& record) {
    const MediaKind shown = KindOfQuestion(record);
    const MediaKind typed = KindOfTypeLetter(record.QuestionType);
    if (shown == MediaKind::Sound || typed == MediaKind::Sound)
        return MediaKind::Sound;
    return shown != MediaKind::None ? shown : typed;
}

QString MediaPathOfRecord(const QuestionRecord& record) {
    switch (MediaKindOfRecord(record)) {
    case MediaKind::None:
        return QString();
    case MediaKind::Sound:
        return record.MediaPath.trimmed();
    default:
        return record.QuestionText.trimmed();
    }
}

GameSetDocument::GameSetDocument(QObject* parent) : QObject(parent), m_watchDelay(this) {
    ResetGameSet(m_game);
    m_undoStack.setUndoLimit(1000);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    // Another program's save comes as several events (truncate, writes,
    // rename); the file is looked at once they have settled.
    m_watchDelay.setSingleShot(true);
    m_watchDelay.setInterval(150);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watchDelay,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watchDelay,
            qOverload<>(&QTimer::start));
    connect(&m_watchDelay, &QTimer::timeout, this, &GameSetDocument::watchedFileTouched);
}

bool GameSetDocument::fileChangedOnDisk() const {
    return !m_fileName.isEmpty() && DiskState::of(m_fileName) != m_diskState;
}

void GameSetDocument::takeDiskState(const DiskState& state) {
    m_diskState = state;
    m_reportedState = state;
    watchFile();
}

void GameSetDocument::watchFile() {
    // A rename over the file ends the watch on it: it is watched anew.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    if (m_fileName.isEmpty())
        return;
    const QFileInfo file(m_fileName);
    if (file.isFile())
        m_watcher.addPath(m_fileName);
    if (file.absoluteDir().exists())
        m_watcher.addPath(file.absolutePath());
}

void GameSetDocument::watchedFileTouched() {
    if (m_fileName.isEmpty())
        return;
    const DiskState now = DiskState::of(m_fileName);
    // Our own saves and temporary files beside the set leave the recorded
    // state as it is.
    watchFile();
    if (now == m_diskState || now == m_reportedState)
        return;
    m_reportedState = now;
    emit fileChangedElsewhere();
}

// ---- the set as a whole

void GameSetDocument::newSet() {
    GameSet game;
    ResetGameSet(game);
    replace(game, QString(), false);
}

void GameSetDocument::replace(const GameSet& game, const QString& fileName, bool modified) {
    const bool wasModified = isModified();
    m_game = game;
    m_fileName = fileName;
    takeDiskState(DiskState::of(fileName));
    m_undoStack.clear();
    // clear() leaves an empty stack as it was; after an unsaved set (an
    // import, a recovered set) the new one would count as changed.
    if (modified)
        m_undoStack.resetClean(); // no step leads back to a saved state
    else
        m_undoStack.setClean();
    emit reset();
    if (wasModified != isModified())
        emit modifiedChanged(isModified());
}

FileError GameSetDocument::open(const QString& path) {
    // Taken before reading: a write in between makes Save ask rather than
    // pass unseen.
    const DiskState before = DiskState::of(path);
    GameSet game = m_game;
    const FileError error = OpenFile(game, path);
    if (!error.failed()) {
        replace(game, path, false);
        takeDiskState(before);
    }
    return error;
}

FileError GameSetDocument::save(const QString& path) {
    // The writer stores trimmed values back, as the saved file holds them.
    // Where the set can only be rewritten in place, its old bytes are kept
    // with the recovery copies first.
    const FileError error = SaveFile(m_game, path, DefaultRecoveryFolder());
    if (error.failed())
        return error;
    m_fileName = path;
    takeDiskState(DiskState::of(path));
    m_undoStack.setClean();
    return error;
}

// ---- edits

void GameSetDocument::push(const QString& label, DocumentPart part, QList<RecordChange> records,
                           QList<NameChange> names, bool typing) {
    if (records.isEmpty() && names.isEmpty())
        return;
    m_undoStack.push(new EditCommand(*this, label, part, std::move(records), std::move(names),
                                     typing ? m_typingBurst : -1));
}

void GameSetDocument::editRecord(Square square, DocumentPart part, const QString& label,
                                 const std::function<void(QuestionRecord&)>& edit, bool typing) {
    const QuestionRecord& before = m_game.record(square);
    QuestionRecord after = before;
    edit(after);
    if (after == before)
        return;
    push(label, part, {{square, before, after}}, {}, typing);
}

void GameSetDocument::apply(const QList<RecordChange>& records, const QList<NameChange>& names,
                            DocumentPart part, bool forward, bool replaying) {
    const bool wasReplaying = m_replaying;
    m_replaying = replaying;
    for (const RecordChange& change : records)
        m_game.record(change.square) = forward ? change.after : change.before;
    for (const NameChange& change : names)
        m_game.CategoryNames[change.category - 1].set(forward ? change.after : change.before);
    for (const NameChange& change : names)
        emit changed({change.category, 1}, DocumentPart::Name);
    for (const RecordChange& change : records)
        emit changed(change.square, part);
    m_replaying = wasReplaying;
}

void GameSetDocument::setCategoryName(int category, const QString& name) {
    const QString before = m_game.CategoryNames.at(category - 1).trimmed();
    FixedText<CategoryNameWidth> stored;
    stored.set(TrimSpaces(OneLineText(name)));
    if (stored.trimmed() == before)
        return;
    push(tr("Typing in Category Name"), DocumentPart::Name, {},
         {{category, before, stored.trimmed()}}, true);
}

void GameSetDocument::setQuestionText(Square square, const QString& text) {
    // Compared as shown: a stored leading blank is not the author's change.
    if (m_game.record(square).QuestionText.trimmed() == TrimSpaces(text))
        return;
    editRecord(
        square, DocumentPart::Question, tr("Typing in Question"),
        [&](QuestionRecord& record) { record.QuestionText.set(TrimSpaces(OneLineText(text))); },
        true);
}

void GameSetDocument::setAnswer(Square square, const QString& answer) {
    if (m_game.record(square).Answers[0].trimmed() == TrimSpaces(answer))
        return;
    editRecord(
        square, DocumentPart::Answer, tr("Typing in Answer"),
        [&](QuestionRecord& record) { record.Answers[0].set(TrimSpaces(OneLineText(answer))); },
        true);
}

void GameSetDocument::setChoices(Square square, const std::array<QString, 4>& choices,
                                 int rightLetter) {
    editRecord(square, DocumentPart::Choices, tr("Multiple Choice"), [&](QuestionRecord& record) {
        for (int k = 1; k <= 4; ++k)
            record.Answers[k].set(TrimSpaces(OneLineText(choices[k - 1])));
        // A letter on an empty choice (one left over from another question,
        // or a choice just emptied) would wipe the typed answer: it stays.
        if (rightLetter >= 0 && rightLetter <= 3 && !record.Answers[rightLetter + 1].isBlank())
            record.Answers[0] = record.Answers[rightLetter + 1];
    });
}

void GameSetDocument::clearChoices(Square square) {
    editRecord(square, DocumentPart::Choices, tr("Single Choice"), [](QuestionRecord& record) {
        for (int k = 1; k <= 4; ++k)
            record.Answers[k].clear();
    });
}

void GameSetDocument::setDailyDouble(Square square, bool marked) {
    // The final question never carries a Daily Double.
    if (square.isFinal())
        return;
    editRecord(square, DocumentPart::DailyDouble, tr("Daily Double"), [&](QuestionRecord& record) {
        // An empty flag is saved as "N": it already is unmarked.
        if (!marked && record.DailyDouble.isEmpty())
            return;
        record.DailyDouble = marked ? MarkedFlag : UnmarkedFlag;
    });
}

void GameSetDocument::setLook(Square square, const QString& label, const QString& fontName,
                              const QString& fontSize, bool bold, bool italic,
                              const std::optional<QString>& fontColor) {
    editRecord(square, DocumentPart::Look, label, [&](QuestionRecord& record) {
        record.FontName = fontName;
        record.FontSize = fontSize;
        record.FontBold = bold;
        record.FontItalic = italic;
        if (fontColor)
            record.FontColor = *fontColor;
    });
}

void GameSetDocument::fillDefaultLook(Square square) {
    editRecord(square, DocumentPart::Look, tr("Font"), [](QuestionRecord& record) {
        if (TrimSpaces(record.FontName).isEmpty()) {
            record.FontName = DefaultFontName;
            record.FontSize = DefaultFontSize;
            record.FontBold = true;
            record.FontItalic = true;
        }
        if (TrimSpaces(record.FontColor).isEmpty())
            record.FontColor = DefaultFontColor;
    });
}

void GameSetDocument::copyLookToBoard(Square source) {
    if (source.isFinal())
        return; // the final question's look stays its own
    const QuestionRecord look = m_game.record(source);
    QList<RecordChange> changes;
    for (const Square square : BoardSquares()) {
        const QuestionRecord& before = m_game.record(square);
        QuestionRecord after = before;
        // A question with text but no type is a text question.
        if (after.QuestionType.isEmpty() && !after.QuestionText.isBlank())
            after.QuestionType = QStringLiteral("T");
        if (after.QuestionType == QLatin1String("T")) {
            after.FontName = look.FontName;
            after.FontSize = look.FontSize;
            after.FontBold = look.FontBold;
            after.FontItalic = look.FontItalic;
            after.FontColor = look.FontColor;
        }
        if (after != before)
            changes.append({square, before, after});
    }
    push(tr("Copy Font"), DocumentPart::Look, changes, {}, false);
}

void GameSetDocument::setKind(Square square, MediaKind kind, const QString& path) {
    static const QString labels[] = {tr("Insert Text"), tr("Picture"), tr("Sound"), tr("Video")};
    editRecord(
        square, DocumentPart::Kind, labels[static_cast<int>(kind)], [&](QuestionRecord& record) {
            // A new file for a question of the same kind (a broken path
            // being fixed) keeps the question's words.
            if (kind != MediaKind::None && record.QuestionType == TypeLetter(kind)) {
                (kind == MediaKind::Sound ? record.MediaPath : record.QuestionText).set(path);
                return;
            }
            // Whatever the old kind kept in the other field goes, so the
            // question is shown and saved as its new kind.
            switch (kind) {
            case MediaKind::None:
                record.QuestionType = TypeLetter(kind);
                record.QuestionText.clear();
                for (auto& answer : record.Answers)
                    answer.clear();
                record.MediaPath.clear();
                if (!square.isFinal())
                    record.DailyDouble = UnmarkedFlag;
                break;
            case MediaKind::Picture:
            case MediaKind::Video:
                record.QuestionType = TypeLetter(kind);
                record.QuestionText.set(path);
                record.MediaPath.clear();
                for (auto& answer : record.Answers)
                    answer.clear();
                break;
            case MediaKind::Sound:
                // A sound question keeps its choices, trimmed; its text is
                // typed afterwards.
                record.QuestionType = TypeLetter(kind);
                record.MediaPath.set(path);
                record.QuestionText.clear();
                record.Answers[0].clear();
                for (int k = 1; k <= 4; ++k)
                    record.Answers[k].set(record.Answers[k].trimmed());
                break;
            }
        });
}

void GameSetDocument::relinkMedia(const QList<QPair<Square, QString>>& paths) {
    QList<RecordChange> records;
    for (const auto& [square, path] : paths) {
        const QuestionRecord& before = m_game.record(square);
        const MediaKind kind = MediaKindOfRecord(before);
        if (kind == MediaKind::None)
            continue;
        QuestionRecord after = before;
        (kind == MediaKind::Sound ? after.MediaPath : after.QuestionText)
            .set(TrimSpaces(OneLineText(path)));
        if (after != before)
            records.append({square, before, after});
    }
    push(tr("Relink Media"), DocumentPart::Media, records, {}, false);
}

void GameSetDocument::editTexts(const QString& label, const std::function<void(GameSet&)>& edit) {
    GameSet edited = m_game;
    edit(edited);
    QList<Square> squares = BoardSquares();
    squares.append(Square::finalQuestion());
    QList<RecordChange> records;
    for (const Square square : squares) {
        QuestionRecord& after = edited.record(square);
        if (after == m_game.record(square))
            continue;
        KeepOnOneLine(after);
        records.append({square, m_game.record(square), after});
    }
    QList<NameChange> names;
    for (int category = 1; category <= 6; ++category) {
        const QString before = m_game.CategoryNames[category - 1].trimmed();
        const QString after = OneLineText(edited.CategoryNames[category - 1].trimmed());
        if (after != before)
            names.append({category, before, after});
    }
    push(label, DocumentPart::Board, records, names, false);
}

void GameSetDocument::ensureDailyDoubles(const std::function<float()>& nextRandom) {
    for (const Square square : BoardSquares()) {
        if (m_game.record(square).isDailyDouble())
            return;
    }
    // Scaled draws rounded half to even: the end columns and rows come up
    // half as often as the inner ones, as in the game.
    const auto draw = [&nextRandom]() -> Square {
        // The products are single precision, like the draws themselves.
        const float categoryDraw = 5.0f * nextRandom();
        const float questionDraw = 4.0f * nextRandom();
        return {RoundHalfEven(static_cast<double>(categoryDraw)) + 1,
                RoundHalfEven(static_cast<double>(questionDraw)) + 1};
    };
    GameSet placed = m_game;
    placed.record(draw()).DailyDouble = MarkedFlag;
    for (int tries = 0; tries < 30; ++tries) {
        QuestionRecord& record = placed.record(draw());
        if (record.DailyDouble == UnmarkedFlag || record.DailyDouble.isEmpty()) {
            record.DailyDouble = MarkedFlag;
            break;
        }
    }
    QList<RecordChange> changes;
    for (const Square square : BoardSquares()) {
        if (placed.record(square) != m_game.record(square))
            changes.append({square, m_game.record(square), placed.record(square)});
    }
    push(tr("Daily Doubles"), DocumentPart::DailyDouble, changes, {}, false);
}

// ---- a whole set replaced as one undoable step

namespace {

// Holds the set that is not shown, with its file name and the view's state
// for it; undo and redo exchange it with the document's.
class ReplaceSetCommand : public QUndoCommand {
public:
    ReplaceSetCommand(GameSetDocument& document, const QString& label, const GameSet& game,
                      const QVariant& viewState)
        : QUndoCommand(label), m_document(document), m_game(game), m_viewState(viewState) {}

    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap() {
        m_document.swapWholeSet(m_game, m_fileName, m_viewState, m_applied);
        m_applied = true;
    }

    GameSetDocument& m_document;
    GameSet m_game;
    QString m_fileName; // an imported set is untitled
    QVariant m_viewState;
    bool m_applied = false;
};

} // namespace

void GameSetDocument::replaceUndoably(const GameSet& game, const QString& label,
                                      const QVariant& viewState) {
    m_undoStack.push(new ReplaceSetCommand(*this, label, game, viewState));
}

void GameSetDocument::swapWholeSet(GameSet& game, QString& fileName, QVariant& viewState,
                                   bool replaying) {
    std::swap(m_game, game);
    std::swap(m_fileName, fileName);
    // The step's first application leaves the view to the caller.
    m_replaying = replaying;
    emit reset();
    if (replaying)
        emit wholeSetSwapped(viewState);
    m_replaying = false;
}
