// TControl: a node of a screen's control tree, with no drawing of its own.
// A front-end (the scripted host, the desktop window) shows it and forwards
// the user's actions to it through TUserActions.
//
// Every control has a name, an owner (the form, which finds it by name) and a
// parent (the container it sits in). Containers (form, panel, group box, page
// control, tab sheet) are controls with children. CanFocus is false for a
// control that cannot take the keyboard focus at all (labels, speed buttons),
// that is hidden or disabled, that sits on a tab sheet that is not the active
// page, or that sits under such a container.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/data/component.h"

namespace plat {

class TForm;

// The edges of its container a control keeps its distance to when the
// container is resized: anchored to both sides of an axis it stretches,
// to the far side only it moves, to the near side only it stays.
enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
inline constexpr unsigned kAnchorAll = akLeft | akTop | akRight | akBottom;

using TNotifyEvent = std::function<void(class TControl& sender)>;

class TControl : public TComponent {
 public:
  TControl(TComponent* owner, std::string name, TControl* parent = nullptr);
  ~TControl() override;

  TControl* Parent() const { return parent_; }
  void SetParent(TControl* parent);
  const std::vector<TControl*>& Children() const { return children_; }
  // The form at the top of the parent chain (nullptr while unparented).
  TForm* ParentForm() const;
  bool HasAncestor(const TControl& ancestor) const;  // also true for itself

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  // Enabled itself and within every container: a disabled panel takes no
  // input for the controls it holds.
  bool EnabledInTree() const;
  virtual void SetEnabled(bool enabled);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
  }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) {
    hint_ = std::move(hint);
    Changed();
  }
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  // Appearance hints for a front-end: "input" (highlighted for typing),
  // "readonly" (neutral) or empty (default), bold captions.
  std::string ColorRole;
  bool Bold = false;
  // Position and size; only the window front-end reads them.
  int Left = 0, Top = 0, Width = 0, Height = 0;
  unsigned Anchors = akLeft | akTop;
  // Grows the control by the given amounts (negative shrinks it); its
  // children follow their Anchors, and each control moved or resized
  // announces its change.
  void ResizeBy(int width, int height);

  // Whether this kind of control ever takes the focus.
  virtual bool Focusable() const { return true; }
  // Whether it can take the focus now (see the class comment).
  virtual bool CanFocus() const;
  // Shown on screen now: itself and all its containers visible, and on active pages.
  bool Showing() const;
  bool Focused() const;
  // Asks the form to move the focus here; does nothing when CanFocus is false.
  // Exceptions from exit/enter handlers propagate.
  void SetFocus();

  TNotifyEvent OnEnter, OnExit, OnClick;

  // Called by the form as the focus crosses this control's border.
  virtual void DoEnter();
  virtual void DoExit();
  // Called by the form right after the focus arrived here or left here.
  virtual void FocusChanged() { Changed(); }
  virtual void Click();

  // Tells an attached front-end that this control's look changed.
  void Changed();
  std::function<void(TControl&)> OnChanged;  // set by a front-end

 protected:
  // Whether this container shows the given child now (a page control shows
  // only its active page).
  virtual bool ShowsChild(const TControl& child) const {
    (void)child;
    return true;
  }

 private:
  TControl* parent_ = nullptr;
  std::vector<TControl*> children_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  int tabOrder_ = 0;
  bool tabStop_ = true;
};

// Containers that only group other controls.
class TPanel : public TControl {
 public:
  using TControl::TControl;
};

class TGroupBox : public TControl {
 public:
  using TControl::TControl;
  bool Focusable() const override { return false; }
};

// Controls that never take the focus.
class TLabel : public TControl {
 public:
  using TControl::TControl;
  bool Focusable() const override { return false; }
};

class TImage : public TLabel {
 public:
  using TLabel::TLabel;
};

}  // namespace plat
