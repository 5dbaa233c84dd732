#include "desktop/window_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionHeader>

namespace desk {

namespace {

class WindowStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != PE_IndicatorHeaderArrow || !header || header->sortIndicator == QStyleOptionHeader::None) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    // Qt gives an ascending column SortDown; the arrow the user expects is the other one.
    QStyleOptionHeader turned = *header;
    const bool up = header->sortIndicator == QStyleOptionHeader::SortDown;
    turned.sortIndicator = up ? QStyleOptionHeader::SortUp : QStyleOptionHeader::SortDown;
    turned.state &= ~(State_UpArrow | State_DownArrow);
    turned.state |= up ? State_UpArrow : State_DownArrow;
    QProxyStyle::drawPrimitive(element, &turned, painter, widget);
  }
};

}  // namespace

QStyle* NewWindowStyle() { return new WindowStyle(QApplication::style()->name()); }

void ApplyWindowStyle(QApplication& app) { app.setStyle(NewWindowStyle()); }

}  // namespace desk
