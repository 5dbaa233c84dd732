#include "desktop/plain_views.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
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

namespace {

// The width a label may take before the next control to its right on the
// same row (the classic fonts were narrower than the window's); 0: no limit.
int RoomToTheRight(const plat::TControl& label) {
  const plat::TControl* parent = label.Parent();
  if (!parent) return 0;
  int room = 0;
  for (const plat::TControl* other : parent->Children()) {
    if (other == &label || !other->Visible() || other->Left <= label.Left) continue;
    const bool sameRow = other->Top < label.Top + label.Height && label.Top < other->Top + other->Height;
    const int gap = other->Left - label.Left - 4;
    if (sameRow && gap > 0 && (room == 0 || gap < room)) room = gap;
  }
  return room;
}

}  // namespace

// A label sizes itself to its caption, as the classic label does: it keeps
// its place and height and grows to the right when the text needs more
// than the width the layout gave it, up to the next control on its row;
// a caption still wider there is drawn a point smaller at a time (down to
// 6 points), so that labels never overlap.
void LabelView::SyncContent() {
  auto* label = static_cast<QLabel*>(Widget());
  label->setText(ToQt(Control().Caption()));
  const int room = RoomToTheRight(Control());
  QFont font = label->font();
  if (label->parentWidget()) font.setPointSize(label->parentWidget()->font().pointSize());
  while (room > 0 && font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) + 2 > room)
    font.setPointSize(font.pointSize() - 1);
  if (font != label->font()) label->setFont(font);
  int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
  if (room > 0) needed = std::min(needed, room);
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
