// Aceite: the checks an order must pass before its proposal is accepted,
// stopping at the first that fails with its message. It records nothing:
// when every check passes the command ends without a message.
#include <cmath>

#include "Cli_psr41300/header/header_support.h"

namespace cli_psr41300 {

using namespace header;

namespace {

// Amounts compared to the ten-thousandth, as currency values are.
int64_t TenThousandths(double value) { return std::llround(value * 10000.0); }

}  // namespace

void TfrmSolicitaProposta::sbtAceiteClick(plat::TComponent&) {
  if (cdsPedidosLinhaProd->IsEmpty()) return;
  Load(*cdsSum_ValorPedido,
       server::RdmSolicitaProposta(*netProposta).Sum_ValorPedido(Text(*cdsProposta, "NRPROPOSFAS")));
  if (dbrClieProsp->ItemIndex() == 1) {
    Vd_GeraCliente(true);
    adqGera_Cliente->Close();
    adqGera_Cliente->ParamByName("P_CDPROSPECT").SetAsString(Text(*cdsProposta, "CODIGO"));
    adqGera_Cliente->Open();
  }
  if (cdsPedidosSist->IsEmpty()) EndWith(*this, "Ped_Sist");
  if (cdsVenc_Valor->IsEmpty()) EndWith(*this, "Dt_Venc_LinProd");
  // The ordered licence total is the number the edit holds: its text shows
  // thousands separators, which a plain conversion of the text would
  // misread from 1,000 on.
  if (TenThousandths(edtSomaTotalLu->Value()) !=
      TenThousandths(cdsSum_ValorPedido->FieldByName("VALOR").AsCurrency()))
    EndWith(*this, "Valor_Ped");
}

}  // namespace cli_psr41300
