// Views of the controls that only group or show: the window's own area,
// panels, group boxes, labels, images and splitters (whose bars the mouse
// drags).
#pragma once

#include "desktop/control_view.h"

namespace desk {

// A plain area: the window itself, and any container of no known kind.
class AreaView : public ControlView {
 public:
  AreaView(plat::TControl& control, ViewContext& context, QWidget* parent);
};

class PanelView : public ControlView {
 public:
  PanelView(plat::TControl& control, ViewContext& context, QWidget* parent);
};

class GroupBoxView : public ControlView {
 public:
  GroupBoxView(plat::TControl& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;
};

class LabelView : public ControlView {
 public:
  LabelView(plat::TControl& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;
};

class ImageView : public ControlView {
 public:
  ImageView(plat::TControl& control, ViewContext& context, QWidget* parent);
};

class SplitterView : public ControlView {
 public:
  SplitterView(plat::TControl& control, ViewContext& context, QWidget* parent);
};

}  // namespace desk
