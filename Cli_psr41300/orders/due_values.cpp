// The due dates and values of the current ordered line's licence: typed in
// their grid, a new one stored under the current ordered line, and sent at
// every post and delete. Nothing is recomputed afterwards.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

// The date, then the value; a value of 0 is informed.
const steps::Required kDueRequired[] = {{"DTVELUSOPEDP", "DTVENC"}, {"VRVELUSOPEDP", "VALOR"}};

}  // namespace

// A new row belongs to the ordered line current now; a stored row keeps the
// line it was stored under. Without an ordered line there is none to hang a
// due date on.
void TfrmSolicitaProposta::cdsVenc_ValorBeforePost(TDataSet& dataSet) {
  steps::CheckRequired(*this, dataSet, kDueRequired);
  if (dataSet.State() != plat::DataSetState::Insert) return;
  if (cdsPedidosLinhaProd->IsEmpty()) {
    dataSet.FieldByName("DTVELUSOPEDP").FocusControl();
    EndWith(*this, "LinhaProd_Deve");
  }
  for (const char* key : {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP"})
    CopyStored(dataSet, key, *cdsPedidosLinhaProd, key);
}

void TfrmSolicitaProposta::cdsVenc_ValorAfterPost(TDataSet&) { steps::SendDetailChanges(*this, *cdsVenc_Valor); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterDelete(TDataSet&) { steps::SendDetailChanges(*this, *cdsVenc_Valor); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterCancel(TDataSet&) { steps::DiscardRefusedChanges(*this, *cdsVenc_Valor); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterScroll(TDataSet&) { dtsVenc_ValorStateChange(*dtsVenc_Valor); }

void TfrmSolicitaProposta::dbgVenc_ValorExit(TComponent&) { steps::PostOnExit(*this, *cdsVenc_Valor); }

}  // namespace cli_psr41300
