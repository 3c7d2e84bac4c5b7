#pragma once

#include "model/gameset.h"
#include "ui_dailydoublemap.h"

#include <QFrame>
#include <array>

class ClickableLabel;
class GameSetDocument;
enum class DocumentPart;

// The map of the board's thirty squares, red where a Daily Double is: it
// follows the document, and a click on a square (or Space on the focused
// one) places or clears that square's mark.
class DailyDoubleMap : public QFrame {
    Q_OBJECT

public:
    // Built by the window's form; `attach` gives it the set it shows.
    explicit DailyDoubleMap(QWidget* parent = nullptr);
    void attach(GameSetDocument& document);

    // Colours of the squares, in the game's 0x00BBGGRR form.
    static constexpr quint32 SquareMarked = 255;
    static constexpr quint32 SquareUnmarked = 0;

    void lblCatN_Click(int category, int index); // category 1..6, index 0..4
    // Paints every square from its record's mark.
    void PaintDailyDoubleMap();

signals:
    // A square's mark was toggled from the map.
    void squareToggled(Square square);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintSquare(Square square);

    Ui::DailyDoubleMap m_ui;
    GameSetDocument* m_document = nullptr;
    std::array<std::array<ClickableLabel*, 5>, 6> lblCat{}; // [category-1][question-1]
};
