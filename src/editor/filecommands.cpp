// The File menu: New, Open, Save, Save As, Exit, closing the window and the
// Revision window, with their prompts, captions and error reports.

#include "editor/frmEditor.h"
#include "editor/frmRevision.h"

#include "model/gamesetfile.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QSignalBlocker>

namespace {

const QString UnsavedChangesQuestion =
    QStringLiteral("Would you like to save the changes you made?");

QString GameSetSaveFilter() {
    return AddFilterItem(QString(), QStringLiteral("Game Sets(*.txt)"), QStringLiteral("*.txt"));
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

// "[*]" in a window title is Qt's modified-marker placeholder; a file name
// may contain it, so it is doubled to be shown as written.
QString LiteralTitle(const QString& text) {
    QString title = text;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

} // namespace

// ---- shared steps

namespace {

// Where the game-set dialogs start: the last folder used, else the default.
QString GameSetStartFolder(const EditorState& state) {
    return TrimSpaces(state.CurrentFilePath).isEmpty() ? DefaultGameSetFolder()
                                                       : state.CurrentFilePath;
}

} // namespace

namespace {

// The platform's own keys for a command; some platforms have none for Save
// As or Quit, and then the usual ones are used.
void SetShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        action->setShortcut(usual);
    else
        action->setShortcuts(keys);
}

} // namespace

void frmEditor::SetUpFileCommands() {
    SetShortcut(m_ui.mnuFileNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    SetShortcut(m_ui.mnuFileOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    SetShortcut(m_ui.mnuFileSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    SetShortcut(m_ui.mnuSaveAs, QKeySequence::SaveAs,
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    SetShortcut(m_ui.mnuFilePrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    SetShortcut(m_ui.mnuFileExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

namespace {

// Writes the set to `path`. A failure is reported as the writer reports it,
// and the set stays marked as changed so nothing is dropped without asking.
bool SaveGameSetTo(frmEditor& editor, const QString& path) {
    EditorState& state = editor.m_state;
    const FileError error = SaveFile(state.game, path);
    if (!error.failed()) {
        state.DataChanged = false;
        return true;
    }
    if (error.number == ErrorNumber::PathFileAccess) {
        editor.m_services.showMessage(SaveAccessErrorText(), MessageButtons::Ok,
                                      MessageIcon::Exclamation, QStringLiteral("Quizmora"));
    } else if (error.number != ErrorNumber::DialogCancel) {
        editor.ShowOkMessage(ErrorReportText(
            ReportStyle::Colon, error, editor.objectName(), QStringLiteral("Procedure: SaveFile"),
            {QStringLiteral("Filename: ") + editor.EditorDialogFileName}));
    }
    return false;
}

// The unsaved-changes question of New and Open. True to go on with the
// command, false to stop it.
bool SaveChangesPrompt(frmEditor& editor, const QString& dialogFolder) {
    EditorState& state = editor.m_state;
    if (!state.DataChanged)
        return true;
    const MessageAnswer answer = editor.m_services.showMessage(
        UnsavedChangesQuestion, MessageButtons::YesNoCancel, MessageIcon::None, QString());
    if (answer == MessageAnswer::No)
        return true;
    if (answer != MessageAnswer::Yes)
        return false;

    QString path = state.CurrentFileName;
    if (path.isEmpty()) {
        path = editor.m_services.getSaveFileName(dialogFolder, GameSetSaveFilter(), QString());
        if (path.isEmpty())
            return false;
    }
    // A failed save has been reported; going on would drop the changes.
    if (!SaveGameSetTo(editor, path))
        return false;
    state.CurrentFilePath = FolderOfPath(path);
    return true;
}

void SetFileCaption(frmEditor& editor, const QString& caption) {
    editor.setWindowTitle(LiteralTitle(caption));
}

// Exit's question and clean-up. True when the program is to end, false
// when the author stays in the editor.
bool ExitCommand(frmEditor& editor) {
    EditorState& state = editor.m_state;
    if (state.DataChanged) {
        const MessageAnswer answer = editor.m_services.showMessage(
            UnsavedChangesQuestion, MessageButtons::YesNoCancel, MessageIcon::None, QString());
        if (answer == MessageAnswer::Yes) {
            // The save dialog's name buffer holds 256 characters.
            const QString path = editor.m_services.getSaveFileName(
                state.LastGameSetFolder, GameSetSaveFilter(), state.CurrentFileName.left(256));
            if (path.isEmpty())
                return false;
            // The failure has been reported; the author stays with the changes.
            if (!SaveGameSetTo(editor, path))
                return false;
        } else if (answer != MessageAnswer::No) {
            return false;
        }
    }

    editor.MediaPlayer1->stop();
    editor.MediaPlayer2->stop();
    state.CurrentFileName.clear();
    ResetGameSet(state.game);
    editor.ResetBoardDisplay();
    state.DataChanged = false;
    return true;
}

} // namespace

// ---- New and Open

void frmEditor::mnuFileNew_Click() {
    if (MultipleChoiceGuard())
        return;
    if (!SaveChangesPrompt(*this, DefaultGameSetFolder()))
        return;

    for (QPushButton* button : btnQuestion)
        button->show();
    m_ui.btnPicture->setVisible(true);
    m_ui.btnSound->setVisible(true);
    m_ui.btnVideo->setVisible(true);
    m_ui.chkDailyDouble->setChecked(false);

    ResetGameSet(m_state.game);
    for (QLabel* choice : lblAnswerChoices)
        choice->hide();
    ClearDailyDoubleMap();
    m_state.CurrentFileName.clear();
    CurrentCategory = 1;

    for (int index = 0; index < 6; ++index) {
        lblCategory[index]->setEnabled(true);
        m_state.game.CategoryNames[index].set(QString());
        lblCategory[index]->setText(DefaultCategoryName(index + 1));
    }

    HideArrows();
    lblCategory[0]->setEnabled(false);
    m_ui.lblC1Arrow->show();
    m_ui.lblQ1Arrow->show();
    {
        // A new set keeps all six names blank; the box only shows the
        // default caption, so its change handler must not store it.
        const QSignalBlocker quiet(m_ui.txtCategoryName);
        m_ui.txtCategoryName->setText(DefaultCategoryName(1));
    }
    CurrentQuestion = 1;
    CurrentCategory = 1;
    m_ui.txtCategoryName->setReadOnly(false);
    DisPlayQuestion();

    m_state.DataChanged = false;
    m_ui.btnCopy->show();
    m_ui.lblCopyFont->show();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    SetFileCaption(*this, QStringLiteral("untitled"));
    m_ui.txtCategoryName->setFocus();
}

void frmEditor::mnuFileOpen_Click() {
    if (MultipleChoiceGuard())
        return;
    if (!SaveChangesPrompt(*this, GameSetStartFolder(m_state)))
        return;

    EditorDialogFileName.clear();
    const QString path = m_services.getOpenFileName(GameSetStartFolder(m_state),
                                                    QStringLiteral("Game Sets(*.txt)|*.txt"));
    if (path.isEmpty())
        return;
    OpenChosenGameSet(path);
}

void frmEditor::OpenChosenGameSet(const QString& path) {
    EditorDialogFileName = path;
    m_state.CurrentFilePath = path;
    OpenGameSetFile(path);
    // After a failed read the set is empty: its squares are all black.
    PaintDailyDoubleMap();

    GameSet& game = m_state.game;
    for (QLabel* choice : lblAnswerChoices)
        choice->hide();
    for (int index = 0; index < 6; ++index) {
        const QString name = game.CategoryNames[index].trimmed();
        game.CategoryNames[index].set(name);
        lblCategory[index]->setText(name);
    }
    CurrentQuestion = 1;
    CurrentCategory = 1;
    // Category 1 is selected: its name box is editable even when the final
    // question was shown before.
    m_ui.txtCategoryName->setReadOnly(false);
    DisPlayQuestion();

    m_state.CurrentFileName = path;
    FileTitle = FileNameOfPath(path);
    SetFileCaption(*this, FileTitle);

    for (int index = 0; index < 5; ++index)
        btnQuestion[index]->show();
    // All six captions become clickable again, the first one greyed as selected.
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    HideArrows();
    lblCategory[0]->setEnabled(false);
    m_ui.lblQ1Arrow->show();
    m_ui.lblC1Arrow->show();
    m_ui.btnPicture->setVisible(true);
    m_ui.btnSound->setVisible(true);
    m_ui.btnVideo->setVisible(true);
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    m_ui.txtCategoryName->setText(game.CategoryNames[0].trimmed());
    m_state.DataChanged = false;
    m_ui.txtCategoryName->setFocus();
}

// ---- Save and Save As

namespace {

// Save and Save As on a chosen name: the save dialog, the overwrite question
// when the file exists, the Daily Double rule and the write. The path
// written, or "" when the command stopped or the write failed.
QString SaveToChosenFile(frmEditor& editor, const QString& overwriteQuestion) {
    const QString path = editor.m_services.getSaveFileName(GameSetStartFolder(editor.m_state),
                                                           GameSetSaveFilter(), QString());
    if (path.isEmpty())
        return QString();
    if (FileExists(path) &&
        editor.m_services.showMessage(overwriteQuestion, MessageButtons::YesNo, MessageIcon::None,
                                      QString()) != MessageAnswer::Yes)
        return QString();
    editor.EnsureDailyDoubles();
    // A file that could not be written does not become the set's file.
    if (!SaveGameSetTo(editor, path))
        return QString();
    editor.m_state.CurrentFileName = path;
    return path;
}

} // namespace

void frmEditor::mnuFileSave_Click() {
    if (MultipleChoiceGuard())
        return;
    if (!TrimSpaces(m_state.CurrentFileName).isEmpty()) {
        EnsureDailyDoubles();
        SaveGameSetTo(*this, m_state.CurrentFileName);
        return;
    }
    const QString path = SaveToChosenFile(
        *this, QStringLiteral("Filename Already Exists. Overwrite Existing File?"));
    if (path.isEmpty())
        return;
    // Cut at the first "." of the whole path, folders included.
    FileTitle = StripExtension(path);
    SetFileCaption(*this, m_state.AppTitle + QStringLiteral(" - ") + FileTitle);
}

void frmEditor::mnuSaveAs_Click() {
    if (MultipleChoiceGuard())
        return;
    const QString path =
        SaveToChosenFile(*this, QStringLiteral("File already exists. Select Yes to overwrite"));
    if (path.isEmpty())
        return;
    FileTitle = FileNameOfPath(path);
    SetFileCaption(*this, m_state.AppTitle + QStringLiteral(" - ") + TrimSpaces(FileTitle));
}

// ---- Exit and closing the window

void frmEditor::mnuFileExit_Click() {
    if (!ExitCommand(*this))
        return;
    ProgramEnding = true;
    close();
    QCoreApplication::quit();
}

void frmEditor::Form_QueryUnload(bool& cancel, UnloadReason reason) {
    if (reason != UnloadReason::UserClose)
        return;
    // The close box asks as Exit does: the window closes only when Exit ends
    // the program, and stays open when the author stays.
    Form_Unload(cancel);
}

void frmEditor::Form_Unload(bool& cancel) {
    if (ProgramEnding)
        return;
    if (ExitCommand(*this)) {
        ProgramEnding = true;
        QCoreApplication::quit();
    } else {
        cancel = true;
    }
}

// ---- Revision

void frmEditor::mnuFileRevision_Click() {
    // The window deletes itself when closed and enables this one again.
    auto* revision = new frmRevision(this);
    revision->show();
}
