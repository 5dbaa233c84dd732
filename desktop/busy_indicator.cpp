#include "desktop/busy_indicator.h"

#include <QApplication>
#include <QWidget>

namespace desk {

void BusyIndicator::SetSign(QWidget* sign) {
  sign_ = sign;
  if (sign_) sign_->setVisible(depth_ > 0);
}

void BusyIndicator::Start() {
  if (depth_++ > 0) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (sign_) {
    sign_->show();
    sign_->repaint();
  }
}

void BusyIndicator::Stop() {
  if (depth_ == 0) return;
  if (--depth_ > 0) return;
  QApplication::restoreOverrideCursor();
  if (sign_) sign_->hide();
}

}  // namespace desk
