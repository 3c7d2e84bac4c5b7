// The board: choosing categories and questions, the category name box and
// the arrows by the selected square.

#include "editor/board.h"

#include "document/gamesetdocument.h"
#include "editor/boardartwork.h"
#include "editor/boardselection.h"
#include "editor/clickablelabel.h"
#include "editor/lengthlimit.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

Board::Board(GameSetDocument& document, BoardSelection& selection, const CommandGuard& guard,
             QWidget* parent)
    : QWidget(parent), m_document(document), m_selection(selection), m_guard(guard) {
    m_ui.setupUi(this);
    m_controls = {
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
    ApplyDesignFonts(*this);
    PaintBoardArtwork(m_ui);
    // The mouse goes through the board where it has no control, to the
    // question panel's controls around its own.
    QRegion own;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        own += control->geometry();
    setMask(own);
    // A game set keeps only so much of a name; more would be cut off unseen.
    new LengthLimit(CategoryNameWidth, m_ui.txtCategoryName);
    for (int index = 0; index < 6; ++index)
        connect(m_controls.lblCategory[index], &ClickableLabel::clicked, this,
                [this, index] { lblCategory_Click(index); });
    for (int index = 0; index < 5; ++index) {
        connect(m_controls.btnQuestion[index], &QPushButton::clicked, this,
                [this, index] { btnQuestion_Click(index); });
        m_controls.btnQuestion[index]->setAccessibleName(tr("Question %1").arg(index + 1));
    }
    connect(m_controls.picFinalQuestion, &ClickableLabel::clicked, this,
            &Board::picFinalQuestion_Click);
    m_controls.picFinalQuestion->setAccessibleName(tr("Final question"));
    connect(m_controls.btnNext, &QPushButton::clicked, this, &Board::btnNext_Click);
    connect(m_controls.txtCategoryName, &QLineEdit::textChanged, this,
            &Board::txtCategoryName_Change);
    m_controls.txtCategoryName->setAccessibleName(tr("Category name"));
    m_controls.txtCategoryName->installEventFilter(this);
    connect(&m_selection, &BoardSelection::changed, this, &Board::followSelection);
    connect(&m_document, &GameSetDocument::changed, this, [this](Square square, DocumentPart part) {
        if (part == DocumentPart::Name)
            followName(square);
    });
}

void Board::lblCategory_Click(int index) {
    if (m_guard.refuses())
        return;
    SetQuestionButtonsVisible(true);
    emit questionCommandsRestored(true);
    for (ClickableLabel* caption : m_controls.lblCategory)
        caption->setEnabled(true);
    m_controls.lblCategory[index]->setEnabled(false);
    m_controls.txtCategoryName->setReadOnly(false);
    m_document.endTyping();
    ShowCategoryName(index + 1);
    m_selection.select({index + 1, 1});
}

void Board::btnQuestion_Click(int index) {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    m_selection.select({m_selection.category(), index + 1});
}

void Board::picFinalQuestion_Click() {
    if (m_guard.refuses())
        return;
    SetQuestionButtonsVisible(false);
    emit questionCommandsRestored(false);
    for (ClickableLabel* caption : m_controls.lblCategory)
        caption->setEnabled(true);
    m_document.endTyping();
    m_selection.select(Square::finalQuestion());
}

void Board::btnNext_Click() {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    Square next = m_selection.current();
    if (next.isFinal())
        next = {1, 1};
    else if (next.question == 5)
        next = {next.category + 1, 1};
    else
        ++next.question;
    for (ClickableLabel* caption : m_controls.lblCategory)
        caption->setEnabled(true);
    if (!next.isFinal()) {
        m_controls.lblCategory[next.category - 1]->setEnabled(false);
        ShowCategoryName(next.category);
        m_controls.txtCategoryName->setReadOnly(false);
    }
    m_selection.select(next);
    emit movedOn();
}

void Board::ShowCategoryName(int category) {
    QString name = m_document.game().CategoryNames[category - 1].trimmed();
    // A category visited without a name takes its default one, as the game
    // would show it; a write of its own, not an echo of the box.
    if (name.isEmpty()) {
        name = DefaultCategoryName(category);
        m_document.setCategoryName(category, name);
    }
    const QSignalBlocker quiet(m_controls.txtCategoryName);
    m_controls.txtCategoryName->setText(name);
}

void Board::txtCategoryName_Change() {
    if (m_selection.isFinal())
        return;
    // The caption follows through the document's change signal.
    m_document.setCategoryName(m_selection.category(), m_controls.txtCategoryName->text());
}

void Board::txtCategoryName_Click() {
    m_controls.txtCategoryName->selectAll();
}

void Board::txtCategoryName_GotFocus() {
    m_controls.txtCategoryName->selectAll();
}

void Board::txtCategoryName_LostFocus() {
    m_document.endTyping();
    if (m_controls.txtCategoryName->text().isEmpty())
        m_controls.txtCategoryName->setText(DefaultCategoryName(m_selection.category()));
}

bool Board::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.txtCategoryName) {
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn) {
            // After the box has placed its own cursor, so the selection sticks.
            QTimer::singleShot(0, this, [this] { txtCategoryName_GotFocus(); });
        } else if (type == QEvent::FocusOut) {
            txtCategoryName_LostFocus();
        } else if (type == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, this, [this] { txtCategoryName_Click(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void Board::SelectSquare(Square square) {
    if (square.isFinal()) {
        picFinalQuestion_Click();
        return;
    }
    showCategory(square.category);
    m_selection.select(square);
}

void Board::showCategory(int category) {
    for (ClickableLabel* caption : m_controls.lblCategory)
        caption->setEnabled(true);
    m_controls.lblCategory[category - 1]->setEnabled(false);
    SetQuestionButtonsVisible(true);
    {
        // Showing the name while taking a step back stores nothing.
        const QSignalBlocker quiet(m_controls.txtCategoryName);
        const QString name = m_document.game().CategoryNames[category - 1].trimmed();
        m_controls.txtCategoryName->setText(name.isEmpty() ? DefaultCategoryName(category) : name);
        m_controls.txtCategoryName->setReadOnly(false);
    }
}

void Board::followName(Square square) {
    const QString name = m_document.game().CategoryNames[square.category - 1].trimmed();
    m_controls.lblCategory[square.category - 1]->setText(name);
    if (!m_document.isReplaying())
        return;
    const Square shown = m_selection.category() == square.category ? m_selection.current()
                                                                   : Square{square.category, 1};
    if (shown != m_selection.current())
        showCategory(square.category);
    {
        const QSignalBlocker quiet(m_controls.txtCategoryName);
        m_controls.txtCategoryName->setText(name);
    }
    m_selection.select(shown);
}

void Board::ShowWholeBoard() {
    const GameSet& game = m_document.game();
    // All six captions clickable again, the first one greyed as selected.
    for (int index = 0; index < 6; ++index) {
        m_controls.lblCategory[index]->setText(game.CategoryNames[index].trimmed());
        m_controls.lblCategory[index]->setEnabled(index != 0);
    }
    // Category 1 is selected: its name box is editable even when the final
    // question was shown before.
    m_controls.txtCategoryName->setReadOnly(false);
    {
        // The name box shows category 1 without storing it back.
        const QSignalBlocker quiet(m_controls.txtCategoryName);
        m_controls.txtCategoryName->setText(game.CategoryNames[0].trimmed());
    }
    m_selection.select({1, 1});
    SetQuestionButtonsVisible(true);
    emit questionCommandsRestored(true);
}

void Board::ShowDefaultCaptions() {
    for (int index = 0; index < 6; ++index)
        m_controls.lblCategory[index]->setText(DefaultCategoryName(index + 1));
}

void Board::followSelection() {
    for (QLabel* arrow : m_controls.lblCArrow)
        arrow->hide();
    for (QLabel* arrow : m_controls.lblQArrow)
        arrow->hide();
    m_controls.lblCArrow[m_selection.category() - 1]->show();
    if (!m_selection.isFinal())
        m_controls.lblQArrow[m_selection.question() - 1]->show();
    if (m_selection.isFinal()) {
        // Whatever its kind, the final question's name box is locked under
        // one caption, which is never stored.
        m_controls.txtCategoryName->setText(FinalQuestionCaption);
        m_controls.txtCategoryName->setReadOnly(true);
    }
}

void Board::SetQuestionButtonsVisible(bool visible) {
    for (QPushButton* button : m_controls.btnQuestion)
        button->setVisible(visible);
}

QString Board::DefaultCategoryName(int category) {
    return QStringLiteral("CATEGORY ") + QString::number(category);
}
