// The screen's life: creation with the first load of the proposal list,
// activation, and closing; and the toolbar commands that do nothing.
#include "Cli_psr41300/bind_support.h"
#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appclient/rdm_solicita_proposta.h"
#include "host/application.h"
#include "host/consiste.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/ui/dialogs.h"

namespace cli_psr41300 {

using plat::TComponent;

void TfrmSolicitaProposta::BindLifecycleEvents() {
  netProposta->BeforeConnect = [this](host::TNetConnection& sender) { netPropostaBeforeConnect(sender); };
  Bindings.Add(netProposta->Name(), "BeforeConnect", "netPropostaBeforeConnect");
  OnActivate = [this](plat::TControl& sender) { FormActivate(sender); };
  Bindings.Add(Name(), "OnActivate", "FormActivate");
  binding::OnDataSet(*this, *cdsProposta, &plat::TDataSet::AfterOpen, "AfterOpen", PSR_HANDLER(cdsPropostaAfterOpen));
  binding::OnControl(*this, *sbtFiltro, &plat::TControl::OnClick, "OnClick", PSR_HANDLER(sbtFiltroClick));
  binding::OnControl(*this, *sbtCopiar, &plat::TControl::OnClick, "OnClick", PSR_HANDLER(sbtCopiarClick));
  binding::OnControl(*this, *sbtAceite, &plat::TControl::OnClick, "OnClick", PSR_HANDLER(sbtAceiteClick));
  mnuAceite->OnClick = [this](plat::TMenuItem& sender) { sbtAceiteClick(sender); };
  Bindings.Add(mnuAceite->Name(), "OnClick", "sbtAceiteClick");
}

void TfrmSolicitaProposta::FormCreate(TComponent& sender) {
  TfrmPadrao::FormCreate(sender);
  host::Showavi::ActiveShowAvi(host::TApplication::Current().MainForm, 1);
  try {
    netProposta->SetConnected(true);
    host::ServerResult answer =
        appclient::RdmSolicitaProposta(*netProposta).GetProposta(host::Vogalis::FiliProc(), host::Vogalis::Operador());
    cdsProposta->SetData(host::Consiste::CheckResultServ(std::move(answer), true, 0));
  } catch (...) {
    host::Showavi::DeactiveShowAvi();
    throw;
  }
  host::Showavi::DeactiveShowAvi();
  pgcPadrao->SetActivePage(tshFolhaDados);
  dtsPropostaStateChange(*dtsProposta);
}

void TfrmSolicitaProposta::netPropostaBeforeConnect(TComponent&) {
  netProposta->Host = host::Vogalis::WebURL();
  netProposta->Port = host::Vogalis::WebPort();
}

void TfrmSolicitaProposta::FormActivate(TComponent&) { Changed(); }

// Work not yet taken by the server (a row being typed, refused changes) is
// only thrown away with the screen once the user confirmed it; otherwise the
// screen stays open (close action 0).
void TfrmSolicitaProposta::FormClose(TComponent& sender, int& action) {
  if (steps::WorkPending(*this) &&
      msgMensagensPadroes->ShowMsg("Canc", plat::DialogType::Confirmation, plat::mbYesNo, 0) != plat::mrYes) {
    action = 0;
    return;
  }
  netProposta->SetConnected(false);
  TfrmPadrao::FormClose(sender, action);
  boIdCriado = false;
}

void TfrmSolicitaProposta::cdsPropostaAfterOpen(plat::TDataSet&) { inChecked = 1; }

void TfrmSolicitaProposta::sbtFiltroClick(TComponent&) {}
void TfrmSolicitaProposta::sbtImprimirClick(TComponent&) {}
void TfrmSolicitaProposta::sbtCopiarClick(TComponent&) {}

}  // namespace cli_psr41300
