// The screen's data model: its connection to the application server, its
// data sets, local queries, data sources and message catalogues.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::CreateDataModel() {
  netProposta = &Create<host::TNetConnection>("netProposta");
  netProposta->ServerName = "PSR41300.rdmSolicitaProposta";
  netProposta->ThrowException = false;

  CreateClientDataSets();
  CreateLocalQueries();
  CreateDataSources();
  CreateCatalogues();
}

}  // namespace cli_psr41300
