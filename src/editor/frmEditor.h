#pragma once

#include "document/gamesetdocument.h"
#include "editor/board.h"
#include "editor/boardselection.h"
#include "editor/filecommands.h"
#include "editor/mediacommands.h"
#include "editor/questionpanel.h"
#include "model/gameset.h"
#include "model/gamesetcheck.h"
#include "services/services.h"
#include "ui_frmEditor.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Autosave;
class CheckPanel;
class SetTransferCommands;
class SpellingPart;

// The editor's one window: the shell that puts the parts together (the
// board, the Daily Double map, the question panel, the multiple-choice box,
// the file, media and set-wide commands) with the menus, the toolbar and the
// scroll area, and that starts and closes the editor. The parts share the
// document, the selected square and the multiple-choice refusal; they are
// public so tests can reach them.
class frmEditor : public QMainWindow {
    Q_OBJECT

public:
    frmEditor(GameSetDocument& document, Services& services, QWidget* parent = nullptr);
    ~frmEditor() override;

    // ---- start-up (frmEditor.cpp)
    // startFile: a game set named on the command line, opened in place of the game's current game.
    void Form_Load(const QString& startFile = QString());
    // Sizes the window to the board, or to the screen where that is smaller.
    void FitToScreen();
    // Offers the recovery copies of editors that ended without saving; a
    // recovered set opens as changed. Failures to keep this editor's own
    // copy are reported from then on.
    void OfferRecovery(Autosave& autosave);

    // ---- undo and redo (frmEditor.cpp)
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();

    // Set from the game's settings: start-up edits the game's current game.
    bool EditCurrentGame = false;

    Ui::frmEditor m_ui;
    GameSetDocument& m_document;
    Services& m_services;
    BoardSelection m_selection;
    CommandGuard m_guard{m_services};
    // The parts, children of the window (the media commands owned here).
    Board* m_board = nullptr;
    QuestionPanel* m_panel = nullptr;
    FileCommands* m_fileCommands = nullptr;
    std::unique_ptr<MediaCommands> m_mediaCommands;
    CheckPanel* m_checkPanel = nullptr;
    SetTransferCommands* m_setTransfer = nullptr;
    SpellingPart* m_spelling = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- the parts put together (editorparts.cpp)
    void BuildParts();
    // Builds the File menu's commands and connects what follows them.
    void SetUpFileCommands();
    // The check panel, import, export, print and spelling, wired to the window.
    void SetUpSetCommands();
    // After the check panel selected a finding's square: the window up and
    // the cursor in the box that holds `part` of it.
    void FocusFindingBox(CheckPart part);
    // Tab order, Return, Alt+1..7.
    void SetUpKeyboard();

    void SetUpEditCommands();
    void connectControls();
};
