// The view made for each kind of headless control, chosen from one table
// (the most derived kinds first).
#pragma once

#include <memory>

#include "desktop/control_view.h"

namespace desk {

std::unique_ptr<ControlView> MakeView(plat::TControl& control, ViewContext& context, QWidget* parent);

}  // namespace desk
