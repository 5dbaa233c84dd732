// The screen's control tree, built from the window down: toolbar, list page,
// header panel, detail pages, navigator panel and menu.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::CreateLayout() {
  CreateWindowAndToolbar();
  CreateListPage();
  CreateHeaderPanel();
  CreateDetailPages();
  CreateContractPages();
  CreateOrderPages();
  CreateTextPage();
  CreateNavigatorAndMenu();
}

}  // namespace cli_psr41300
