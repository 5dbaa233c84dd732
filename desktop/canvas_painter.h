// Replays what a control drew on its recorded canvas (plat::TCanvas) on a
// real QPainter, with the toolkit's colours taken from the widget's palette.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "platform/ui/canvas.h"

class QPainter;

namespace desk {

// The colour a canvas colour stands for: a plain 0xRRGGBB value as it is,
// a system colour (clr::Window, clr::GrayText, ...) as the palette's colour
// of the same role. Unknown system colours come out as the window colour.
QColor CanvasColor(plat::TColor color, const QPalette& palette);

// Paints the canvas's operations in order: FillRect fills with the brush
// colour, TextRect writes the text with its top-left corner at (x, y) in the
// font colour, clipped to its rectangle, bold when asked. Texts are UTF-8.
// The painter's state is left as it was.
void ReplayCanvas(const plat::TCanvas& canvas, QPainter& painter, const QPalette& palette, const QFont& font);

}  // namespace desk
