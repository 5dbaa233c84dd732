// Views of the choice controls: the radio group and the drop-down list. A
// pick is forwarded as the chosen item's index; the checked or current item
// always follows the control's ItemIndex.
#pragma once

#include <string>
#include <vector>

#include "desktop/control_view.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;

namespace plat {
class TDBChoiceControl;
}

namespace desk {

class RadioGroupView : public ControlView {
 public:
  RadioGroupView(plat::TDBChoiceControl& control, ViewContext& context, QWidget* parent);

  QWidget* FocusWidget() const override;
  QButtonGroup* Buttons() const { return buttons_; }

 protected:
  void SyncContent() override;

 private:
  void Rebuild();
  plat::TDBChoiceControl& choice_;
  QGroupBox* box_;
  QButtonGroup* buttons_;
  std::vector<std::string> items_;  // the items the buttons were made for
};

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(plat::TDBChoiceControl& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  plat::TDBChoiceControl& choice_;
  QComboBox* combo_;
  std::vector<std::string> items_;
};

// Forwards the pick of an item (shared by both views).
void ChooseItem(ViewContext& context, plat::TDBChoiceControl& control, int index);

}  // namespace desk
