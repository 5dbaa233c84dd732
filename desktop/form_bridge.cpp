#include "desktop/form_bridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "desktop/qt_text.h"
#include "desktop/view_kinds.h"
#include "host/application.h"
#include "platform/ui/buttons.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"

namespace desk {

FormBridge::FormBridge(plat::TForm& form, QWidget* parent) : QObject(parent), form_(form), actions_(form) {
  Build(form, parent);
  ControlView& top = *views_.at(&form);
  top.SetPlaced(false);
  root_ = top.Widget();
  QRect used;
  for (plat::TControl* child : form.Children()) used |= QRect(child->Left, child->Top, child->Width, child->Height);
  root_->setMinimumSize(used.right() + 1, used.bottom() + 1);
  laidOut_ = root_->minimumSize();
  for (ControlView* view : order_) view->Sync();
  wasShown_ = form.IsShown();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { QtFocusChanged(now); });
  qApp->installEventFilter(this);
  // The window moves no focus by itself: until the user or the screen does,
  // Qt's focus rests on the area, first in Qt's own focus chain (the keys it
  // gets are the Tab keys forwarded to the screen).
  root_->setFocusPolicy(Qt::TabFocus);
  root_->setFocus(Qt::OtherFocusReason);
  ScheduleFocusSync();
}

FormBridge::~FormBridge() { Detach(); }

void FormBridge::Build(plat::TControl& control, QWidget* parent) {
  std::unique_ptr<ControlView> view = MakeView(control, *this, parent);
  ControlView& made = *view;
  controls_[made.Widget()] = &control;
  order_.push_back(&made);
  views_[&control] = std::move(view);
  Hook(control);
  if (made.HoldsChildren())
    for (plat::TControl* child : control.Children()) Build(*child, made.Container());
}

void FormBridge::Hook(plat::TControl& control) {
  // Another view of the same control (a grid's own) keeps hearing of changes.
  control.OnChanged = [this, earlier = std::move(control.OnChanged)](plat::TControl& changed) {
    if (earlier) earlier(changed);
    ControlChanged(changed);
  };
  hooked_.push_back(&control);
}

void FormBridge::Detach() {
  if (detached_) return;
  detached_ = true;
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
  for (plat::TControl* control : hooked_) control->OnChanged = nullptr;
  hooked_.clear();
  pending_ = nullptr;
}

ControlView* FormBridge::ViewOf(const plat::TControl& control) const {
  auto found = views_.find(&control);
  return found == views_.end() ? nullptr : found->second.get();
}

QWidget* FormBridge::WidgetOf(std::string_view name) const {
  for (const auto& [control, view] : views_)
    if (control->Name() == name) return view->Widget();
  return nullptr;
}

plat::TControl* FormBridge::ControlAt(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    auto found = controls_.find(w);
    if (found != controls_.end()) return found->second;
    if (w == root_) break;
  }
  return nullptr;
}

void FormBridge::ControlChanged(plat::TControl& control) {
  if (detached_) return;
  if (ControlView* view = ViewOf(control)) view->Sync();
  if (&control == &form_) {
    if (form_.IsShown()) wasShown_ = true;
    emit CaptionChanged(ToQt(form_.Caption()));
    // The active control may have changed; outside an event nothing else
    // would bring Qt's focus along.
    if (depth_ == 0) ScheduleFocusSync();
  }
}

// ---- user actions ---------------------------------------------------------------

plat::ActionResult FormBridge::Forward(const Action& action) {
  if (detached_ || closed_) return plat::ActionResult::Refused;
  if (depth_ == 0 && pending_) FlushFocus();
  if (detached_ || closed_) return plat::ActionResult::Refused;
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  };
  plat::ActionResult result;
  {
    Depth running(depth_);
    result = action(actions_);
  }
  if (depth_ == 0) AfterEvent();
  return result;
}

bool FormBridge::MayAct(plat::TControl& control) {
  if (detached_ || closed_) return false;
  if (depth_ == 0 && pending_) FlushFocus();
  return !control.Focusable() || control.Focused();
}

void FormBridge::AfterEvent() {
  if (wasShown_ && !form_.IsShown()) {
    // The owner takes the window down; the screen is released after that.
    closed_ = true;
    emit ScreenClosed();
    return;
  }
  host::TApplication::Current().ProcessMessages();
  SyncFocus();
  emit Acted();
}

// ---- focus ------------------------------------------------------------------------

void FormBridge::QtFocusChanged(QWidget* now) {
  if (detached_ || closed_ || settingFocus_ || depth_ > 0 || !now) return;
  plat::TControl* control = ControlAt(now);
  if (!control || !control->Focusable()) return;
  if (control == form_.ActiveControl()) {
    pending_ = nullptr;
    return;
  }
  // Forwarded once Qt has finished the event that moved its focus (a
  // mouse press still being delivered, say).
  pending_ = control;
  QTimer::singleShot(0, this, [this] {
    if (depth_ == 0) FlushFocus();
  });
}

void FormBridge::FlushFocus() {
  plat::TControl* control = std::exchange(pending_, nullptr);
  if (!control) return;
  if (control == form_.ActiveControl()) return;
  Forward([control](plat::TUserActions& actions) { return actions.Focus(*control); });
}

void FormBridge::ScheduleFocusSync() {
  if (focusSyncQueued_) return;
  focusSyncQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    focusSyncQueued_ = false;
    if (depth_ == 0 && !pending_) SyncFocus();
  });
}

void FormBridge::SyncFocus() {
  if (detached_ || closed_) return;
  const Qt::FocusReason reason = std::exchange(nextFocusReason_, Qt::OtherFocusReason);
  plat::TControl* active = form_.ActiveControl();
  QWidget* current = root_->window()->focusWidget();
  plat::TControl* shown = current ? ControlAt(current) : nullptr;
  if (active && shown == active) return;
  if (!active && !(shown && shown->Focusable())) return;
  ControlView* view = active ? ViewOf(*active) : nullptr;
  QWidget* target = view ? view->FocusWidget() : root_;
  ++settingFocus_;
  target->setFocus(reason);
  --settingFocus_;
}

// Ctrl+Tab and Ctrl+Shift+Tab bring the next or previous page (of those
// whose tab shows) of the innermost page control holding the focused
// control forward, as a click on its tab does; in a grid too (Tab alone
// moves between its columns).
bool FormBridge::TurnPage(bool forward) {
  for (plat::TControl* c = form_.ActiveControl(); c; c = c->Parent()) {
    auto* pages = dynamic_cast<plat::TPageControl*>(c);
    if (!pages || !pages->Showing()) continue;
    std::vector<plat::TTabSheet*> tabs;
    for (plat::TTabSheet* page : pages->Pages())
      if (page->TabVisible() && page->Visible()) tabs.push_back(page);
    if (tabs.size() < 2) continue;
    auto at = std::find(tabs.begin(), tabs.end(), pages->ActivePage());
    std::size_t index = at == tabs.end() ? 0 : static_cast<std::size_t>(at - tabs.begin());
    plat::TTabSheet* next = tabs[(index + (forward ? 1 : tabs.size() - 1)) % tabs.size()];
    Forward([pages, next](plat::TUserActions& actions) { return actions.SelectTab(*pages, *next); });
    return true;
  }
  return false;
}

// Ctrl+Enter in an edit clicks the search button laid right beside it (on
// its row, a few pixels to its right), as Ctrl+Enter in a grid clicks the
// cell's button.
bool FormBridge::ClickSearchBeside(plat::TControl& edit) {
  plat::TControl* container = edit.Parent();
  if (!container) return false;
  for (plat::TControl* c : container->Children()) {
    auto* button = dynamic_cast<plat::TBtnPesquisa*>(c);
    if (!button || !button->Showing()) continue;
    int gap = button->Left - (edit.Left + edit.Width);
    bool sameRow = button->Top < edit.Top + edit.Height && edit.Top < button->Top + button->Height;
    if (gap < 0 || gap > 6 || !sameRow) continue;
    Forward([button](plat::TUserActions& actions) { return actions.Click(*button); });
    return true;
  }
  return false;
}

void FormBridge::FollowRootSize() {
  const QSize size = root_->size().expandedTo(root_->minimumSize());
  if (size == laidOut_ || detached_) return;
  form_.ResizeBy(size.width() - laidOut_.width(), size.height() - laidOut_.height());
  laidOut_ = size;
}

bool FormBridge::eventFilter(QObject* watched, QEvent* event) {
  if (watched == root_ && event->type() == QEvent::Resize) FollowRootSize();
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget != QApplication::focusWidget()) return false;  // the key's first receiver only
  plat::TControl* control = ControlAt(widget);
  if (!control) return false;
  const bool inGrid = dynamic_cast<plat::TDBGrid*>(control) != nullptr;
  auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
  const bool forward = key->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::ControlModifier)
    return !inGrid && ClickSearchBeside(*control);
  if (tab && (mods & Qt::ControlModifier) && !(mods & ~(Qt::ControlModifier | Qt::ShiftModifier)))
    return TurnPage(forward);
  if (!tab || inGrid || (mods & (Qt::ControlModifier | Qt::AltModifier))) return false;
  nextFocusReason_ = forward ? Qt::TabFocusReason : Qt::BacktabFocusReason;
  Forward([forward](plat::TUserActions& actions) { return actions.Tab(forward); });
  return true;
}

}  // namespace desk
