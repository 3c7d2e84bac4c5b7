// The keyboard and screen readers: where Tab and Return go, the shortcuts to
// the categories, and the names a screen reader says for the panel's boxes.

#include "editor/frmEditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QShortcut>

void frmEditor::SetUpKeyboard() {
    const std::initializer_list<std::pair<QWidget*, QString>> names{
        {m_ui.txtEnterQuestion, tr("Question")},
        {m_ui.txtAnswer, tr("Answer")},
        {m_ui.txtPath, tr("Media file")},
    };
    for (const auto& [widget, name] : names) {
        if (widget)
            widget->setAccessibleName(name);
    }

    // Name, question, answer, then the rest of the panel: Next comes last, so
    // Tab from the question box never lands on it and types into the next square.
    const QList<QWidget*> order{
        m_ui.txtCategoryName, m_ui.txtEnterQuestion,  m_ui.txtAnswer,       m_ui.chkFilenameAnswer,
        m_ui.chkDailyDouble,  m_ui.btnMultipleChoice, m_ui.btnSingleChoice, m_ui.btnFont,
        m_ui.btnFontColor,    m_ui.btnDefault,        m_ui.btnCopy,         m_ui.btnPlay,
        m_ui.btnStop,         m_ui.btnVideoPlay,      m_ui.btnVideoPause,   m_ui.btnVideoStop,
        m_ui.btnNext};
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));

    // Return in the answer box moves on, as Next does.
    connect(m_ui.txtAnswer, &QLineEdit::returnPressed, m_board, &Board::btnNext_Click);

    for (int category = 1; category <= 7; ++category) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + category)), this);
        if (category == Square::FinalCategory)
            connect(shortcut, &QShortcut::activated, m_board, &Board::picFinalQuestion_Click);
        else
            connect(shortcut, &QShortcut::activated, m_board,
                    [this, category] { m_board->lblCategory_Click(category - 1); });
    }
}
