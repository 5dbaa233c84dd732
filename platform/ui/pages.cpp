#include "platform/ui/pages.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace plat {

TTabSheet::TTabSheet(TComponent* owner, std::string name, TPageControl* pageControl)
    : TControl(owner, std::move(name), pageControl), pageControl_(pageControl) {
  Anchors = kAnchorAll;  // a page fills its page control
  pageControl_->pages_.push_back(this);
  if (!pageControl_->active_) pageControl_->active_ = this;
}

void TTabSheet::SetTabVisible(bool visible) {
  if (tabVisible_ == visible) return;
  tabVisible_ = visible;
  Changed();
  pageControl_->Changed();
}

int TTabSheet::PageIndex() const {
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

bool TPageControl::ChangePage(TTabSheet* page) {
  if (page == active_) return true;
  TForm* form = ParentForm();
  TTabSheet* old = active_;
  bool focusWasOnOldPage = form && old && form->ActiveControl() && form->ActiveControl()->HasAncestor(*old);
  if (focusWasOnOldPage) {
    form->FocusControl(*old);
    if (form->ActiveControl() != old) return false;  // an exit handler kept the focus elsewhere
  }
  active_ = page;
  if (old) old->Changed();
  if (page) page->Changed();
  Changed();
  if (focusWasOnOldPage) {
    if (page && page->CanFocus())
      form->FocusControl(*page);
    else if (CanFocus())
      form->FocusControl(*this);
    else
      form->CheckActiveControl();
  }
  return true;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && &page->PageControl() != this) return;
  ChangePage(page);
}

bool TPageControl::UserSelect(TTabSheet& page) {
  if (&page.PageControl() != this || !page.TabVisible() || !page.Visible() || !Enabled()) return false;
  if (&page == active_) return true;
  // The click gives the page control the focus before the page changes, as
  // the classic tab control does: the focused control's exit runs first, and
  // a veto there keeps the page and the focus where they were.
  if (TForm* form = ParentForm(); form && CanFocus() && form->ActiveControl() != this) {
    form->FocusControl(*this);
    if (form->ActiveControl() != this) return false;
  }
  bool allow = true;
  if (OnChanging) OnChanging(*this, allow);
  if (!allow) return false;
  if (!ChangePage(&page)) return false;
  if (OnChange) OnChange(*this);
  return true;
}

}  // namespace plat
