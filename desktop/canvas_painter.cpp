#include "desktop/canvas_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "desktop/qt_text.h"

namespace desk {

namespace {

constexpr plat::TColor kSystemFlag = 0xFF000000;

// The palette role standing for each of the windowing system's colour
// indexes, and whether the disabled group's colour is meant.
struct SystemRole {
  QPalette::ColorRole role;
  bool disabled = false;
};

SystemRole RoleOf(unsigned index) {
  switch (index) {
    case 0:
      return {QPalette::Button};  // scroll bar
    case 1:
      return {QPalette::Window};  // desktop
    case 2:
      return {QPalette::Highlight};  // active caption
    case 3:
      return {QPalette::Window};  // inactive caption
    case 4:
      return {QPalette::Window};  // menu
    case 5:
      return {QPalette::Base};  // window (the background of grids and edits)
    case 6:
      return {QPalette::Shadow};  // window frame
    case 7:
      return {QPalette::WindowText};  // menu text
    case 8:
      return {QPalette::Text};  // window text
    case 9:
      return {QPalette::HighlightedText};  // caption text
    case 10:
      return {QPalette::Mid};  // active border
    case 11:
      return {QPalette::Mid};  // inactive border
    case 12:
      return {QPalette::Dark};  // application workspace
    case 13:
      return {QPalette::Highlight};
    case 14:
      return {QPalette::HighlightedText};
    case 15:
      return {QPalette::Button};  // button face
    case 16:
      return {QPalette::Dark};  // button shadow
    case 17:
      return {QPalette::Text, true};  // grey (disabled) text
    case 18:
      return {QPalette::ButtonText};
    case 19:
      return {QPalette::WindowText, true};  // inactive caption text
    case 20:
      return {QPalette::Light};  // button highlight
    case 21:
      return {QPalette::Shadow};  // 3-D dark shadow
    case 22:
      return {QPalette::Midlight};  // 3-D light
    case 23:
      return {QPalette::ToolTipText};  // info text
    case 24:
      return {QPalette::ToolTipBase};  // info background
    default:
      return {QPalette::Base};
  }
}

}  // namespace

QColor CanvasColor(plat::TColor color, const QPalette& palette) {
  if (color == plat::clr::CurrentRow) {
    QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    QColor base = palette.color(QPalette::Active, QPalette::Base);
    auto mix = [](int a, int b) { return (a + 3 * b) / 4; };
    return QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                  mix(highlight.blue(), base.blue()));
  }
  if ((color & kSystemFlag) == kSystemFlag) {
    SystemRole system = RoleOf(color & 0xFFu);
    return palette.color(system.disabled ? QPalette::Disabled : QPalette::Active, system.role);
  }
  return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

void ReplayCanvas(const plat::TCanvas& canvas, QPainter& painter, const QPalette& palette, const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  const int ascent = QFontMetrics(font).ascent(), boldAscent = QFontMetrics(bold).ascent();
  for (const plat::TDrawOp& op : canvas.Ops()) {
    QRect rect(op.rect.left, op.rect.top, op.rect.Width(), op.rect.Height());
    if (op.kind == plat::TDrawOp::FillRect) {
      painter.fillRect(rect, CanvasColor(op.brushColor, palette));
      continue;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(op.bold ? bold : font);
    painter.setPen(CanvasColor(op.fontColor, palette));
    painter.drawText(QPoint(op.x, op.y + (op.bold ? boldAscent : ascent)), ToQt(op.text));
    painter.restore();
  }
}

}  // namespace desk
