#pragma once

#include "ui_board.h"
#include "ui_frmEditor.h"
#include "ui_questionpanel.h"

class QStyle;

// Designer files hold whole point sizes only; the window's fractional sizes
// (8.25, 20.25, ...) ride along as a property and are applied here: a label's
// size alone ("designPointSize"), a text box's whole font ("designFont").
void ApplyDesignFonts(QWidget& window);
// The window's colours and pictures, painted once at start.
void PaintArtwork(Ui::frmEditor& ui);
// The board's captions, panels and arrows in the board's colours.
void PaintBoardArtwork(Ui::Board& ui);
// The question panel's preview in the player's colours, framed in gold.
void PaintPanelArtwork(Ui::QuestionPanel& ui);
// The toolbar's and the players' icons: the style's own.
void SetToolbarIcons(Ui::frmEditor& ui, const QStyle& style);
// A widget's background in one colour, whatever the board's palette says.
void FillBackground(QWidget* widget, const QColor& colour);
