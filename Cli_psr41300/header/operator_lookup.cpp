// The requesting operator: an active operator of the host's database, named
// by its code. Codes are kept right-aligned with leading zeros, twelve wide,
// so a typed code is brought to that width before it is looked up, and the
// edit shows it so.
#include "Cli_psr41300/screen_support.h"
#include "host/consiste.h"

namespace cli_psr41300 {

using namespace support;

namespace {

constexpr int kOperatorWidth = 12;

}  // namespace

void TfrmSolicitaProposta::btnPesqOperadorBeforePesq(plat::TComponent&, bool&) {
  OpenLookup(*qryOperador, "P_CDOPERADOR", "", "P_TCDOPERADOR", "T");
}

void TfrmSolicitaProposta::btnPesqOperadorAfterPesq(plat::TComponent&) {
  EditUnlessEditing(*cdsProposta);
  Copy(*cdsProposta, "CDOPERSOLI", *qryOperador, "CDOPERADOR");
  Copy(*cdsProposta, "OPERSOLI", *qryOperador, "NMOPERADOR");
}

void TfrmSolicitaProposta::dbeCdOperSoliChange(plat::TComponent&) {
  ClearNameWhenTyped(*this, *dbeCdOperSoli, "OPERSOLI");
}

void TfrmSolicitaProposta::dbeCdOperSoliExit(plat::TComponent&) { Vd_Operador(false); }

void TfrmSolicitaProposta::Vd_Operador(bool must) {
  if (Empty(dbeCdOperSoli->Text())) {
    if (must) FocusAndEndWith(*this, *dbeCdOperSoli, "OPER_INF");
    return;
  }
  if (!cdsProposta->Editing()) return;

  dbeCdOperSoli->SetText(host::Consiste::Ajusta(dbeCdOperSoli->Text(), kOperatorWidth));
  FocusOnFailure(
      [this] {
        OpenLookup(*qryOperador, "P_CDOPERADOR", dbeCdOperSoli->Text(), "P_TCDOPERADOR", "");
        if (qryOperador->IsEmpty()) FocusAndEndWith(*this, *dbeCdOperSoli, "OPER_N_CAD");
        Copy(*cdsProposta, "CDOPERSOLI", *qryOperador, "CDOPERADOR");
        Copy(*cdsProposta, "OPERSOLI", *qryOperador, "NMOPERADOR");
      },
      [this] { dbeCdOperSoli->SetFocus(); });
}

}  // namespace cli_psr41300
