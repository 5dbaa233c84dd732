// The navigator panel with the current proposal's name, and the screen's
// filter item at the end of the maintenance menu.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

using layout::Place;

void TfrmSolicitaProposta::CreateNavigatorAndMenu() {
  Place(*panNavigator, {0, 542, 982, 30});
  Place(*dbnPadrao, {4, 3, 240, 24});
  dbtNome = &Create<plat::TDBText>("dbtNome", panNavigator);
  Place(*dbtNome, {252, 8, 600, 17});
  dbtNome->Bind(*dtsProposta, "PROPOSTA");

  mnuSepFiltro = &Create<plat::TMenuItem>("mnuSepFiltro", mnuManutencao);
  mnuSepFiltro->Caption.assign(1, '-');  // a separator
  mnuFiltro = &Create<plat::TMenuItem>("mnuFiltro", mnuManutencao);
  mnuFiltro->Caption = "Filtrar in&voices";
  mnuFiltro->ShortCut = "Ctrl+V";
}

}  // namespace cli_psr41300
