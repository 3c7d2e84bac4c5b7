// The question panel: its controls connected, its helpers.

#include "editor/questionpanel.h"

#include "editor/boardartwork.h"
#include "editor/boardselection.h"
#include "editor/lengthlimit.h"
#include "preview/previewfit.h"

#include <QEvent>

QuestionPanel::QuestionPanel(QWidget& window, QWidget* drawing, QLineEdit* categoryNameBox,
                             const KindCommands& kindCommands, GameSetDocument& document,
                             Services& services, const BoardSelection& selection,
                             const CommandGuard& guard,
                             std::function<QString(const QString&)> locateMedia)
    : QWidget(drawing), m_window(window), m_categoryNameBox(categoryNameBox),
      m_kindCommands(kindCommands), m_document(document), m_services(services),
      m_selection(selection), m_guard(guard), m_locateMedia(std::move(locateMedia)) {
    m_ui.setupUi(this);
    ApplyDesignFonts(*this);
    PaintPanelArtwork(m_ui);
    lblAnswerChoices = {m_ui.lblFirstAnswer, m_ui.lblSecondAnswer, m_ui.lblThirdAnswer,
                        m_ui.lblForthAnswer};
    txtEditAnswer = m_ui.fraMultipleAnswers->choiceBoxes();
    // The media controls lie over the preview and under the answer choices' box.
    m_players = new MediaPlayers(this, m_services, m_locateMedia);
    m_players->stackUnder(m_ui.fraMultipleAnswers);
    connect(m_players, &MediaPlayers::mediaNotFound, this, &QuestionPanel::ShowMediaNotice);
    SetUpMediaPreview();
    // The preview is as large as the player's; its size is kept with the fit.
    m_ui.lblDisPlayQuestion->resize(PreviewWidth, PreviewFullHeight);
    // The path is shown for reading; the file is changed with the media commands.
    m_ui.txtPath->setReadOnly(true);
    const std::initializer_list<std::pair<QWidget*, QString>> names{
        {m_ui.txtEnterQuestion, tr("Question")},
        {m_ui.txtAnswer, tr("Answer")},
        {m_ui.txtPath, tr("Media file")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    connectControls();
    connect(&m_document, &GameSetDocument::changed, this, &QuestionPanel::followDocument);
}

QuestionPanel::~QuestionPanel() = default;

void QuestionPanel::connectControls() {
    connect(m_kindCommands.btnText, &QAction::triggered, this, &QuestionPanel::btnText_Click);

    // Question and answer editing. textChanged fires for code as for typing.
    connect(m_ui.txtEnterQuestion, &QLineEdit::textChanged, this,
            &QuestionPanel::txtEnterQuestion_Change);
    connect(m_ui.txtAnswer, &QLineEdit::textChanged, this, &QuestionPanel::txtAnswer_Change);
    connect(m_ui.chkFilenameAnswer, &QCheckBox::stateChanged, this,
            &QuestionPanel::chkFilenameAnswer_Click);
    // What the user may type; text the program shows is never cut.
    new LengthLimit(QuestionWidth, m_ui.txtEnterQuestion);
    new LengthLimit(174, m_ui.txtAnswer); // the answer box is shorter than its field
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
    m_ui.txtEnterQuestion->installEventFilter(this);
    m_ui.txtAnswer->installEventFilter(this);

    connect(m_ui.btnMultipleChoice, &QPushButton::clicked, this,
            &QuestionPanel::btnMultipleChoice_Click);
    connect(m_ui.btnSingleChoice, &QPushButton::clicked, this,
            &QuestionPanel::btnSingleChoice_Click);
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

    connect(m_ui.btnFont, &QPushButton::clicked, this, &QuestionPanel::btnFont_Click);
    connect(m_ui.btnFontColor, &QPushButton::clicked, this, &QuestionPanel::btnFontColor_Click);
    connect(m_ui.btnDefault, &QPushButton::clicked, this, &QuestionPanel::btnDefault_Click);
    connect(m_ui.btnCopy, &QPushButton::clicked, this, &QuestionPanel::btnCopy_Click);
    connect(m_ui.chkDailyDouble, &QCheckBox::stateChanged, this,
            &QuestionPanel::chkDailyDouble_Click);
}

bool QuestionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_ui.txtEnterQuestion)
            txtEnterQuestion_LostFocus();
        else if (watched == m_ui.txtAnswer)
            txtAnswer_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}

Square QuestionPanel::CurrentSquare() const {
    return m_selection.current();
}

bool QuestionPanel::IsFinalQuestion() const {
    return m_selection.isFinal();
}

void QuestionPanel::ShowOkMessage(const QString& text) {
    m_services.showMessage(text, MessageButtons::Ok, MessageIcon::None, QString());
}

void QuestionPanel::ShowQuestionCommands(bool withVideo) {
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    if (withVideo)
        m_kindCommands.btnVideo->setVisible(true);
}

void QuestionPanel::FocusQuestion() {
    if (IsShown(m_ui.txtEnterQuestion))
        m_ui.txtEnterQuestion->setFocus();
}

void QuestionPanel::ShowMediaAnew() {
    // While the multiple-choice box is open, the panel stays as it is.
    if (MediaKindOfRecord(CurrentRecord()) != MediaKind::None && !IsShown(m_ui.fraMultipleAnswers))
        DisPlayQuestion();
}

void QuestionPanel::ShowFoundMedia() {
    if (IsShown(lblMediaNotFound) && !m_locateMedia(MediaPathOfRecord(CurrentRecord())).isEmpty())
        DisPlayQuestion();
}

void QuestionPanel::StopMedia() {
    m_players->StopMedia();
}

void QuestionPanel::followDocument(Square square, DocumentPart part) {
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
        emit squareReplayed(square);
    else
        DisPlayQuestion();
}

QWidget* QuestionPanel::BoxFor(CheckPart part) {
    const auto shown = [](QWidget* widget) { return IsShown(widget) ? widget : nullptr; };
    switch (part) {
    case CheckPart::Name:
        return m_categoryNameBox;
    case CheckPart::Question:
    case CheckPart::Media: {
        QWidget* box = shown(m_ui.txtEnterQuestion);
        if (!box || part == CheckPart::Media)
            box = shown(m_ui.txtPath) ? m_ui.txtPath : box;
        return box;
    }
    case CheckPart::Answer:
        return shown(m_ui.txtAnswer);
    case CheckPart::Choice:
        // The right letter is set in the multiple-choice box.
        if (!shown(m_ui.btnMultipleChoice))
            return nullptr;
        btnMultipleChoice_Click();
        return m_ui.fraMultipleAnswers->letterBox();
    case CheckPart::Font:
        return shown(m_ui.btnFont);
    case CheckPart::DailyDouble:
        return shown(m_ui.chkDailyDouble);
    case CheckPart::File:
        break;
    }
    return nullptr;
}
