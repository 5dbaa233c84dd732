// TPageControl and TTabSheet: pages of controls of which one is shown.
//
// A page whose tab is hidden (TabVisible false) shows no tab but can still be
// made active by program. Only controls on the active page can take the
// focus. When the focus is on the page being left, it first moves to that
// page (running the exits of the controls left; an exception there keeps the
// old page) and, after the change, to the new page. OnChange runs when the
// user changes the tab (UserSelect), never when a program sets the page.
//
// A click on a tab first gives the page control itself the focus (the exits
// of the control left run; a veto keeps the old page), so while OnChange
// runs for a click the page control is the form's active control.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace plat {

class TPageControl;

class TTabSheet : public TControl {
 public:
  TTabSheet(TComponent* owner, std::string name, TPageControl* pageControl);

  TPageControl& PageControl() const { return *pageControl_; }
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool visible);
  int PageIndex() const;

 private:
  TPageControl* pageControl_;
  bool tabVisible_ = true;
};

class TPageControl : public TControl {
 public:
  using TControl::TControl;

  const std::vector<TTabSheet*>& Pages() const { return pages_; }
  TTabSheet* ActivePage() const { return active_; }
  // Sets the page by program (no OnChange).
  void SetActivePage(TTabSheet* page);
  void SetActivePage(TTabSheet& page) { SetActivePage(&page); }
  // The user clicked a tab: refused for a page whose tab is hidden; runs
  // OnChanging (may clear its flag to refuse), changes the page, runs OnChange.
  bool UserSelect(TTabSheet& page);

  std::function<void(TControl&, bool& allow)> OnChanging;
  TNotifyEvent OnChange;

 protected:
  bool ShowsChild(const TControl& child) const override { return &child == active_; }

 private:
  friend class TTabSheet;
  bool ChangePage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

}  // namespace plat
