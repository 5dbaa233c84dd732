// MenuBridge: a screen's main menu as the menu bar of its window. Each item
// becomes a menu or an action with its shortcut; enabled and visible follow
// the items; choosing one is forwarded as a click on the item. The menu's
// shortcuts win over an edit's own use of the same keys inside the window
// (Ctrl+A, Ctrl+V), as menu shortcuts do in the classic host, except the
// shortcut of an item that does nothing (no click handler): its key stays
// the edit's (Ctrl+V pastes).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <map>
#include <vector>

#include "desktop/control_view.h"
#include "platform/ui/buttons.h"

class QAction;
class QMenu;
class QMenuBar;

namespace desk {

class MenuBridge : public QObject {
  Q_OBJECT

 public:
  // The bar shows root's items; scope is the window the shortcuts belong to.
  MenuBridge(plat::TMenuItem& root, ViewContext& context, QWidget* scope);
  ~MenuBridge() override;

  QMenuBar* Bar() const { return bar_; }
  QAction* ActionOf(const plat::TMenuItem& item) const;
  // The actions of all items, for the window whose shortcuts they are.
  QList<QAction*> ItemActions() const;
  // Stops following the items (their hooks are taken off).
  void Detach();

  // The screen's main menu: the first item it owns that has no parent item.
  static plat::TMenuItem* MainMenuOf(const plat::TComponent& screen);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddItems(const plat::TMenuItem& parent, QMenu* menu);
  QAction* AddItem(plat::TMenuItem& item, QMenu* menu);
  void SyncItem(const plat::TMenuItem& item);

  ViewContext& context_;
  QWidget* scope_;
  QMenuBar* bar_;
  std::map<const plat::TMenuItem*, QAction*> actions_;
  std::vector<plat::TMenuItem*> hooked_;
  std::vector<std::pair<QKeySequence, const plat::TMenuItem*>> shortcuts_;
  bool detached_ = false;
};

}  // namespace desk
