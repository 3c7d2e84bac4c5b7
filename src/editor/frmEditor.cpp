#include "editor/frmEditor.h"
#include "preview/previewfit.h"

#include "editor/aboutbox.h"
#include "editor/boardartwork.h"
#include "editor/checkpanel.h"
#include "editor/lengthlimit.h"
#include "editor/settransfercommands.h"
#include "editor/spelling.h"

#include "document/autosave.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>

frmEditor::frmEditor(GameSetDocument& document, Services& services, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_services(services) {
    m_ui.setupUi(this);
    ApplyDesignFonts(*this);
    PaintArtwork(m_ui);
    SetToolbarIcons(m_ui, *style());

    // Menu separators carry the names the menu definition gives them.
    const QStringList separatorNames{QStringLiteral("mnuSep1"), QStringLiteral("mnuSep2"),
                                     QStringLiteral("mnuSep3"), QStringLiteral("sep4")};
    int separator = 0;
    for (QAction* action : m_ui.mnuFile->actions()) {
        if (action->isSeparator() && separator < separatorNames.size())
            action->setObjectName(separatorNames.at(separator++));
    }

    // The board is drawn for a fixed 1018 x 681 area. It sits in a scroll
    // area rather than being scaled: where the screen holds it, the window is
    // exactly that size and nothing moves; on a smaller screen (a laptop at
    // 150%) every control can still be reached, at its readable size.
    m_ui.centralwidget->setFixedSize(1018, 681);
    QWidget* board = takeCentralWidget();
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("boardScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAlignment(Qt::AlignCenter);
    scroller->setWidget(board);
    FillBackground(scroller, QColor(4, 10, 48));
    setCentralWidget(scroller);

    BuildParts();
    const Ui::QuestionPanel& panel = m_panel->controls();
    m_guard.watch(panel.fraMultipleAnswers);
    connectControls();
    SetUpFileCommands();
    SetUpEditCommands();
    SetUpSetCommands();
    m_mediaCommands->SetUpPackCommand();
    m_mediaCommands->SetUpMediaLinks();
    SetUpKeyboard();
    panel.fraDailyDoubleMap->attach(m_document);
    panel.fraMultipleAnswers->attach(m_document, m_selection);
    connect(panel.fraDailyDoubleMap, &DailyDoubleMap::squareToggled, m_panel,
            &QuestionPanel::DisPlayQuestion);
    AddHelpMenu(*this, m_services);
}

frmEditor::~frmEditor() {
    // Boxes losing the focus while the window comes down store nothing, and
    // the set (which outlives the window) no longer redraws it.
    delete m_panel;
    delete m_board;
    m_document.disconnect(this);
    m_selection.disconnect();
}

void frmEditor::connectControls() {
    // The boxes' own undo would bypass the set's history (see eventFilter).
    const Ui::QuestionPanel& panel = m_panel->controls();
    for (QLineEdit* box :
         {m_board->controls().txtCategoryName, panel.txtEnterQuestion, panel.txtAnswer})
        box->installEventFilter(this);
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The boxes' own undo would bypass the set's history: the Edit
        // menu's Undo and Redo take these keys everywhere.
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const QAction* action : {mnuEditUndo, mnuEditRedo}) {
            for (const QKeySequence& shortcut : action->shortcuts()) {
                if (QKeySequence(key->keyCombination()) == shortcut)
                    return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmEditor::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    m_fileCommands->Form_QueryUnload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void frmEditor::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Back from the file manager, where media may have been copied or moved.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isHidden()) {
        m_mediaCommands->MediaFiles().forget();
        m_checkPanel->markAll();
        m_panel->ShowFoundMedia();
    }
}

// ---- start-up

void frmEditor::Form_Load(const QString& startFile) {
    // The random generator is seeded from the clock when the services are
    // created, before this window exists.

    // The question panel's neutral state; showing the first square below
    // sets the rest.
    const Ui::QuestionPanel& panel = m_panel->controls();
    panel.fraMultipleAnswers->clear();

    if (startFile.isEmpty() && m_services.readSetting(QStringLiteral("EditCurrentGame"),
                                                      QStringLiteral("0")) == QLatin1String("1"))
        EditCurrentGame = true;

    if (EditCurrentGame && !m_fileCommands->LoadCurrentGame())
        EditCurrentGame = false;
    if (EditCurrentGame) {
        // The game's current file is not the set's file: Save asks where to
        // write, so the game's copy is never replaced unasked.
        m_document.replace(m_document.game(), QString(), false);
    } else {
        GameSet game = m_document.game();
        ResetGameSet(game);
        for (int index = 0; index < 6; ++index)
            game.CategoryNames[index].set(Board::DefaultCategoryName(index + 1));
        m_document.replace(game, QString(), false);
    }
    // A file named at start-up shows itself once opened; the set above is
    // shown when there is none or it cannot be read.
    if (startFile.isEmpty() || !m_fileCommands->OpenChosenGameSet(startFile))
        m_board->ShowWholeBoard();
    // Start-up's own writes are not the author's changes.
    m_document.undoStack().clear();
    m_document.undoStack().setClean();
    // Typing goes into the board at once, as after New or Open.
    m_board->controls().txtCategoryName->setFocus();
}

void frmEditor::FitToScreen() {
    // The board's own size plus the menus and the toolbar, cut to what the
    // screen offers; the scroll area takes up the rest.
    const QSize wanted(m_ui.centralwidget->width(), m_ui.centralwidget->height() +
                                                        menuBar()->sizeHint().height() +
                                                        m_ui.tbEditorToolbar->sizeHint().height());
    QSize available = wanted;
    if (const QScreen* shown = screen()) {
        // Room for the window's frame and title, which exist only once shown.
        available = shown->availableGeometry().size() - QSize(16, 48);
    }
    resize(wanted.boundedTo(available));
}

// ---- the File menu's commands

// ---- undo and redo

void frmEditor::SetUpEditCommands() {
    QUndoStack& stack = m_document.undoStack();
    // The items name the step they take back or repeat.
    mnuEditUndo = stack.createUndoAction(this, tr("&Undo"));
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcuts(QKeySequence::Undo);
    mnuEditRedo = stack.createRedoAction(this, tr("&Redo"));
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The stack's own actions would undo behind the guard's back.
    for (QAction* action : {mnuEditUndo, mnuEditRedo}) {
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        m_ui.mnuEdit->addAction(action);
    }
    connect(mnuEditUndo, &QAction::triggered, this, &frmEditor::mnuEditUndo_Click);
    connect(mnuEditRedo, &QAction::triggered, this, &frmEditor::mnuEditRedo_Click);
}

void frmEditor::mnuEditUndo_Click() {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    m_document.undoStack().undo();
}

void frmEditor::mnuEditRedo_Click() {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    m_document.undoStack().redo();
}
