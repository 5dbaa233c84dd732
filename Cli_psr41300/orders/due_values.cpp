// The due dates and values of the current ordered line's licence: typed in
// their grid, stored under the current ordered line, and sent at every post
// and delete. Nothing is recomputed afterwards.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/header/header_support.h"

namespace cli_psr41300 {

using namespace header;
using plat::TComponent;
using plat::TDataSet;

namespace {

// The date, then the value; a value of 0 is informed.
const steps::Required kDueRequired[] = {{"DTVELUSOPEDP", "DTVENC"}, {"VRVELUSOPEDP", "VALOR"}};

}  // namespace

// Whatever the row held, it belongs to the ordered line current now.
void TfrmSolicitaProposta::cdsVenc_ValorBeforePost(TDataSet& dataSet) {
  steps::CheckRequired(*this, dataSet, kDueRequired);
  for (const char* key : {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP"}) Copy(dataSet, key, *cdsPedidosLinhaProd, key);
}

void TfrmSolicitaProposta::cdsVenc_ValorAfterPost(TDataSet&) { steps::SendDetailChanges(*this, *cdsVenc_Valor); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterDelete(TDataSet&) { steps::SendDetailChanges(*this, *cdsVenc_Valor); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterCancel(TDataSet&) { cdsVenc_Valor->CancelUpdates(); }

void TfrmSolicitaProposta::cdsVenc_ValorAfterScroll(TDataSet&) { dtsVenc_ValorStateChange(*dtsVenc_Valor); }

void TfrmSolicitaProposta::dbgVenc_ValorExit(TComponent&) { steps::PostOnExit(*this, *cdsVenc_Valor); }

}  // namespace cli_psr41300
