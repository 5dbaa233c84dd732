#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace plat {

TControl::TControl(TComponent* owner, std::string name, TControl* parent) : TComponent(owner, std::move(name)) {
  SetParent(parent);
}

TControl::~TControl() {
  SetParent(nullptr);
  for (auto* child : children_) child->parent_ = nullptr;
}

void TControl::SetParent(TControl* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) {
    if (tabOrder_ == 0) tabOrder_ = static_cast<int>(parent_->children_.size());
    parent_->children_.push_back(this);
  }
}

TForm* TControl::ParentForm() const {
  const TControl* control = this;
  while (control->parent_) control = control->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

bool TControl::HasAncestor(const TControl& ancestor) const {
  for (const TControl* c = this; c; c = c->parent_)
    if (c == &ancestor) return true;
  return false;
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
  if (!visible)
    if (auto* form = ParentForm()) form->CheckActiveControl();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
  if (!enabled)
    if (auto* form = ParentForm()) form->CheckActiveControl();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
    if (c->parent_ && !c->parent_->ShowsChild(*c)) return false;
  }
  return true;
}

bool TControl::EnabledInTree() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool TControl::CanFocus() const {
  if (!Focusable() || !ParentForm()) return false;
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_ || !c->enabled_) return false;
    if (c->parent_ && !c->parent_->ShowsChild(*c)) return false;
  }
  return true;
}

bool TControl::Focused() const {
  auto* form = ParentForm();
  return form && form->ActiveControl() == this;
}

void TControl::SetFocus() {
  if (auto* form = ParentForm()) form->FocusControl(*this);
}

void TControl::DoEnter() {
  if (OnEnter) OnEnter(*this);
}

void TControl::DoExit() {
  if (OnExit) OnExit(*this);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

void TControl::ResizeBy(int width, int height) {
  if (width == 0 && height == 0) return;
  Width += width;
  Height += height;
  // Along one axis: the child's growth, after moving it when it keeps to the far side only.
  auto follow = [](unsigned anchors, unsigned nearSide, unsigned farSide, int by, int& start) {
    if (!(anchors & farSide)) return 0;
    if (anchors & nearSide) return by;
    start += by;
    return 0;
  };
  for (TControl* child : children_) {
    int grows = follow(child->Anchors, akLeft, akRight, width, child->Left);
    int growsDown = follow(child->Anchors, akTop, akBottom, height, child->Top);
    if (grows || growsDown)
      child->ResizeBy(grows, growsDown);
    else if (child->Anchors & (akRight | akBottom))
      child->Changed();
  }
  Changed();
}

void TControl::Changed() {
  if (OnChanged) OnChanged(*this);
}

}  // namespace plat
