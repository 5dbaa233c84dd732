// TSplitter: the bar between two stacked controls of one container, which
// the user drags to share the height (or, for an upright bar, the width)
// between them.
//
// What callers may rely on:
// - A bar wider than high splits the controls above it from those below it
//   (an upright bar: those left of it from those right of it). Dragging it
//   by a distance (UserDrag) gives that much to the largest control on one
//   side and takes it from the largest on the other (the two are chosen at
//   the first drag, from the sizes as laid out, and stay the same): the
//   controls between each of them and the bar move with the bar, the rest
//   stay put.
// - Neither of the two controls becomes smaller than MinSize; the drag is
//   cut short instead. UserDrag returns the distance moved.
// - The children of a resized control that reach to within a few pixels of
//   its far edge keep their distance from it, so a grid filling a panel or
//   group box keeps filling it.
// - Every control moved or resized announces its change (OnChanged).
#pragma once

#include "platform/ui/control.h"

namespace plat {

class TSplitter : public TLabel {
 public:
  using TLabel::TLabel;

  int MinSize = 30;
  bool Horizontal() const { return Width >= Height; }
  int UserDrag(int distance);

 private:
  TControl* grows_ = nullptr;    // before the bar
  TControl* shrinks_ = nullptr;  // after the bar
};

}  // namespace plat
