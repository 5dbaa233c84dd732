// Binds the proposal record's events and the header's look-up and
// validation handlers to their components.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::BindHeaderEvents() {}

}  // namespace cli_psr41300
