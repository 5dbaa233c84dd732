// The screen's control tree, built from the window down: toolbar, list page,
// header panel, detail pages, navigator panel and menu, then how it follows
// a resized window.
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
  CreateAnchors();
}

}  // namespace cli_psr41300
