#include "desktop/page_views.h"

#include <QFrame>
#include <QTabBar>
#include <QTimer>

#include "desktop/qt_text.h"

namespace desk {

// ---- page control ---------------------------------------------------------------

PageControlView::PageControlView(plat::TPageControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QWidget(parent)), pages_(control), bar_(new QTabBar(Widget())) {
  bar_->setObjectName(Widget()->objectName() + "Tabs");
  bar_->setFocusPolicy(Qt::NoFocus);
  bar_->setExpanding(false);
  bar_->setDrawBase(false);
  QObject::connect(bar_, &QTabBar::tabBarClicked, bar_, [this](int index) {
    if (syncing_ || index < 0 || index >= static_cast<int>(pages_.Pages().size())) return;
    plat::TTabSheet& page = *pages_.Pages()[static_cast<std::size_t>(index)];
    Context().Forward([this, &page](plat::TUserActions& actions) { return actions.SelectTab(pages_, page); });
    // The bar makes the clicked tab current once this signal returns; it
    // shows the control's page again right after.
    QTimer::singleShot(0, bar_, [this] { Sync(); });
    Sync();
  });
  // Any other change of the bar's own (the mouse wheel) is undone.
  QObject::connect(bar_, &QTabBar::currentChanged, bar_, [this](int) {
    if (!syncing_) QTimer::singleShot(0, bar_, [this] { Sync(); });
  });
}

void PageControlView::SyncTabs() {
  syncing_ = true;
  const auto& pages = pages_.Pages();
  while (bar_->count() > static_cast<int>(pages.size())) bar_->removeTab(bar_->count() - 1);
  while (bar_->count() < static_cast<int>(pages.size())) bar_->addTab(QString());
  for (int i = 0; i < bar_->count(); ++i) {
    const plat::TTabSheet& page = *pages[static_cast<std::size_t>(i)];
    bar_->setTabText(i, ToQt(page.Caption()));
    bar_->setTabVisible(i, page.TabVisible() && page.Visible());
  }
  // A page without a visible tab may still be the active one: the bar then
  // holds it as current without drawing it.
  if (plat::TTabSheet* active = pages_.ActivePage()) bar_->setCurrentIndex(active->PageIndex());
  syncing_ = false;
}

void PageControlView::SyncContent() {
  bar_->setGeometry(0, 0, pages_.Width, kTabHeight);
  SyncTabs();
  for (plat::TTabSheet* page : pages_.Pages())
    if (ControlView* view = Context().ViewOf(*page)) view->Sync();
}

// ---- tab sheet ------------------------------------------------------------------------

TabSheetView::TabSheetView(plat::TTabSheet& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QFrame(parent)), sheet_(control) {
  auto* frame = static_cast<QFrame*>(Widget());
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
}

void TabSheetView::SyncContent() {
  // A caption or tab change shows in the page control's bar.
  if (ControlView* pages = Context().ViewOf(sheet_.PageControl())) {
    if (auto* view = dynamic_cast<PageControlView*>(pages)) {
      QTabBar* bar = view->TabBar();
      int index = sheet_.PageIndex();
      if (index < bar->count() && (bar->tabText(index) != ToQt(sheet_.Caption()) ||
                                   bar->isTabVisible(index) != (sheet_.TabVisible() && sheet_.Visible())))
        view->Sync();
    }
  }
}

bool TabSheetView::ShownNow() const { return sheet_.Visible() && sheet_.PageControl().ActivePage() == &sheet_; }

}  // namespace desk
