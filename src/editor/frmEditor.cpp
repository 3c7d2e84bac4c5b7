#include "editor/frmEditor.h"
#include "preview/previewfit.h"

#include "editor/aboutbox.h"
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

namespace {

// The board's colours: a deep blue quiz board with gold and white lettering.
const QColor BoardBlue(10, 22, 92);
const QColor PanelBlue(22, 44, 150);
const QColor PreviewBlue(6, 18, 140);
const QColor Gold(255, 204, 51);

QPixmap GradientPixmap(const QSize& size, const QColor& top, const QColor& bottom) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

// Artwork as the widget's background, the same in every state: while a
// dialog has the editor's input, the board dims its text, not its pictures.
void PaintBehind(QWidget* widget, const QPixmap& artwork) {
    QPalette colours = widget->palette();
    colours.setBrush(QPalette::Window, QBrush(artwork));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, colour.darker(170));
    widget->setPalette(colours);
}

} // namespace

frmEditor::frmEditor(GameSetDocument& document, Services& services, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_services(services) {
    m_ui.setupUi(this);
    collectControlArrays();
    applyDesignFonts();
    paintArtwork();
    setToolbarIcons();

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

    MediaPlayer1 = m_services.createMediaPlayer(m_ui.picVideo);
    MediaPlayer2 = m_services.createMediaPlayer(nullptr);
    SetUpMediaPreview();

    // The preview is as large as the player's; its size is kept with the fit.
    m_ui.lblDisPlayQuestion->resize(PreviewWidth, PreviewFullHeight);

    // The path is shown for reading; the file is changed with the media commands.
    m_ui.txtPath->setReadOnly(true);

    m_guard.watch(m_ui.fraMultipleAnswers);
    const Board::Controls boardControls{
        {m_ui.lblCategory_0, m_ui.lblCategory_1, m_ui.lblCategory_2, m_ui.lblCategory_3,
         m_ui.lblCategory_4, m_ui.lblCategory_5},
        m_ui.picFinalQuestion,
        {m_ui.btnQuestion_0, m_ui.btnQuestion_1, m_ui.btnQuestion_2, m_ui.btnQuestion_3,
         m_ui.btnQuestion_4},
        {m_ui.lblC1Arrow, m_ui.lblC2Arrow, m_ui.lblC3Arrow, m_ui.lblC4Arrow, m_ui.lblC5Arrow,
         m_ui.lblC6Arrow, m_ui.lblC7Arrow},
        {m_ui.lblQ1Arrow, m_ui.lblQ2Arrow, m_ui.lblQ3Arrow, m_ui.lblQ4Arrow, m_ui.lblQ5Arrow},
        m_ui.txtCategoryName,
        m_ui.btnNext};
    m_board = new Board(m_document, m_selection, m_guard, boardControls, this);
    // The question panel shows whichever square is chosen.
    connect(&m_selection, &BoardSelection::changed, this, &frmEditor::DisPlayQuestion);
    connect(m_board, &Board::questionCommandsRestored, this, [this](bool withVideo) {
        m_ui.btnMultipleChoice->show();
        m_ui.btnSingleChoice->show();
        if (withVideo)
            m_ui.btnVideo->setVisible(true);
    });
    connect(m_board, &Board::movedOn, this, [this] {
        if (IsShown(m_ui.txtEnterQuestion))
            m_ui.txtEnterQuestion->setFocus();
    });
    m_mediaCommands = std::make_unique<MediaCommands>(
        m_document, m_selection, m_guard, m_services,
        MediaCommands::Controls{this, m_ui.mnuFile, m_ui.mnuEdit, m_ui.mnuFilePrint,
                                m_ui.btnPicture, m_ui.btnSound, m_ui.btnVideo,
                                m_ui.chkFilenameAnswer});
    connect(m_mediaCommands.get(), &MediaCommands::questionChanged, this,
            &frmEditor::DisPlayQuestion);
    connect(m_mediaCommands.get(), &MediaCommands::soundChosen, this,
            [this](const QString& path) { CurrentSoundPath = path; });
    connect(m_mediaCommands.get(), &MediaCommands::chooserFileNameChanged, this,
            [this](const QString& name) { EditorDialogFileName = name; });
    connect(m_mediaCommands.get(), &MediaCommands::mediaPlacesChanged, this, [this] {
        m_checkPanel->markAll();
        // A medium of the shown question found or lost is shown so at once.
        if (MediaKindOfRecord(CurrentRecord()) != MediaKind::None &&
            !IsShown(m_ui.fraMultipleAnswers))
            DisPlayQuestion();
    });
    connectControls();
    SetUpFileCommands();
    SetUpEditCommands();
    SetUpSetCommands();
    m_mediaCommands->SetUpPackCommand();
    m_mediaCommands->SetUpMediaLinks();
    SetUpKeyboard();
    m_ui.fraDailyDoubleMap->attach(m_document);
    m_ui.fraMultipleAnswers->attach(m_document, m_selection);
    connect(m_ui.fraDailyDoubleMap, &DailyDoubleMap::squareToggled, this,
            &frmEditor::DisPlayQuestion);
    connect(&m_document, &GameSetDocument::changed, this, &frmEditor::onDocumentChanged);
    SetUpHelpMenu();
}

frmEditor::~frmEditor() {
    // Boxes losing the focus while the window comes down store nothing, and
    // the set (which outlives the window) no longer redraws it.
    delete m_board;
    m_document.disconnect(this);
    m_selection.disconnect();
}

void frmEditor::collectControlArrays() {
    picCategory = {m_ui.picCategory_0, m_ui.picCategory_1, m_ui.picCategory_2,
                   m_ui.picCategory_3, m_ui.picCategory_4, m_ui.picCategory_5};
    lblAnswerChoices = {m_ui.lblFirstAnswer, m_ui.lblSecondAnswer, m_ui.lblThirdAnswer,
                        m_ui.lblForthAnswer};
    txtEditAnswer = m_ui.fraMultipleAnswers->choiceBoxes();
}

void frmEditor::applyDesignFonts() {
    // Designer files hold whole point sizes only; the fractional sizes of the
    // window's fonts (8.25, 20.25, ...) ride along as a property.
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant size = widget->property("designPointSize");
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        widget->setFont(font);
    }
}

void frmEditor::paintArtwork() {
    QWidget* board = m_ui.centralwidget;
    QPalette colours = board->palette();
    colours.setColor(QPalette::Window, BoardBlue);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 160, 200));
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Button, QColor(232, 234, 242));
    colours.setColor(QPalette::ButtonText, QColor(10, 22, 92));
    board->setPalette(colours);
    board->setAutoFillBackground(true);

    // The board behind everything, with the player's screen framed in gold
    // where the preview, the answer choices and the media show.
    QPixmap background =
        GradientPixmap(m_ui.imgBackground->size(), QColor(14, 30, 110), QColor(4, 10, 48));
    {
        QPainter painter(&background);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect screen = m_ui.picQuestionPicture->geometry();
        painter.setPen(QPen(Gold, 3));
        painter.setBrush(PreviewBlue);
        painter.drawRoundedRect(QRectF(screen).adjusted(-3.5, -3.5, 3.5, 3.5), 6, 6);
    }
    PaintBehind(m_ui.imgBackground, background);

    // A small emblem in the corner: a gold question mark on a blue tile.
    QPixmap emblem(m_ui.Image1->size());
    emblem.fill(Qt::transparent);
    {
        QPainter painter(&emblem);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(PanelBlue);
        painter.setPen(QPen(Gold, 2));
        painter.drawRoundedRect(emblem.rect().adjusted(2, 2, -2, -2), 8, 8);
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(56);
        painter.setFont(font);
        painter.drawText(emblem.rect(), Qt::AlignCenter, QStringLiteral("?"));
    }
    PaintBehind(m_ui.Image1, emblem);

    for (QLabel* panel : picCategory) {
        PaintBehind(panel, GradientPixmap(panel->size(), QColor(40, 70, 200), QColor(12, 28, 120)));
    }
    for (ClickableLabel* caption : {m_ui.lblCategory_0, m_ui.lblCategory_1, m_ui.lblCategory_2,
                                    m_ui.lblCategory_3, m_ui.lblCategory_4, m_ui.lblCategory_5}) {
        SetTextColour(caption, Qt::white);
        // The selected category is the one disabled: it reads as chosen, in
        // gold, rather than greyed out.
        QPalette colours = caption->palette();
        colours.setColor(QPalette::Disabled, QPalette::WindowText, Gold);
        caption->setPalette(colours);
        caption->setCursor(Qt::PointingHandCursor);
    }
    FillBackground(m_ui.picFinalQuestion, QColor(150, 20, 30));
    SetTextColour(m_ui.picFinalQuestion, Gold);
    m_ui.picFinalQuestion->setCursor(Qt::PointingHandCursor);

    for (QLabel* arrow : {m_ui.lblC1Arrow, m_ui.lblC2Arrow, m_ui.lblC3Arrow, m_ui.lblC4Arrow,
                          m_ui.lblC5Arrow, m_ui.lblC6Arrow, m_ui.lblC7Arrow, m_ui.lblQ1Arrow,
                          m_ui.lblQ2Arrow, m_ui.lblQ3Arrow, m_ui.lblQ4Arrow, m_ui.lblQ5Arrow})
        SetTextColour(arrow, Gold);

    // The board's colours would reach the notice of a change on disk; it
    // keeps the ones it was designed with.
    FillBackground(m_ui.lblChangedOnDisk, QColor(255, 241, 184));
    SetTextColour(m_ui.lblChangedOnDisk, Qt::black);
    FillBackground(m_ui.lblDisPlayQuestion, PreviewBlue);
    for (QLabel* choice : lblAnswerChoices) {
        FillBackground(choice, PreviewBlue);
        SetTextColour(choice, Qt::white);
    }
    FillBackground(m_ui.picQuestionPicture, Qt::black);
    FillBackground(m_ui.picVideo, Qt::black);
    FillBackground(m_ui.lblDailyDoublePadding, PanelBlue);
    FillBackground(m_ui.lblSpellCheckerPadding, PanelBlue);
    SetTextColour(m_ui.lblPreview, Gold);
    SetTextColour(m_ui.lblDDLocations, Gold);
}

void frmEditor::setToolbarIcons() {
    struct IconChoice {
        QAction* action;
        const char* themeName;
        QStyle::StandardPixmap fallback;
    };
    const IconChoice choices[] = {
        {m_ui.btnNewFile, "document-new", QStyle::SP_FileIcon},
        {m_ui.btnFileOpen, "document-open", QStyle::SP_DialogOpenButton},
        {m_ui.btnSave, "document-save", QStyle::SP_DialogSaveButton},
        {m_ui.btnSaveAs, "document-save-as", QStyle::SP_DriveFDIcon},
        {m_ui.btnPrint, "document-print", QStyle::SP_ComputerIcon},
        {m_ui.btnVideo, "video-x-generic", QStyle::SP_MediaPlay},
        {m_ui.btnPicture, "image-x-generic", QStyle::SP_DesktopIcon},
        {m_ui.btnSound, "audio-x-generic", QStyle::SP_MediaVolume},
        {m_ui.btnText, "format-text-bold", QStyle::SP_FileDialogDetailedView},
    };
    for (const IconChoice& choice : choices) {
        choice.action->setIcon(QIcon::fromTheme(QString::fromLatin1(choice.themeName),
                                                style()->standardIcon(choice.fallback)));
    }
    // One play glyph for sound and video.
    m_ui.btnPlay->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_ui.btnVideoPlay->setText(QString());
    m_ui.btnVideoPlay->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_ui.btnStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
}

void frmEditor::connectControls() {
    // Menu commands and the toolbar buttons that stand for them; the parts
    // connect their own.
    connect(m_ui.btnText, &QAction::triggered, this, &frmEditor::btnText_Click);

    // Question and answer editing. textChanged fires for code as for typing.
    connect(m_ui.txtEnterQuestion, &QLineEdit::textChanged, this,
            &frmEditor::txtEnterQuestion_Change);
    connect(m_ui.txtAnswer, &QLineEdit::textChanged, this, &frmEditor::txtAnswer_Change);
    connect(m_ui.chkFilenameAnswer, &QCheckBox::stateChanged, this,
            &frmEditor::chkFilenameAnswer_Click);
    // What the user may type; text the program shows is never cut.
    new LengthLimit(QuestionWidth, m_ui.txtEnterQuestion);
    new LengthLimit(174, m_ui.txtAnswer); // the answer box is shorter than its field
    // A game set keeps only so much of a name and of a choice; more would be
    // cut off unseen.
    new LengthLimit(CategoryNameWidth, m_ui.txtCategoryName);
    SetUpTextWarnings();
    // A text the program puts into a box is shown from its start, so a long
    // question or path reads from its beginning; the box being typed into
    // keeps its own cursor.
    for (QLineEdit* box : {m_ui.txtEnterQuestion, m_ui.txtAnswer, m_ui.txtPath}) {
        connect(box, &QLineEdit::textChanged, box, [box] {
            if (!box->isModified() && !box->hasFocus())
                box->setCursorPosition(0);
        });
    }
    m_ui.txtCategoryName->installEventFilter(this);
    m_ui.txtEnterQuestion->installEventFilter(this);
    m_ui.txtAnswer->installEventFilter(this);

    // Media.
    connect(m_ui.btnPlay, &QPushButton::clicked, this, &frmEditor::btnPlay_Click);
    connect(m_ui.btnStop, &QPushButton::clicked, this, &frmEditor::btnStop_Click);
    connect(m_ui.btnVideoPlay, &QPushButton::clicked, this, &frmEditor::btnVideoPlay_Click);
    connect(m_ui.btnVideoPause, &QPushButton::clicked, this, &frmEditor::btnVideoPause_Click);
    connect(m_ui.btnVideoStop, &QPushButton::clicked, this, &frmEditor::btnVideoStop_Click);

    // Multiple choice.
    connect(m_ui.btnMultipleChoice, &QPushButton::clicked, this,
            &frmEditor::btnMultipleChoice_Click);
    connect(m_ui.btnSingleChoice, &QPushButton::clicked, this, &frmEditor::btnSingleChoice_Click);
    connect(m_ui.fraMultipleAnswers, &MultipleChoiceBox::choicesSaved, this,
            [this](const std::array<QString, 4>& choices) {
                for (int k = 0; k < 4; ++k)
                    lblAnswerChoices[k]->setText(choices[k]);
            });
    connect(m_ui.fraMultipleAnswers, &MultipleChoiceBox::closed, this, [this] {
        LayOutAnswerChoices();
        // The keyboard goes back to the button that opened the box.
        m_ui.btnMultipleChoice->setFocus();
    });

    // Fonts and colours.
    connect(m_ui.btnFont, &QPushButton::clicked, this, &frmEditor::btnFont_Click);
    connect(m_ui.btnFontColor, &QPushButton::clicked, this, &frmEditor::btnFontColor_Click);
    connect(m_ui.btnDefault, &QPushButton::clicked, this, &frmEditor::btnDefault_Click);
    connect(m_ui.btnCopy, &QPushButton::clicked, this, &frmEditor::btnCopy_Click);

    connect(m_ui.chkDailyDouble, &QCheckBox::stateChanged, this, &frmEditor::chkDailyDouble_Click);
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
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
    if (watched == m_ui.txtEnterQuestion && type == QEvent::FocusOut) {
        txtEnterQuestion_LostFocus();
    } else if (watched == m_ui.txtAnswer && type == QEvent::FocusOut) {
        txtAnswer_LostFocus();
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
        if (auto* panel = findChild<CheckPanel*>(QString(), Qt::FindDirectChildrenOnly))
            panel->markAll();
        if (lblMediaNotFound && IsShown(lblMediaNotFound) &&
            !m_mediaCommands->LocateMedia(MediaPathOfRecord(CurrentRecord())).isEmpty())
            DisPlayQuestion();
    }
}

// ---- start-up

void frmEditor::Form_Load(const QString& startFile) {
    // The random generator is seeded from the clock when the services are
    // created, before this window exists.

    // The question panel's neutral state; showing the first square below
    // sets the rest.
    m_ui.fraMultipleAnswers->clear();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui.picVideo, m_ui.btnVideoPlay,
                                                           m_ui.btnVideoPause, m_ui.btnVideoStop})
        widget->hide();

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
    m_ui.txtCategoryName->setFocus();
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
        m_document, m_services, m_guard, controls, [this] { return ConfirmTextLoss(); }, this);
    SetStandardShortcut(m_ui.mnuFilePrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    FileCommands* files = m_fileCommands;
    connect(files, &FileCommands::wholeSetShown, m_board, &Board::ShowWholeBoard);
    connect(files, &FileCommands::newSetShown, this, [this] {
        // A new set keeps all six names blank; the board and the name box
        // only show the default captions, so nothing is stored.
        const QSignalBlocker quiet(m_ui.txtCategoryName);
        m_ui.txtCategoryName->setText(Board::DefaultCategoryName(1));
        m_board->ShowDefaultCaptions();
    });
    connect(files, &FileCommands::boardFocusWanted, m_ui.txtCategoryName,
            qOverload<>(&QWidget::setFocus));
    connect(files, &FileCommands::savingSet, this, &frmEditor::EnsureDailyDoubles);
    connect(files, &FileCommands::setSaved, m_mediaCommands.get(), &MediaCommands::FollowSetFolder);
    connect(files, &FileCommands::leavingSet, this, [this] {
        MediaPlayer1->stop();
        MediaPlayer2->stop();
    });
    connect(files, &FileCommands::setClosed, this, &frmEditor::ResetBoardDisplay);
}

void frmEditor::OfferRecovery(Autosave& autosave) {
    connect(&autosave, &Autosave::problemChanged, this, &frmEditor::ShowRecoveryProblem);
    ShowRecoveryProblem(autosave.problem());
    m_fileCommands->OfferRecovery(autosave);
}

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

void frmEditor::SetUpSetCommands() {
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

    const SpellingPart::Controls spelling{
        m_ui.chkSpellChecker, m_ui.centralwidget,   m_ui.lblSpellCheckerPadding,
        m_ui.mnuEdit,         m_ui.txtCategoryName, m_ui.txtEnterQuestion,
        m_ui.txtAnswer,       txtEditAnswer};
    m_spelling = new SpellingPart(*this, m_document, m_services, m_selection, m_guard, spelling,
                                  [this](Square square) { m_board->SelectSquare(square); });
}

void frmEditor::FocusFindingBox(CheckPart part) {
    const auto shown = [](QWidget* widget) { return IsShown(widget) ? widget : nullptr; };
    QWidget* box = nullptr;
    switch (part) {
    case CheckPart::Name:
        box = m_ui.txtCategoryName;
        break;
    case CheckPart::Question:
    case CheckPart::Media:
        box = shown(m_ui.txtEnterQuestion);
        if (!box || part == CheckPart::Media)
            box = shown(m_ui.txtPath) ? m_ui.txtPath : box;
        break;
    case CheckPart::Answer:
        box = shown(m_ui.txtAnswer);
        break;
    case CheckPart::Choice:
        // The right letter is set in the multiple-choice box.
        if (shown(m_ui.btnMultipleChoice)) {
            btnMultipleChoice_Click();
            box = m_ui.fraMultipleAnswers->letterBox();
        }
        break;
    case CheckPart::Font:
        box = shown(m_ui.btnFont);
        break;
    case CheckPart::DailyDouble:
        box = shown(m_ui.chkDailyDouble);
        break;
    case CheckPart::File:
        break;
    }
    raise();
    activateWindow();
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

void frmEditor::onDocumentChanged(Square square, DocumentPart part) {
    // The board follows names itself.
    if (part == DocumentPart::Name)
        return;
    if (!m_document.isReplaying()) {
        // Edits made here have drawn themselves; a mark placed or cleared by
        // another command on the shown square still shows in its box.
        if (square == CurrentSquare()) {
            ShowDailyDoubleMark();
            // A relinked medium of the shown question shows from its new file.
            if (part == DocumentPart::Media)
                DisPlayQuestion();
        }
        return;
    }
    if (square != CurrentSquare())
        m_board->SelectSquare(square);
    else
        DisPlayQuestion();
}

// ---- helpers shared by the areas

void frmEditor::SetVideoControlsVisible(bool visible) {
    m_ui.picVideo->setVisible(visible);
    m_ui.btnVideoPlay->setVisible(visible);
    m_ui.btnVideoPause->setVisible(visible);
    m_ui.btnVideoStop->setVisible(visible);
}

void frmEditor::ShowOkMessage(const QString& text) {
    m_services.showMessage(text, MessageButtons::Ok, MessageIcon::None, QString());
}
