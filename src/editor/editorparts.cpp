// The window's parts put together: each built over its controls, and
// connected where one follows another; then the keyboard across them.

#include "editor/frmEditor.h"

#include "document/autosave.h"
#include "editor/checkpanel.h"
#include "editor/settransfercommands.h"
#include "editor/spelling.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QShortcut>

void frmEditor::BuildParts() {
    // Both parts lie over the window's drawing, their controls side by side.
    m_board = new Board(m_document, m_selection, m_guard, m_ui.centralwidget);
    const Board::Controls& board = m_board->controls();
    m_panel =
        new QuestionPanel(*this, m_ui.centralwidget, board.txtCategoryName,
                          {m_ui.btnText, m_ui.btnPicture, m_ui.btnSound, m_ui.btnVideo}, m_document,
                          m_services, m_selection, m_guard, [this](const QString& path) {
                              return m_mediaCommands->LocateMedia(path);
                          });
    // The panel covers the whole drawing: it lies just over the background,
    // under the board (which takes the mouse only over its own controls) and
    // the window's own controls, so each of them gets its clicks.
    m_panel->lower();
    m_ui.imgBackground->lower();
    const Ui::QuestionPanel& panel = m_panel->controls();
    // The question panel shows whichever square is chosen, after the board
    // has moved its arrows and name box there.
    connect(&m_selection, &BoardSelection::changed, m_panel, &QuestionPanel::DisPlayQuestion);
    connect(m_panel, &QuestionPanel::questionButtonsHidden, m_board,
            [this] { m_board->SetQuestionButtonsVisible(false); });
    connect(m_panel, &QuestionPanel::squareReplayed, m_board, &Board::SelectSquare);
    connect(m_board, &Board::questionCommandsRestored, m_panel,
            &QuestionPanel::ShowQuestionCommands);
    connect(m_board, &Board::movedOn, m_panel, &QuestionPanel::FocusQuestion);
    m_mediaCommands = std::make_unique<MediaCommands>(
        m_document, m_selection, m_guard, m_services,
        MediaCommands::Controls{this, m_ui.mnuFile, m_ui.mnuEdit, m_ui.mnuFilePrint,
                                m_ui.btnPicture, m_ui.btnSound, m_ui.btnVideo,
                                panel.chkFilenameAnswer});
    connect(m_mediaCommands.get(), &MediaCommands::questionChanged, m_panel,
            &QuestionPanel::DisPlayQuestion);
    connect(m_mediaCommands.get(), &MediaCommands::soundChosen, m_panel,
            [this](const QString& path) { m_panel->players().SetSoundPath(path); });
    connect(m_mediaCommands.get(), &MediaCommands::mediaPlacesChanged, this, [this] {
        m_checkPanel->markAll();
        m_panel->ShowMediaAnew();
    });
}

void frmEditor::SetUpFileCommands() {
    const FileCommands::Controls controls{this,
                                          m_ui.mnuFile,
                                          m_ui.lblChangedOnDisk,
                                          m_ui.mnuFileNew,
                                          m_ui.btnNewFile,
                                          m_ui.mnuFileOpen,
                                          m_ui.btnFileOpen,
                                          m_ui.mnuFileSave,
                                          m_ui.btnSave,
                                          m_ui.mnuSaveAs,
                                          m_ui.btnSaveAs,
                                          m_ui.mnuFileRevision,
                                          m_ui.mnuFileExit};
    m_fileCommands = new FileCommands(
        m_document, m_services, m_guard, controls, [this] { return m_panel->ConfirmTextLoss(); },
        this);
    SetStandardShortcut(m_ui.mnuFilePrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    FileCommands* files = m_fileCommands;
    connect(files, &FileCommands::wholeSetShown, m_board, &Board::ShowWholeBoard);
    connect(files, &FileCommands::newSetShown, this, [this] {
        // A new set keeps all six names blank; the board and the name box
        // only show the default captions, so nothing is stored.
        const QSignalBlocker quiet(m_board->controls().txtCategoryName);
        m_board->controls().txtCategoryName->setText(Board::DefaultCategoryName(1));
        m_board->ShowDefaultCaptions();
    });
    connect(files, &FileCommands::boardFocusWanted, m_board->controls().txtCategoryName,
            qOverload<>(&QWidget::setFocus));
    connect(files, &FileCommands::savingSet, this,
            [this] { m_document.ensureDailyDoubles([this] { return m_services.nextRandom(); }); });
    connect(files, &FileCommands::setSaved, m_mediaCommands.get(), &MediaCommands::FollowSetFolder);
    connect(files, &FileCommands::leavingSet, m_panel, &QuestionPanel::StopMedia);
    connect(files, &FileCommands::setClosed, this, [this] {
        m_panel->ResetBoardDisplay();
        m_board->ShowDefaultCaptions();
    });
}

void frmEditor::OfferRecovery(Autosave& autosave) {
    connect(&autosave, &Autosave::problemChanged, m_panel, &QuestionPanel::ShowRecoveryProblem);
    m_panel->ShowRecoveryProblem(autosave.problem());
    m_fileCommands->OfferRecovery(autosave);
}

void frmEditor::SetUpSetCommands() {
    const Ui::QuestionPanel& panel = m_panel->controls();
    CheckPanel::Hooks check;
    check.locateMedia = [this](const QString& path) { return m_mediaCommands->LocateMedia(path); };
    // Through the board's own controls, as a click selects the square.
    check.showSquare = [this](Square square) {
        if (square.isFinal()) {
            m_board->picFinalQuestion_Click();
            return;
        }
        m_board->lblCategory_Click(square.category - 1);
        m_board->btnQuestion_Click(square.question - 1);
    };
    check.focusPart = [this](CheckPart part) { FocusFindingBox(part); };
    m_checkPanel = new CheckPanel(*this, m_document, m_guard, m_ui.mnuEdit, std::move(check));
    connect(m_checkPanel, &CheckPanel::findMissingMediaRequested, m_mediaCommands.get(),
            &MediaCommands::mnuFindMissingMedia_Click);

    SetTransferCommands::Hooks transfer;
    transfer.chooserFolder = [this] { return m_fileCommands->CurrentFilePath; };
    transfer.viewState = [this] { return m_fileCommands->ImportViewState(); };
    m_setTransfer = new SetTransferCommands(
        *this, m_document, m_services, m_guard,
        {m_ui.mnuFile, m_ui.mnuImportTabDelimited, m_ui.mnuFilePrint, m_ui.btnPrint},
        std::move(transfer));
    connect(m_setTransfer, &SetTransferCommands::wholeSetReplaced, m_board, &Board::ShowWholeBoard);

    const SpellingPart::Controls spelling{m_ui.chkSpellChecker,
                                          m_ui.centralwidget,
                                          m_ui.lblSpellCheckerPadding,
                                          m_ui.mnuEdit,
                                          m_board->controls().txtCategoryName,
                                          panel.txtEnterQuestion,
                                          panel.txtAnswer,
                                          panel.fraMultipleAnswers->choiceBoxes()};
    m_spelling = new SpellingPart(*this, m_document, m_services, m_selection, m_guard, spelling,
                                  [this](Square square) { m_board->SelectSquare(square); });
}

void frmEditor::FocusFindingBox(CheckPart part) {
    QWidget* box = m_panel->BoxFor(part);
    raise();
    activateWindow();
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

void frmEditor::SetUpKeyboard() {
    const Ui::QuestionPanel& panel = m_panel->controls();
    const Ui::MediaPlayers& players = m_panel->players().controls();
    // Name, question, answer, then the rest of the panel: Next comes last, so
    // Tab from the question box never lands on it and types into the next square.
    const QList<QWidget*> order{m_board->controls().txtCategoryName,
                                panel.txtEnterQuestion,
                                panel.txtAnswer,
                                panel.chkFilenameAnswer,
                                panel.chkDailyDouble,
                                panel.btnMultipleChoice,
                                panel.btnSingleChoice,
                                panel.btnFont,
                                panel.btnFontColor,
                                panel.btnDefault,
                                panel.btnCopy,
                                players.btnPlay,
                                players.btnStop,
                                players.btnVideoPlay,
                                players.btnVideoPause,
                                players.btnVideoStop,
                                m_board->controls().btnNext};
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));

    // Return in the answer box moves on, as Next does.
    connect(panel.txtAnswer, &QLineEdit::returnPressed, m_board, &Board::btnNext_Click);

    for (int category = 1; category <= 7; ++category) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + category)), this);
        if (category == Square::FinalCategory)
            connect(shortcut, &QShortcut::activated, m_board, &Board::picFinalQuestion_Click);
        else
            connect(shortcut, &QShortcut::activated, m_board,
                    [this, category] { m_board->lblCategory_Click(category - 1); });
    }
}
