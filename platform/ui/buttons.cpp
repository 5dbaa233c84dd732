#include "platform/ui/buttons.h"

#include "platform/ui/dialogs.h"

namespace plat {

void TSpeedButton::Click() {
  if (!Showing() || !Enabled()) return;
  TControl::Click();
}

TMenuItem::TMenuItem(TComponent* owner, std::string name, TMenuItem* parentItem)
    : TComponent(owner, std::move(name)), parent_(parentItem) {
  if (parent_) parent_->items_.push_back(this);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (OnChanged) OnChanged(*this);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (OnChanged) OnChanged(*this);
}

void TMenuItem::Click() {
  for (TMenuItem* item = this; item; item = item->parent_)
    if (!item->visible_ || !item->enabled_) return;
  if (OnClick) OnClick(*this);
}

void TBtnPesquisa::Click() {
  if (!Showing() || !Enabled()) return;
  bool proceed = true;
  if (OnBeforePesq) OnBeforePesq(*this, proceed);
  if (!proceed || !DataSource) return;
  if (Dialogs::Current().Search(*DataSource, Title, EmptyError) && OnAfterPesq) OnAfterPesq(*this);
}

}  // namespace plat
