#include "desktop/menu_bridge.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "desktop/qt_text.h"

namespace desk {

MenuBridge::MenuBridge(plat::TMenuItem& root, ViewContext& context, QWidget* scope)
    : QObject(scope), context_(context), scope_(scope), bar_(new QMenuBar(scope)) {
  bar_->setObjectName(ToQt(root.Name()));
  AddItems(root, nullptr);
  qApp->installEventFilter(this);
}

MenuBridge::~MenuBridge() { Detach(); }

plat::TMenuItem* MenuBridge::MainMenuOf(const plat::TComponent& screen) {
  for (const auto& owned : screen.Components())
    if (auto* item = dynamic_cast<plat::TMenuItem*>(owned.get()); item && !item->ParentItem()) return item;
  return nullptr;
}

void MenuBridge::AddItems(const plat::TMenuItem& parent, QMenu* menu) {
  for (plat::TMenuItem* item : parent.Items()) {
    if (!item->Items().empty()) {
      QMenu* sub = menu ? menu->addMenu(ToQt(item->Caption)) : bar_->addMenu(ToQt(item->Caption));
      sub->setObjectName(ToQt(item->Name()));
      actions_[item] = sub->menuAction();
      AddItems(*item, sub);
    } else if (item->IsSeparator()) {
      actions_[item] = menu ? menu->addSeparator() : bar_->addSeparator();
    } else {
      actions_[item] = AddItem(*item, menu);
    }
    item->OnChanged = [this, earlier = std::move(item->OnChanged)](plat::TMenuItem& changed) {
      if (earlier) earlier(changed);
      if (!detached_) SyncItem(changed);
    };
    hooked_.push_back(item);
    SyncItem(*item);
  }
}

QAction* MenuBridge::AddItem(plat::TMenuItem& item, QMenu* menu) {
  QAction* action = menu ? menu->addAction(ToQt(item.Caption)) : bar_->addAction(ToQt(item.Caption));
  action->setObjectName(ToQt(item.Name()));
  action->setToolTip(ToQt(item.Hint));
  if (!item.ShortCut.empty()) {
    QKeySequence keys = QKeySequence::fromString(ToQt(item.ShortCut));
    action->setShortcut(keys);
    shortcuts_.emplace_back(keys, &item);
  }
  connect(action, &QAction::triggered, this,
          [this, &item] { context_.Forward([&item](plat::TUserActions& actions) { return actions.Click(item); }); });
  return action;
}

void MenuBridge::SyncItem(const plat::TMenuItem& item) {
  QAction* action = ActionOf(item);
  if (!action) return;
  action->setEnabled(item.Enabled());
  action->setVisible(item.Visible());
}

QAction* MenuBridge::ActionOf(const plat::TMenuItem& item) const {
  auto found = actions_.find(&item);
  return found == actions_.end() ? nullptr : found->second;
}

void MenuBridge::Detach() {
  if (detached_) return;
  detached_ = true;
  qApp->removeEventFilter(this);
  for (plat::TMenuItem* item : hooked_) item->OnChanged = nullptr;
}

QList<QAction*> MenuBridge::ItemActions() const {
  QList<QAction*> actions;
  for (auto& [item, action] : actions_) actions.append(action);
  return actions;
}

bool MenuBridge::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !scope_->isAncestorOf(widget)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  // Left unaccepted, the key goes to the menu's shortcut instead of the
  // widget; an item without a handler leaves the key to the widget.
  const QKeySequence pressed(key->keyCombination());
  for (const auto& [keys, item] : shortcuts_)
    if (keys == pressed) return static_cast<bool>(item->OnClick);
  return false;
}

}  // namespace desk
