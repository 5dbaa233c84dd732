#include "platform/ui/form.h"

#include <algorithm>

namespace plat {

TForm::TForm(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {}

namespace {

// The chain from a control up to (not including) the form.
std::vector<TControl*> Chain(TControl* control, TForm* form) {
  std::vector<TControl*> chain;
  for (TControl* c = control; c && c != form; c = c->Parent()) chain.push_back(c);
  return chain;
}

}  // namespace

bool TForm::FocusControl(TControl& target) {
  if (&target == active_) return true;
  if (!target.CanFocus() || target.ParentForm() != this) return false;

  TControl* from = active_;
  std::vector<TControl*> oldChain = Chain(from, this);
  std::vector<TControl*> newChain = Chain(&target, this);
  auto shared = [&](TControl* c) { return std::find(newChain.begin(), newChain.end(), c) != newChain.end(); };

  bool outer = !moving_;
  if (outer) exited_.clear();
  moving_ = true;
  try {
    // Exits, innermost first, up to the first container the target shares.
    for (TControl* c : oldChain) {
      if (shared(c)) break;
      if (std::find(exited_.begin(), exited_.end(), c) != exited_.end()) continue;
      exited_.push_back(c);
      c->DoExit();
      if (active_ != from) {  // an exit handler moved the focus itself
        if (outer) moving_ = false;
        return active_ == &target;
      }
    }
  } catch (...) {
    if (outer) moving_ = false;
    throw;
  }
  if (outer) moving_ = false;
  if (!target.CanFocus()) return false;  // an exit handler hid or disabled it

  active_ = &target;
  if (from) from->FocusChanged();
  target.FocusChanged();
  Changed();
  // Enters, outermost first, of the containers not shared with the old chain.
  std::vector<TControl*> entering;
  for (TControl* c : newChain) {
    if (std::find(oldChain.begin(), oldChain.end(), c) != oldChain.end()) break;
    entering.push_back(c);
  }
  for (auto it = entering.rbegin(); it != entering.rend(); ++it) {
    (*it)->DoEnter();
    if (active_ != &target) break;  // an enter handler moved the focus on
  }
  return active_ == &target;
}

std::vector<TControl*> TForm::TabList() const {
  std::vector<TControl*> list;
  std::function<void(const TControl&)> walk = [&](const TControl& parent) {
    std::vector<TControl*> children = parent.Children();
    std::stable_sort(children.begin(), children.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* child : children) {
      if (child->Children().empty()) {
        if (child->CanFocus() && child->TabStop()) list.push_back(child);
      } else {
        walk(*child);
      }
    }
  };
  walk(*this);
  return list;
}

bool TForm::SelectNext(bool forward) {
  std::vector<TControl*> list = TabList();
  if (list.empty()) return false;
  auto it = std::find(list.begin(), list.end(), active_);
  std::size_t index;
  if (it == list.end()) {
    index = forward ? 0 : list.size() - 1;
  } else {
    std::size_t pos = static_cast<std::size_t>(it - list.begin());
    index = forward ? (pos + 1) % list.size() : (pos + list.size() - 1) % list.size();
  }
  return FocusControl(*list[index]);
}

void TForm::CheckActiveControl() {
  if (!active_ || active_->CanFocus()) return;
  for (TControl* c = active_->Parent(); c && c != this; c = c->Parent())
    if (c->CanFocus()) {
      FocusControl(*c);
      return;
    }
  // Nothing around it can hold the focus: the form keeps it without a control.
  TControl* from = active_;
  for (TControl* c : Chain(from, this)) c->DoExit();
  if (active_ == from) {
    active_ = nullptr;
    if (from) from->FocusChanged();
  }
  Changed();
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(*this);
}

void TForm::Show() {
  shown_ = true;
  if (OnShow) OnShow(*this);
  if (OnActivate) OnActivate(*this);
  Changed();
}

int TForm::Close() {
  int action = 1;
  if (OnClose) OnClose(*this, action);
  if (action != 0) shown_ = false;
  Changed();
  return action;
}

}  // namespace plat
