#include "platform/ui/splitter.h"

#include <algorithm>
#include <vector>

namespace plat {

namespace {

// The splitter's measures along the direction it moves in.
struct Axis {
  bool vertical;  // the bar is horizontal: it moves up and down
  int& Start(TControl& c) const { return vertical ? c.Top : c.Left; }
  int& Size(TControl& c) const { return vertical ? c.Height : c.Width; }
  int End(TControl& c) const { return Start(c) + Size(c); }
};

constexpr int kStretchMargin = 10;

// Resizes a control along the axis; its children that reached to its far
// edge keep their distance from it.
void Resize(TControl& control, const Axis& axis, int by) {
  int oldSize = axis.Size(control);
  axis.Size(control) += by;
  for (TControl* child : control.Children())
    if (axis.End(*child) >= oldSize - kStretchMargin && axis.End(*child) <= oldSize) Resize(*child, axis, by);
  control.Changed();
}

void Move(TControl& control, const Axis& axis, int by) {
  axis.Start(control) += by;
  control.Changed();
}

TControl* Largest(const std::vector<TControl*>& side, const Axis& axis) {
  TControl* largest = nullptr;
  for (TControl* c : side)
    if (!largest || axis.Size(*c) > axis.Size(*largest)) largest = c;
  return largest;
}

}  // namespace

int TSplitter::UserDrag(int distance) {
  TControl* container = Parent();
  if (!container || distance == 0) return 0;
  Axis axis{Horizontal()};
  std::vector<TControl*> before, after;
  for (TControl* c : container->Children()) {
    if (c == this || !c->Visible()) continue;
    if (axis.End(*c) <= axis.Start(*this)) before.push_back(c);
    if (axis.Start(*c) >= axis.End(*this)) after.push_back(c);
  }
  auto on = [](const std::vector<TControl*>& side, TControl* c) {
    return std::find(side.begin(), side.end(), c) != side.end();
  };
  if (!on(before, grows_) || !on(after, shrinks_)) {
    grows_ = Largest(before, axis);
    shrinks_ = Largest(after, axis);
  }
  TControl* grows = grows_;
  TControl* shrinks = shrinks_;
  if (!grows || !shrinks) return 0;
  // Cut short so that neither side falls under its least size.
  distance = std::clamp(distance, std::min(0, MinSize - axis.Size(*grows)), std::max(0, axis.Size(*shrinks) - MinSize));
  if (distance == 0) return 0;
  int growsEnd = axis.End(*grows);
  int shrinksStart = axis.Start(*shrinks);
  for (TControl* c : before)
    if (c != grows && axis.Start(*c) >= growsEnd) Move(*c, axis, distance);
  for (TControl* c : after)
    if (c != shrinks && axis.End(*c) <= shrinksStart) Move(*c, axis, distance);
  Resize(*grows, axis, distance);
  Move(*shrinks, axis, distance);
  Resize(*shrinks, axis, -distance);
  Move(*this, axis, distance);
  return distance;
}

}  // namespace plat
