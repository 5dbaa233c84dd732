// Aceite: the checks an order must pass before its proposal is accepted,
// stopping at the first that fails with its message. It records nothing:
// when every check passes the command ends without a message. The same
// checks run before an acceptance date is first stored with the proposal.
#include <cmath>

#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "platform/data/format.h"

namespace cli_psr41300 {

using namespace support;

namespace {

// Amounts compared to the ten-thousandth, as currency values are.
int64_t TenThousandths(double value) { return std::llround(value * 10000.0); }

}  // namespace

void TfrmSolicitaProposta::sbtAceiteClick(plat::TComponent&) {
  if (cdsPedidosLinhaProd->IsEmpty()) return;
  Load(*cdsSum_ValorPedido,
       appclient::RdmSolicitaProposta(*netProposta).Sum_ValorPedido(CurrentProposal(*this).number));
  if (dbrClieProsp->ItemIndex() == 1) {
    Vd_GeraCliente(true);
    adqGera_Cliente->Close();
    adqGera_Cliente->ParamByName("P_CDPROSPECT").SetAsString(Text(*cdsProposta, "CODIGO"));
    adqGera_Cliente->Open();
  }
  // Every ordered line needs its systems and due dates, whichever line
  // happens to be current: each is visited (its systems and due dates come
  // with it), a line that fails stays current for the user to see, and the
  // line that was current is current again afterwards.
  plat::TClientDataSet& lines = *cdsPedidosLinhaProd;
  const int current = lines.RecNo();
  for (int line = 1; line <= lines.RecordCount(); ++line) {
    if (lines.RecNo() != line) lines.SetRecNo(line);
    if (cdsPedidosSist->IsEmpty()) EndWith(*this, "Ped_Sist");
    if (cdsVenc_Valor->IsEmpty()) EndWith(*this, "Dt_Venc_LinProd");
  }
  if (current >= 1 && lines.RecNo() != current) lines.SetRecNo(current);
  // The ordered licence total is the number the edit's text shows (two
  // decimals), read with its thousands separators.
  if (TenThousandths(plat::StrToFloat(edtSomaTotalLu->Text())) !=
      TenThousandths(cdsSum_ValorPedido->FieldByName("VALOR").AsCurrency()))
    EndWith(*this, "Valor_Ped");
}

void TfrmSolicitaProposta::CheckAcceptanceWhenFirstStored() {
  const plat::TField& acceptance = cdsProposta->FieldByName("DTACEPROPFAS");
  if (Empty(acceptance.Text()) || !Empty(acceptance.ValueText(acceptance.OldValue()))) return;
  // Once accepted, the details are locked: what they hold pending is stored
  // first, so that it is neither stored after the acceptance nor left out
  // of the check (a refusal keeps the header being typed).
  steps::SettleProposalDetails(*this);
  if (!cdsPedidosLinhaProd->Active()) fetch::OrderLines(*this);
  Calcula_Valores();
  FocusOnFailure([&] { sbtAceiteClick(*sbtAceite); }, [&] { depAceite->SetFocus(); });
}

}  // namespace cli_psr41300
