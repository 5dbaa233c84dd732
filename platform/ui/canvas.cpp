#include "platform/ui/canvas.h"

namespace plat {

void TCanvas::FillRect(const TRect& rect) {
  TDrawOp op;
  op.kind = TDrawOp::FillRect;
  op.rect = rect;
  op.brushColor = Brush.Color;
  op.fontColor = Font.Color;
  ops_.push_back(op);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  TDrawOp op;
  op.kind = TDrawOp::TextRect;
  op.rect = rect;
  op.x = x;
  op.y = y;
  op.text = text;
  op.brushColor = Brush.Color;
  op.fontColor = Font.Color;
  op.bold = Font.Bold;
  ops_.push_back(op);
}

void TCanvas::TextOut(int x, int y, const std::string& text) { TextRect(TRect{x, y, 1 << 20, 1 << 20}, x, y, text); }

}  // namespace plat
