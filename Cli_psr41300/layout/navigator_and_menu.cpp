// The navigator panel with the current proposal's name and the note of
// refused changes, and the screen's filter and acceptance items at the end
// of the maintenance menu.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

using layout::Place;

void TfrmSolicitaProposta::CreateNavigatorAndMenu() {
  Place(*panNavigator, {0, 542, 982, 30});
  Place(*dbnPadrao, {4, 3, 240, 24});
  dbtNome = &Create<plat::TDBText>("dbtNome", panNavigator);
  Place(*dbtNome, {252, 8, 600, 17});
  dbtNome->Bind(*dtsProposta, "PROPOSTA");
  lblPendente = &Create<plat::TLabel>("lblPendente", panNavigator);
  Place(*lblPendente, {560, 8, 416, 17});
  lblPendente->SetCaption("Alterações não gravadas: Confirmar envia de novo, Cancelar descarta.");
  lblPendente->SetVisible(false);

  mnuSepFiltro = &Create<plat::TMenuItem>("mnuSepFiltro", mnuManutencao);
  mnuSepFiltro->Caption.assign(1, '-');  // a separator
  mnuFiltro = &Create<plat::TMenuItem>("mnuFiltro", mnuManutencao);
  mnuFiltro->Caption = "Filtrar in&voices";
  mnuFiltro->ShortCut = "Ctrl+V";
  // The acceptance check, also on the toolbar (sbtAceite).
  mnuAceite = &Create<plat::TMenuItem>("mnuAceite", mnuManutencao);
  mnuAceite->Caption = "Ac&eite";
  mnuAceite->Hint = "Aceite";
  mnuAceite->SetEnabled(false);
}

}  // namespace cli_psr41300
