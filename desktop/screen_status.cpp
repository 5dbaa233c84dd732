#include "desktop/screen_status.h"

#include "host/frmpadrao.h"
#include "platform/data/clientdataset.h"

namespace desk {

std::string ScreenStatusText(const plat::TForm& form) {
  bool inserting = false, editing = false, waiting = false;
  for (const auto& owned : form.Components()) {
    const auto* dataSet = dynamic_cast<const plat::TDataSet*>(owned.get());
    if (!dataSet || !dataSet->Active()) continue;
    inserting = inserting || dataSet->State() == plat::DataSetState::Insert;
    editing = editing || dataSet->State() == plat::DataSetState::Edit;
    if (const auto* logged = dynamic_cast<const plat::TClientDataSet*>(dataSet))
      waiting = waiting || logged->ChangeCount() > 0;
  }
  std::string text = inserting ? "Inclusão" : editing ? "Alteração" : "Consulta";
  if (const auto* standard = dynamic_cast<const host::TfrmPadrao*>(&form))
    if (const plat::TDataSet* list = standard->dtsPadrao->DataSet(); list && list->Active()) {
      const int count = list->RecordCount();
      text += " · " + std::to_string(count) + (count == 1 ? " registro" : " registros");
    }
  if (waiting) text += " · alterações não gravadas";
  return text;
}

}  // namespace desk
