// The place of a data grid in the window: the grid's own view (a table over
// its data set, made by CreateGridView) put where the grid sits, shown,
// enabled and given the focus like any other control.
#pragma once

#include "desktop/control_view.h"
#include "platform/ui/grid.h"

namespace desk {

class DbGridView : public ControlView {
 public:
  DbGridView(plat::TDBGrid& control, ViewContext& context, QWidget* parent);

  // The grid's cells are its own; no child widgets are made for it.
  bool HoldsChildren() const override { return false; }
};

}  // namespace desk
