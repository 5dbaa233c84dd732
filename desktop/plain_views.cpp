#include "desktop/plain_views.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "desktop/qt_text.h"

namespace desk {

AreaView::AreaView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QWidget(parent)) {}

PanelView::PanelView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QFrame(parent)) {
  static_cast<QFrame*>(Widget())->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

GroupBoxView::GroupBoxView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QGroupBox(parent)) {}

void GroupBoxView::SyncContent() { static_cast<QGroupBox*>(Widget())->setTitle(ToQt(Control().Caption())); }

LabelView::LabelView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QLabel(parent)) {
  static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

// A label sizes itself to its caption, as the classic label does: it keeps
// its place and height and grows to the right when the text needs more
// than the width the layout gave it.
void LabelView::SyncContent() {
  auto* label = static_cast<QLabel*>(Widget());
  label->setText(ToQt(Control().Caption()));
  int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
  if (needed > label->width()) label->resize(needed, label->height());
}

ImageView::ImageView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QLabel(parent)) {}

SplitterView::SplitterView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QFrame(parent)) {
  auto* line = static_cast<QFrame*>(Widget());
  line->setFrameStyle((control.Width >= control.Height ? QFrame::HLine : QFrame::VLine) | QFrame::Sunken);
  line->setCursor(control.Width >= control.Height ? Qt::SplitVCursor : Qt::SplitHCursor);
}

}  // namespace desk
