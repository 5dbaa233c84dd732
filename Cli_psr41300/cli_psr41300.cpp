// The unit's globals and the screen's entry.
#include "Cli_psr41300/cli_psr41300.h"

#include "Cli_psr41300/frm_solicita_proposta.h"
#include "host/application.h"

extern "C" {

cli_psr41300::TfrmSolicitaProposta* frmSolicitaProposta = nullptr;
bool boIdCriado = false;  // the unit's start: no screen yet
int32_t inCountPed = 0;
int32_t inCountServ = 0;
int32_t inChecked = 0;

void CriaSolicitacaoProposta() {
  if (boIdCriado) return;
  auto& application = host::TApplication::Current();
  application.Cursor = host::crHourGlass;
  try {
    application.CreateForm(frmSolicitaProposta);
    boIdCriado = true;
    frmSolicitaProposta->Show();
  } catch (...) {
    // A screen that could not be made leaves no hourglass behind and no
    // claim that it exists, so the next call tries again.
    application.Cursor = host::crDefault;
    throw;
  }
  application.Cursor = host::crDefault;
}

}  // extern "C"
