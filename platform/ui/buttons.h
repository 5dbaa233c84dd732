// Command controls: the toolbar's speed button, the menu item and the search
// button. None of them takes the focus, so a click leaves the active control
// as it was. A click on a hidden or disabled one does nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/data/component.h"
#include "platform/ui/control.h"

namespace plat {

class TDataSource;

class TSpeedButton : public TControl {
 public:
  using TControl::TControl;
  bool Focusable() const override { return false; }
  // Runs OnClick when the button is showing and enabled.
  void Click() override;
};

// A menu item; items nest. ShortCut is the text of its key ("Ctrl+V").
class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name, TMenuItem* parentItem = nullptr);

  std::string Caption;  // "-" makes a separator
  std::string ShortCut;
  std::string Hint;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TMenuItem* ParentItem() const { return parent_; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  bool IsSeparator() const { return Caption == "-"; }

  std::function<void(TMenuItem&)> OnClick;
  std::function<void(TMenuItem&)> OnChanged;  // set by a front-end
  // Runs OnClick when the item and its parents are visible and enabled.
  void Click();

 private:
  TMenuItem* parent_;
  std::vector<TMenuItem*> items_;
  bool enabled_ = true;
  bool visible_ = true;
};

// The search button: lists a data source in the host's search dialog.
// A click runs OnBeforePesq (which may clear its flag to cancel), opens the
// search dialog on DataSource titled Title, showing EmptyError when there is
// nothing to list, and runs OnAfterPesq when a row was picked (that row is
// then the current one).
class TBtnPesquisa : public TSpeedButton {
 public:
  using TSpeedButton::TSpeedButton;

  TDataSource* DataSource = nullptr;
  std::string Title;
  std::string EmptyError;
  std::function<void(TControl& sender, bool& proceed)> OnBeforePesq;
  TNotifyEvent OnAfterPesq;

  void Click() override;
};

}  // namespace plat
