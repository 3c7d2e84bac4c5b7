// The board's look: its artwork, the fonts of its design, the toolbar's icons.

#include "editor/boardartwork.h"

#include "editor/dailydoublemap.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>

namespace {

// The board's colours: a deep blue quiz board with gold and white lettering.
const QColor BoardBlue(10, 22, 92);
const QColor PanelBlue(22, 44, 150);
const QColor PreviewBlue(6, 18, 140);
const QColor Gold(255, 204, 51);

// A vertical gradient one pixel wide: as a brush it tiles across any width,
// so a wide panel costs no more to make than a narrow one.
QPixmap GradientPixmap(int height, const QColor& top, const QColor& bottom) {
    QPixmap pixmap(1, height);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

// The player's screen, framed in gold, where the preview, the answer choices
// and the media show: over the board's background, under everything else.
class ScreenFrame final : public QWidget {
public:
    explicit ScreenFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Gold, 3));
        painter.setBrush(PreviewBlue);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    }
};

// Artwork as the widget's background, the same in every state: while a
// dialog has the editor's input, the board dims its text, not its pictures.
void PaintBehind(QWidget* widget, const QPixmap& artwork) {
    QPalette colours = widget->palette();
    colours.setBrush(QPalette::Window, QBrush(artwork));
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

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

void ApplyDesignFonts(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QVariant size = widget->property("designPointSize");
        const QVariant described = widget->property("designFont");
        if (!size.isValid() && !described.isValid())
            continue;
        QFont font = widget->font();
        if (size.isValid()) {
            font.setPointSizeF(size.toDouble());
        } else {
            // "Family, size, bold, italic": a text box lays its text out
            // anew at every font it is given, so it is given only this one.
            const QStringList parts = described.toString().split(QStringLiteral(", "));
            font.setFamily(parts.value(0));
            font.setPointSizeF(parts.value(1).toDouble());
            font.setBold(parts.contains(QStringLiteral("bold")));
            if (parts.contains(QStringLiteral("italic")))
                font.setItalic(true);
        }
        widget->setFont(font);
    }
}

void PaintArtwork(Ui::frmEditor& m_ui) {
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

    // The board behind everything.
    PaintBehind(m_ui.imgBackground, GradientPixmap(m_ui.imgBackground->height(),
                                                   QColor(14, 30, 110), QColor(4, 10, 48)));

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

    // The board's colours would reach the notice of a change on disk; it
    // keeps the ones it was designed with.
    FillBackground(m_ui.lblChangedOnDisk, QColor(255, 241, 184));
    SetTextColour(m_ui.lblChangedOnDisk, Qt::black);
    FillBackground(m_ui.lblSpellCheckerPadding, PanelBlue);
}

void PaintPanelArtwork(Ui::QuestionPanel& m_ui) {
    // The player's screen framed in gold, under the preview, the answer
    // choices and the media.
    auto* screen = new ScreenFrame(m_ui.picQuestionPicture->parentWidget());
    screen->setGeometry(m_ui.picQuestionPicture->geometry().adjusted(-5, -5, 5, 5));
    screen->lower();
    FillBackground(m_ui.lblDisPlayQuestion, PreviewBlue);
    for (QLabel* choice :
         {m_ui.lblFirstAnswer, m_ui.lblSecondAnswer, m_ui.lblThirdAnswer, m_ui.lblForthAnswer}) {
        FillBackground(choice, PreviewBlue);
        SetTextColour(choice, Qt::white);
    }
    FillBackground(m_ui.picQuestionPicture, Qt::black);
    FillBackground(m_ui.lblDailyDoublePadding, PanelBlue);
    SetTextColour(m_ui.lblPreview, Gold);
    SetTextColour(m_ui.lblDDLocations, Gold);
}

void PaintBoardArtwork(Ui::Board& m_ui) {
    for (QLabel* panel : {m_ui.picCategory_0, m_ui.picCategory_1, m_ui.picCategory_2,
                          m_ui.picCategory_3, m_ui.picCategory_4, m_ui.picCategory_5}) {
        PaintBehind(panel,
                    GradientPixmap(panel->height(), QColor(40, 70, 200), QColor(12, 28, 120)));
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
}

void SetToolbarIcons(Ui::frmEditor& m_ui, const QStyle& style) {
    // The style's own pictures everywhere: a desktop's icon theme would be
    // read from disk and probed by every image plugin before the first paint.
    const std::pair<QAction*, QStyle::StandardPixmap> choices[] = {
        {m_ui.btnNewFile, QStyle::SP_FileIcon},
        {m_ui.btnFileOpen, QStyle::SP_DialogOpenButton},
        {m_ui.btnSave, QStyle::SP_DialogSaveButton},
        {m_ui.btnSaveAs, QStyle::SP_DriveFDIcon},
        {m_ui.btnPrint, QStyle::SP_ComputerIcon},
        {m_ui.btnVideo, QStyle::SP_MediaPlay},
        {m_ui.btnPicture, QStyle::SP_DesktopIcon},
        {m_ui.btnSound, QStyle::SP_MediaVolume},
        {m_ui.btnText, QStyle::SP_FileDialogDetailedView},
    };
    for (const auto& [action, icon] : choices)
        action->setIcon(style.standardIcon(icon));
}
