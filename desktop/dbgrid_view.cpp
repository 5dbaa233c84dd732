#include "desktop/dbgrid_view.h"

#include "desktop/grid_view.h"

namespace desk {

DbGridView::DbGridView(plat::TDBGrid& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, CreateGridView(control, parent)) {
  // The grid's actions run as this window's events, like every other one.
  if (auto* view = qobject_cast<GridView*>(Widget()))
    view->SetActionDoor([&context](const UserActionWork& work) { return context.Forward(work); });
}

}  // namespace desk
