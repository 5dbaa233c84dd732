#include "desktop/control_view.h"

#include <QPalette>

#include "desktop/colours.h"
#include "desktop/qt_text.h"

namespace desk {

ControlView::ControlView(plat::TControl& control, ViewContext& context, QWidget* widget)
    : control_(control), context_(context), widget_(widget) {
  widget_->setObjectName(ToQt(control.Name()));
}

void ControlView::Sync() {
  if (placed_) widget_->setGeometry(control_.Left, control_.Top, control_.Width, control_.Height);
  widget_->setToolTip(ToQt(control_.Hint()));
  widget_->setEnabled(control_.Enabled());
  if (widget_->font().bold() != control_.Bold) {
    QFont font = widget_->font();
    font.setBold(control_.Bold);
    widget_->setFont(font);
  }
  if (auto colour = RoleColour(control_.ColorRole)) {
    QPalette palette = widget_->palette();
    if (palette.color(QPalette::Base) != *colour) {
      palette.setColor(QPalette::Base, *colour);
      widget_->setPalette(palette);
    }
  }
  SyncContent();
  widget_->setVisible(ShownNow());
}

void ControlView::Act(const ViewContext::Action& action) {
  context_.Forward(action);
  Sync();
}

}  // namespace desk
