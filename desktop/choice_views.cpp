#include "desktop/choice_views.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "desktop/qt_text.h"
#include "platform/ui/dbchoice.h"

namespace desk {

void ChooseItem(ViewContext& context, plat::TDBChoiceControl& control, int index) {
  if (!context.MayAct(control)) return;
  context.Forward([&control, index](plat::TUserActions& actions) { return actions.Choose(control, index); });
}

// ---- radio group ---------------------------------------------------------------

RadioGroupView::RadioGroupView(plat::TDBChoiceControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QGroupBox(parent)),
      choice_(control),
      box_(static_cast<QGroupBox*>(Widget())),
      buttons_(new QButtonGroup(box_)) {
  QObject::connect(buttons_, &QButtonGroup::idClicked, box_, [this](int index) {
    ChooseItem(Context(), choice_, index);
    Sync();
  });
}

void RadioGroupView::Rebuild() {
  for (QAbstractButton* button : buttons_->buttons()) {
    buttons_->removeButton(button);
    delete button;
  }
  delete box_->layout();
  // Side by side when the group is wide and low, one under the other otherwise.
  bool across = choice_.Width > 2 * choice_.Height;
  QBoxLayout* layout = across ? static_cast<QBoxLayout*>(new QHBoxLayout(box_)) : new QVBoxLayout(box_);
  layout->setContentsMargins(6, 2, 6, 2);
  for (int i = 0; i < static_cast<int>(choice_.Items.size()); ++i) {
    auto* button = new QRadioButton(ToQt(choice_.Items[static_cast<std::size_t>(i)]), box_);
    button->setObjectName(box_->objectName() + QString::number(i));
    buttons_->addButton(button, i);
    layout->addWidget(button);
  }
  items_ = choice_.Items;
}

void RadioGroupView::SyncContent() {
  box_->setTitle(ToQt(choice_.Caption()));
  if (items_ != choice_.Items) Rebuild();
  int index = choice_.ItemIndex();
  if (buttons_->checkedId() == index) return;
  // No item checked needs the group's exclusiveness lifted for a moment.
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) {
    QSignalBlocker blocker(button);
    button->setChecked(buttons_->id(button) == index);
  }
  buttons_->setExclusive(true);
}

QWidget* RadioGroupView::FocusWidget() const {
  if (QAbstractButton* checked = buttons_->checkedButton()) return checked;
  QList<QAbstractButton*> all = buttons_->buttons();
  return all.isEmpty() ? Widget() : all.front();
}

// ---- drop-down list ----------------------------------------------------------------

ComboBoxView::ComboBoxView(plat::TDBChoiceControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QComboBox(parent)),
      choice_(control),
      combo_(static_cast<QComboBox*>(Widget())) {
  combo_->setEditable(false);
  QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) {
    ChooseItem(Context(), choice_, index);
    Sync();
  });
}

void ComboBoxView::SyncContent() {
  if (items_ != choice_.Items) {
    QSignalBlocker blocker(combo_);
    combo_->clear();
    for (const std::string& item : choice_.Items) combo_->addItem(ToQt(item));
    items_ = choice_.Items;
  }
  if (combo_->currentIndex() != choice_.ItemIndex()) {
    QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(choice_.ItemIndex());
  }
}

}  // namespace desk
