// The keyboard and screen readers: where Tab and Return go, the shortcuts to
// the categories, walking the Daily Double map, and the names a screen
// reader says for controls whose text does not tell what they are.

#include "editor/frmEditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QShortcut>

namespace {

// Arrow keys move between the squares of the Daily Double map: left and
// right across the categories, up and down through the questions.
class MapKeys : public QObject {
public:
    MapKeys(const std::array<std::array<ClickableLabel*, 5>, 6>& squares, QObject* parent)
        : QObject(parent), m_squares(squares) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        int across = 0;
        int down = 0;
        if (key == Qt::Key_Left)
            across = -1;
        else if (key == Qt::Key_Right)
            across = 1;
        else if (key == Qt::Key_Up)
            down = -1;
        else if (key == Qt::Key_Down)
            down = 1;
        else
            return false;
        for (int category = 0; category < 6; ++category) {
            for (int question = 0; question < 5; ++question) {
                if (m_squares[category][question] != watched)
                    continue;
                const int nextCategory = std::clamp(category + across, 0, 5);
                const int nextQuestion = std::clamp(question + down, 0, 4);
                m_squares[nextCategory][nextQuestion]->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    const std::array<std::array<ClickableLabel*, 5>, 6>& m_squares;
};

} // namespace

void frmEditor::SetUpKeyboard() {
    const std::initializer_list<std::pair<QWidget*, QString>> names{
        {m_ui.txtCategoryName, tr("Category name")},
        {m_ui.txtEnterQuestion, tr("Question")},
        {m_ui.txtAnswer, tr("Answer")},
        {m_ui.txtPath, tr("Media file")},
        {m_ui.txtEditAnswer1, tr("Choice A")},
        {m_ui.txtEditAnswer2, tr("Choice B")},
        {m_ui.txtEditAnswer3, tr("Choice C")},
        {m_ui.txtEditAnswer4, tr("Choice D")},
        {m_ui.cboABCD, tr("Right choice")},
        {m_ui.picFinalQuestion, tr("Final question")},
    };
    for (const auto& [widget, name] : names) {
        if (widget)
            widget->setAccessibleName(name);
    }
    for (int index = 0; index < 5; ++index)
        btnQuestion[index]->setAccessibleName(tr("Question %1").arg(index + 1));

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
    connect(m_ui.txtAnswer, &QLineEdit::returnPressed, this, &frmEditor::btnNext_Click);

    for (int category = 1; category <= 7; ++category) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + category)), this);
        if (category == Square::FinalCategory)
            connect(shortcut, &QShortcut::activated, this, &frmEditor::picFinalQuestion_Click);
        else
            connect(shortcut, &QShortcut::activated, this,
                    [this, category] { lblCategory_Click(category - 1); });
    }

    auto* mapKeys = new MapKeys(lblCat, this);
    for (const auto& column : lblCat) {
        for (ClickableLabel* square : column) {
            // Reached by Tab; a click toggles a square without taking the focus
            // from the box the author is typing in.
            square->setFocusPolicy(Qt::TabFocus);
            square->installEventFilter(mapKeys);
        }
    }
}
