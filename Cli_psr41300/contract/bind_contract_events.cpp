// Binds the coded fields' display and entry handlers of the contract and the
// ordered product lines; the two ordered fields without an entry handler
// store what is typed.
#include "Cli_psr41300/bind_support.h"

namespace cli_psr41300 {

namespace {

using namespace binding;

struct CodedField {
  plat::TClientDataSet* T::*dataSet;
  const char* field;
  Handler<GetTextHandler> display;
  Handler<SetTextHandler> entry;
};

const CodedField kCodedFields[] = {
    {&T::cdsDadosContLinhaProd, "IDAMBLINPP", PSR_HANDLER(cdsDadosContLinhaProdIDAMBLINPPGetText),
     PSR_HANDLER(cdsDadosContLinhaProdIDAMBLINPPSetText)},
    {&T::cdsDadosContLinhaProd, "IDTIPLINPP", PSR_HANDLER(cdsDadosContLinhaProdIDTIPLINPPGetText),
     PSR_HANDLER(cdsDadosContLinhaProdIDTIPLINPPSetText)},
    {&T::cdsDadosContLinhaProd, "IDTPPGTLINPP", PSR_HANDLER(cdsDadosContLinhaProdIDTPPGTLINPPGetText),
     PSR_HANDLER(cdsDadosContLinhaProdIDTPPGTLINPPSetText)},
    {&T::cdsDadosContLinhaProd, "IDMPROCLINPP", PSR_HANDLER(cdsDadosContLinhaProdIDMPROCLINPPGetText),
     PSR_HANDLER(cdsDadosContLinhaProdIDMPROCLINPPSetText)},
    {&T::cdsDadosContLinhaProd, "IDLPROCLINPP", PSR_HANDLER(cdsDadosContLinhaProdIDLPROCLINPPGetText),
     PSR_HANDLER(cdsDadosContLinhaProdIDLPROCLINPPSetText)},
    {&T::cdsPedidosLinhaProd, "PLATAFORMA", PSR_HANDLER(cdsPedidosLinhaProdPLATAFORMAGetText),
     PSR_HANDLER(cdsPedidosLinhaProdPLATAFORMASetText)},
    {&T::cdsPedidosLinhaProd, "TP_LINHAPROD", PSR_HANDLER(cdsPedidosLinhaProdTP_LINHAPRODGetText),
     PSR_HANDLER(cdsPedidosLinhaProdTP_LINHAPRODSetText)},
    {&T::cdsPedidosLinhaProd, "TP_PAG", PSR_HANDLER(cdsPedidosLinhaProdTP_PAGGetText),
     PSR_HANDLER(cdsPedidosLinhaProdTP_PAGSetText)},
    {&T::cdsPedidosLinhaProd, "MODO_PROCESSAMENTO", PSR_HANDLER(cdsPedidosLinhaProdMODO_PROCESSAMENTOGetText), {}},
    {&T::cdsPedidosLinhaProd, "LOCAL_PROCESSAMENTO", PSR_HANDLER(cdsPedidosLinhaProdLOCAL_PROCESSAMENTOGetText), {}},
};

}  // namespace

void TfrmSolicitaProposta::BindContractEvents() {
  for (const CodedField& row : kCodedFields) {
    plat::TField& field = (this->*row.dataSet)->FieldByName(row.field);
    OnGetText(*this, field, row.display);
    OnSetText(*this, field, row.entry);
  }
}

}  // namespace cli_psr41300
