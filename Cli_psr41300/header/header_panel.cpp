// The header panel and its dates: entering the panel judges the commands for
// the proposal; leaving it posts a new proposal (an edited one waits for the
// confirm command); leaving a date refuses a text that is no date.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::depPropostaExit(plat::TComponent&) { depProposta->CheckValidDate(); }

void TfrmSolicitaProposta::depValidadeExit(plat::TComponent&) { depValidade->CheckValidDate(); }

void TfrmSolicitaProposta::depAceiteExit(plat::TComponent&) { depAceite->CheckValidDate(); }

void TfrmSolicitaProposta::panEmpresaEnter(plat::TComponent&) { dtsPropostaStateChange(*dtsProposta); }

void TfrmSolicitaProposta::panEmpresaExit(plat::TComponent&) {
  if (cdsProposta->State() == plat::DataSetState::Insert) cdsProposta->Post();
}

}  // namespace cli_psr41300
