#include "desktop/plain_views.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <functional>
#include <optional>

#include "desktop/qt_text.h"
#include "platform/ui/splitter.h"

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

namespace {

// The splitter's bar: the left button held down drags it. Each mouse move
// hands on the distance from where the bar is now; what the splitter
// really moved (it stops short of the least sizes) is where it is next.
class SplitterBar : public QFrame {
 public:
  SplitterBar(QWidget* parent, bool upDown) : QFrame(parent), upDown_(upDown) {}
  std::function<int(int)> dragged;  // returns the distance moved

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) grabbedAt_ = Along(*event);
    event->accept();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    event->accept();
    if (!grabbedAt_ || !(event->buttons() & Qt::LeftButton) || !dragged) return;
    int distance = Along(*event) - *grabbedAt_;
    if (distance != 0) *grabbedAt_ += dragged(distance);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    grabbedAt_.reset();
    event->accept();
  }

 private:
  int Along(const QMouseEvent& event) const {
    QPoint at = event.globalPosition().toPoint();
    return upDown_ ? at.y() : at.x();
  }
  bool upDown_;
  std::optional<int> grabbedAt_;
};

}  // namespace

SplitterView::SplitterView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new SplitterBar(parent, control.Width >= control.Height)) {
  auto* bar = static_cast<SplitterBar*>(Widget());
  bool upDown = control.Width >= control.Height;
  bar->setFrameStyle((upDown ? QFrame::HLine : QFrame::VLine) | QFrame::Sunken);
  bar->setCursor(upDown ? Qt::SplitVCursor : Qt::SplitHCursor);
  auto* splitter = dynamic_cast<plat::TSplitter*>(&control);
  if (!splitter) return;
  bar->dragged = [this, splitter, upDown](int distance) {
    int before = upDown ? splitter->Top : splitter->Left;
    Act([splitter, distance](plat::TUserActions& actions) { return actions.DragSplitter(*splitter, distance); });
    return (upDown ? splitter->Top : splitter->Left) - before;
  };
}

}  // namespace desk
