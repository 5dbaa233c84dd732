// Views of the page control and its tab sheets. The tab bar shows one tab
// per page whose tab is visible; a page activated by program whose tab is
// hidden is shown without showing its tab. A click on a tab is forwarded as
// the user's choice of that page, and the bar then shows the page the
// control really holds.
#pragma once

#include "desktop/control_view.h"
#include "platform/ui/pages.h"

class QTabBar;

namespace desk {

class PageControlView : public ControlView {
 public:
  static constexpr int kTabHeight = 22;

  PageControlView(plat::TPageControl& control, ViewContext& context, QWidget* parent);

  QTabBar* TabBar() const { return bar_; }

 protected:
  void SyncContent() override;

 private:
  void SyncTabs();
  plat::TPageControl& pages_;
  QTabBar* bar_;
  bool syncing_ = false;
};

class TabSheetView : public ControlView {
 public:
  TabSheetView(plat::TTabSheet& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;
  bool ShownNow() const override;

 private:
  plat::TTabSheet& sheet_;
};

}  // namespace desk
