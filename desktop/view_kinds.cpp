#include "desktop/view_kinds.h"

#include "desktop/button_views.h"
#include "desktop/choice_views.h"
#include "desktop/dbgrid_view.h"
#include "desktop/page_views.h"
#include "desktop/plain_views.h"
#include "desktop/text_views.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/form.h"
#include "platform/ui/splitter.h"

namespace desk {

namespace {

using Maker = std::unique_ptr<ControlView> (*)(plat::TControl&, ViewContext&, QWidget*);

struct ViewKind {
  bool (*matches)(const plat::TControl&);
  Maker make;
};

template <class C>
bool Is(const plat::TControl& control) {
  return dynamic_cast<const C*>(&control) != nullptr;
}

// Makes view V for a control known to be of kind C.
template <class V, class C = plat::TControl>
std::unique_ptr<ControlView> Make(plat::TControl& control, ViewContext& context, QWidget* parent) {
  return std::make_unique<V>(static_cast<C&>(control), context, parent);
}

const ViewKind kKinds[] = {
    {Is<plat::TDBGrid>, Make<DbGridView, plat::TDBGrid>},
    {Is<plat::TPageControl>, Make<PageControlView, plat::TPageControl>},
    {Is<plat::TTabSheet>, Make<TabSheetView, plat::TTabSheet>},
    {Is<plat::TDBRadioGroup>, Make<RadioGroupView, plat::TDBChoiceControl>},
    {Is<plat::TDBComboBox>, Make<ComboBoxView, plat::TDBChoiceControl>},
    {Is<plat::TDBDateEditPlus>, Make<DateEditView>},
    {Is<plat::TDBRichEdit>, Make<RichEditView>},
    {Is<plat::TDBEdit>, Make<LineEditView>},
    {Is<plat::TEdit>, Make<LineEditView>},
    {Is<plat::TDBText>, Make<DataLabelView>},
    {Is<plat::TDBNavigator>, Make<NavigatorView, plat::TDBNavigator>},
    {Is<plat::TSpeedButton>, Make<SpeedButtonView>},  // search buttons too
    {Is<plat::TSplitter>, Make<SplitterView>},
    {Is<plat::TImage>, Make<ImageView>},
    {Is<plat::TLabel>, Make<LabelView>},
    {Is<plat::TGroupBox>, Make<GroupBoxView>},
    {Is<plat::TForm>, Make<AreaView>},
    {Is<plat::TPanel>, Make<PanelView>},
};

}  // namespace

std::unique_ptr<ControlView> MakeView(plat::TControl& control, ViewContext& context, QWidget* parent) {
  for (const ViewKind& kind : kKinds)
    if (kind.matches(control)) return kind.make(control, context, parent);
  return std::make_unique<AreaView>(control, context, parent);
}

}  // namespace desk
