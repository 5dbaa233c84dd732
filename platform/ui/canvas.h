// TCanvas: what a control draws, recorded. Headless, nothing is painted: the
// canvas keeps the operations so that a test can read back what a draw
// handler did, and the window front-end replays them on a real surface.
#pragma once

#include <string>
#include <vector>

namespace plat {

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Colours as 0xRRGGBB, plus the system's named colours.
using TColor = unsigned int;
namespace clr {
constexpr TColor Black = 0x000000, White = 0xFFFFFF, Grey = 0x808080, Silver = 0xC0C0C0;
constexpr TColor Window = 0xFF000005, WindowText = 0xFF000008, Highlight = 0xFF00000D, HighlightText = 0xFF00000E,
                 GrayText = 0xFF000011, BtnFace = 0xFF00000F, Menu = 0xFF000004, Info = 0xFF000018;
// The rest of a grid's current row beside its highlighted current cell: a
// light shade of the highlight, so the row and the cell both show.
constexpr TColor CurrentRow = 0xFF00001B;
}  // namespace clr

struct TDrawOp {
  enum Kind { FillRect, TextRect } kind = FillRect;
  TRect rect;        // the rectangle filled, or the clipping rectangle of the text
  int x = 0, y = 0;  // where the text starts
  std::string text;
  TColor brushColor = clr::Window;
  TColor fontColor = clr::WindowText;
  bool bold = false;
};

class TCanvas {
 public:
  struct {
    TColor Color = clr::Window;
  } Brush;
  struct {
    TColor Color = clr::WindowText;
    bool Bold = false;
  } Font;

  void FillRect(const TRect& rect);
  // Writes text at (x, y), clipped to rect.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  void TextOut(int x, int y, const std::string& text);

  const std::vector<TDrawOp>& Ops() const { return ops_; }
  void Clear() { ops_.clear(); }

 private:
  std::vector<TDrawOp> ops_;
};

}  // namespace plat
