// Checks of the proposal as a whole: a new number and version not in use
// yet, a contract product-line code not yet in the party's contract, and a
// prospect being accepted that is not already a customer. Each failure
// leaves the focus on the entry it concerns.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

using namespace support;

void TfrmSolicitaProposta::Vd_Proposta(bool must) {
  plat::TField& number = cdsProposta->FieldByName("NRPROPOSFAS");
  FocusOnFailure(
      [&] {
        if (Empty(number.AsString())) {
          if (must) EndWith(*this, "PROP_INF");
          return;
        }
        Load(*cdsValidaProposta, appclient::RdmSolicitaProposta(*netProposta)
                                     .ValidaProposta(host::Vogalis::FiliProc(), CurrentProposal(*this)));
        if (!cdsValidaProposta->IsEmpty()) EndWith(*this, "PROPJACAD");
      },
      [&] { number.FocusControl(); });
}

void TfrmSolicitaProposta::Vd_Contrato(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsDadosContLinhaProd,
                         .field = "CDLINPPROP",
                         .missingCode = "CODDADOLIN",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .Valida_Contrato(Text(*cdsDadosContLinhaProd, "CDLINPPROP"),
                                                    Text(*cdsProposta, "CODIGO"));
                             },
                         .answer = cdsValidaContrato,
                         .duplicateCode = "CDCONTRATO"});
}

void TfrmSolicitaProposta::Vd_GeraCliente(bool must) {
  FocusOnFailure(
      [&] {
        if (Empty(dbeCdClienteProsp->Text())) {
          if (must) EndWith(*this, "CLIEPROS");
          return;
        }
        adqValidaCliente->Close();
        adqValidaCliente->ParamByName("P_CDCLIENTE").SetAsString(Text(*cdsProposta, "CODIGO"));
        adqValidaCliente->Open();
        if (!adqValidaCliente->IsEmpty()) EndWith(*this, "Prosp_Clie");
      },
      [&] { cdsProposta->FieldByName("CODIGO").FocusControl(); });
}

}  // namespace cli_psr41300
