// The Daily Double map.

#include "editor/dailydoublemap.h"

#include "document/gamesetdocument.h"
#include "editor/clickablelabel.h"

#include <QKeyEvent>

DailyDoubleMap::DailyDoubleMap(QWidget* parent) : QFrame(parent) {
    m_ui.setupUi(this);
    lblCat = {{{m_ui.lblCat1_0, m_ui.lblCat1_1, m_ui.lblCat1_2, m_ui.lblCat1_3, m_ui.lblCat1_4},
               {m_ui.lblCat2_0, m_ui.lblCat2_1, m_ui.lblCat2_2, m_ui.lblCat2_3, m_ui.lblCat2_4},
               {m_ui.lblCat3_0, m_ui.lblCat3_1, m_ui.lblCat3_2, m_ui.lblCat3_3, m_ui.lblCat3_4},
               {m_ui.lblCat4_0, m_ui.lblCat4_1, m_ui.lblCat4_2, m_ui.lblCat4_3, m_ui.lblCat4_4},
               {m_ui.lblCat5_0, m_ui.lblCat5_1, m_ui.lblCat5_2, m_ui.lblCat5_3, m_ui.lblCat5_4},
               {m_ui.lblCat6_0, m_ui.lblCat6_1, m_ui.lblCat6_2, m_ui.lblCat6_3, m_ui.lblCat6_4}}};
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(120, 130, 170));
    setPalette(colours);
    setAutoFillBackground(true);
    for (int category = 1; category <= 6; ++category) {
        for (int index = 0; index < 5; ++index) {
            ClickableLabel* square = lblCat[category - 1][index];
            square->setBackColor(SquareUnmarked);
            square->setCursor(Qt::PointingHandCursor);
            // Reached by Tab and walked with the arrow keys; a click toggles a
            // square without taking the focus from the box the author is typing in.
            square->setFocusPolicy(Qt::TabFocus);
            square->installEventFilter(this);
            connect(square, &ClickableLabel::clicked, this,
                    [this, category, index] { lblCatN_Click(category, index); });
        }
    }
}

void DailyDoubleMap::attach(GameSetDocument& document) {
    m_document = &document;
    connect(&document, &GameSetDocument::changed, this, [this](Square square, DocumentPart part) {
        if (part != DocumentPart::Name && !square.isFinal())
            paintSquare(square);
    });
    // A whole new set (opened, imported, new) repaints the map at once.
    connect(&document, &GameSetDocument::reset, this, &DailyDoubleMap::PaintDailyDoubleMap);
    PaintDailyDoubleMap();
}

void DailyDoubleMap::lblCatN_Click(int category, int index) {
    // The square toggles what it shows; the document's signal repaints it.
    const bool marked = lblCat[category - 1][index]->backColor() != SquareUnmarked;
    m_document->setDailyDouble({category, index + 1}, !marked);
    emit squareToggled({category, index + 1});
}

void DailyDoubleMap::paintSquare(Square square) {
    const bool marked = m_document->record(square).isDailyDouble();
    ClickableLabel* label = lblCat[square.category - 1][square.question - 1];
    label->setBackColor(marked ? SquareMarked : SquareUnmarked);
    label->setAccessibleName(tr("Daily Double, category %1 question %2: %3")
                                 .arg(square.category)
                                 .arg(square.question)
                                 .arg(marked ? tr("marked") : tr("not marked")));
}

void DailyDoubleMap::PaintDailyDoubleMap() {
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question)
            paintSquare({category, question});
    }
}

bool DailyDoubleMap::eventFilter(QObject* watched, QEvent* event) {
    // Arrow keys move between the squares: left and right across the
    // categories, up and down through the questions.
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int across = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int down = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (across == 0 && down == 0)
        return false;
    for (int category = 0; category < 6; ++category) {
        for (int question = 0; question < 5; ++question) {
            if (lblCat[category][question] != watched)
                continue;
            lblCat[std::clamp(category + across, 0, 5)][std::clamp(question + down, 0, 4)]
                ->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}
