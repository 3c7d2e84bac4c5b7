#pragma once

#include "document/diskstate.h"
#include "model/fileerror.h"
#include "model/gameset.h"
#include "model/mediakind.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <QUndoStack>
#include <QVariant>

#include <functional>
#include <optional>

// Which part of a square a change touched, so views redraw only that.
// Media: the path of a picture, sound or video, the question's kind and words kept.
enum class DocumentPart { Name, Question, Answer, Choices, Kind, DailyDouble, Look, Board, Media };

// The kind of file a question names, by the type letter the game plays it
// by or by the file's name as the window shows it: a sound keeps its path
// in MediaPath, a picture or video in QuestionText; None for text.
MediaKind MediaKindOfRecord(const QuestionRecord& record);
// The stored path of that file, trimmed; "" for a text question.
QString MediaPathOfRecord(const QuestionRecord& record);

// The game set being edited, its file and whether it differs from that file.
// Every change goes through the edit functions below as one undoable step;
// `changed` tells the views which square and part changed, on the first
// application as on every undo and redo.
class GameSetDocument : public QObject {
    Q_OBJECT

public:
    explicit GameSetDocument(QObject* parent = nullptr);

    const GameSet& game() const { return m_game; }
    const QuestionRecord& record(Square square) const { return m_game.record(square); }
    // The file the set was opened from or saved to; "" for an untitled set.
    const QString& fileName() const { return m_fileName; }
    // True when the content differs from what was last opened or saved.
    bool isModified() const { return !m_undoStack.isClean(); }
    QUndoStack& undoStack() { return m_undoStack; }
    // True while an undo or redo applies its change, so a view can show the
    // square that changed.
    bool isReplaying() const { return m_replaying; }
    // True when the set's file is no longer as this editor opened or last
    // saved it: another program wrote, replaced, removed or created it.
    // Always false for an untitled set.
    bool fileChangedOnDisk() const;

    // ---- the set as a whole; each starts a fresh history
    // A new untitled set: every field at its default, names blank.
    void newSet();
    // Replaces the set with `game`, from `fileName` ("" for untitled).
    // `modified` marks a set that has not been saved anywhere yet.
    void replace(const GameSet& game, const QString& fileName, bool modified);
    // Reads `path`; the set is replaced only when the file could be read.
    FileError open(const QString& path);
    // Writes the set to `path` and makes it the set's file. A failed write
    // leaves the old file, the set's file name and the modified state as
    // they were.
    FileError save(const QString& path);

    // ---- edits; a value equal to the stored one changes nothing
    void setCategoryName(int category, const QString& name);
    void setQuestionText(Square square, const QString& text);
    void setAnswer(Square square, const QString& answer);
    // The four choices A..D and, when `rightLetter` is 0..3, the answer
    // taken from that choice.
    void setChoices(Square square, const std::array<QString, 4>& choices, int rightLetter);
    void clearChoices(Square square);
    void setDailyDouble(Square square, bool marked);
    // The font and colour fields; a colour of nullopt keeps the stored one.
    void setLook(Square square, const QString& label, const QString& fontName,
                 const QString& fontSize, bool bold, bool italic,
                 const std::optional<QString>& fontColor);
    // Fills in the standard look where a text question has no font or colour.
    void fillDefaultLook(Square square);
    // The look of `source` on every text question of the board.
    void copyLookToBoard(Square source);
    // Turns the question into a text question (None), or attaches a picture,
    // sound or video file. What the old kind stored is cleared, so the saved
    // file shows the new kind.
    void setKind(Square square, MediaKind kind, const QString& path = QString());
    // New paths for the media of several squares, as one step "Relink
    // Media": the file a picture, sound or video question names, each kept
    // in the field its kind keeps it in. Texts, answers and choices stay.
    void relinkMedia(const QList<QPair<Square, QString>>& paths);
    // Any texts of the board at once, as one step labelled `label`: `edit`
    // changes a copy of the set (a word changed all over the board).
    void editTexts(const QString& label, const std::function<void(GameSet&)>& edit);
    // Two random Daily Doubles when the board has none. `nextRandom` gives
    // draws in [0, 1).
    void ensureDailyDoubles(const std::function<float()>& nextRandom);

    // Ends the typing step being merged: the next keystroke starts a new one.
    void endTyping() { ++m_typingBurst; }

    // Applies records and names; used by the undo commands.
    struct RecordChange {
        Square square;
        QuestionRecord before;
        QuestionRecord after;
    };
    struct NameChange {
        int category;
        QString before;
        QString after;
    };
    void apply(const QList<RecordChange>& records, const QList<NameChange>& names,
               DocumentPart part, bool forward, bool replaying);

    // ---- a whole set replaced as one undoable step (Import)
    // Replaces the set with `game`, untitled, as one step labelled `label`.
    // Undo brings back the previous set, its file name and, through the
    // undo stack's clean state, its modified state. `viewState` is what the
    // view keeps for the set being replaced (its caption, say): it comes back
    // through wholeSetSwapped when that set does.
    void replaceUndoably(const GameSet& game, const QString& label, const QVariant& viewState);
    // Exchanges the set and its file name with the given ones; used by that step.
    void swapWholeSet(GameSet& game, QString& fileName, QVariant& viewState, bool replaying);

signals:
    void changed(Square square, DocumentPart part);
    // The whole set was replaced (New, Open, Import).
    void reset();
    void modifiedChanged(bool modified);
    // An undo or redo of replaceUndoably brought another set back, after
    // reset(): `viewState` holds what the view kept for it, and the view
    // puts its own state for the set leaving in its place.
    void wholeSetSwapped(QVariant& viewState);
    // The set's file changed on disk, not by a save of this document. Told
    // once for each new state of the file.
    void fileChangedElsewhere();

private:
    // Pushes one step that turns `square`'s record into the result of `edit`.
    void editRecord(Square square, DocumentPart part, const QString& label,
                    const std::function<void(QuestionRecord&)>& edit, bool typing = false);
    void push(const QString& label, DocumentPart part, QList<RecordChange> records,
              QList<NameChange> names, bool typing);

    // Records the file as it is now as the one this set matches, and
    // watches it (and its folder, where a replacing rename shows).
    void takeDiskState(const DiskState& state);
    void watchFile();
    void watchedFileTouched();

    GameSet m_game;
    QString m_fileName;
    DiskState m_diskState;     // the file as last opened or saved here
    DiskState m_reportedState; // the last state told by fileChangedElsewhere
    QFileSystemWatcher m_watcher;
    QTimer m_watchDelay; // one look after a burst of writes
    QUndoStack m_undoStack;
    bool m_replaying = false;
    int m_typingBurst = 0;
};
